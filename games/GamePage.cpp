#include "games/GamePage.h"

#include <QSet>

TGamePage::TGamePage(TGame game, IDrawHost &host, IRandomSource &random, QObject *parent)
    : QObject(parent), FInfo(GameInfo(game)), FHost(host), FRandom(random), FDisplay(game),
      FPocetCisel(FInfo.NumbersDefault), FPocetPoliText(QString::number(PocetPoliDefault)) {}

// ---------------------------------------------------------------- inputs

void TGamePage::SetPocetCisel(int value) {
  value = qBound(PocetCiselMin(), value, PocetCiselMax());
  if (value == FPocetCisel) return;
  FPocetCisel = value;
  emit pocetCiselChanged(FPocetCisel);
  PocetCiselChange();
}

int TGamePage::PocetPoli() const {
  bool ok = false;
  const int value = FPocetPoliText.toInt(&ok);
  return ok ? value : 0;
}

void TGamePage::SetPocetPoliText(const QString &text) { ChangePocetPoliText(text); }

void TGamePage::WritePocetPoli(int value) {
  value = qBound(PocetPoliMin, value, PocetPoliMax);
  // The input compares values, not texts: writing 0 over an empty text, or 7 over "007", leaves the
  // text as typed and raises no change.
  if (value == PocetPoli()) return;
  ChangePocetPoliText(QString::number(value));
}

void TGamePage::ChangePocetPoliText(const QString &text) {
  if (text == FPocetPoliText) return;
  FPocetPoliText = text;
  emit pocetPoliTextChanged(FPocetPoliText);
  PocetPoliChange();
}

void TGamePage::PocetPoliFocusOut() {
  const int value = PocetPoli();
  if (value < PocetPoliMin || value > PocetPoliMax) WritePocetPoli(value);
}

void TGamePage::SetPocetPoliEnabled(bool enabled) {
  if (enabled == FPocetPoliEnabled) return;
  FPocetPoliEnabled = enabled;
  emit pocetPoliEnabledChanged(enabled);
}

void TGamePage::HidePocetPoliArrows() {
  if (!FPocetPoliArrowsVisible) return;
  FPocetPoliArrowsVisible = false;
  emit pocetPoliArrowsVisibleChanged(false);
}

QStringList TGamePage::SpeedItems() {
  return {QStringLiteral("pomalé"), QStringLiteral("střední"), QStringLiteral("rychlé")};
}

int TGamePage::PauseLength(int speedIndex) {
  switch (speedIndex) {
    case 0: return 1000;  // "pomalé"
    case 1: return 500;   // "střední"
    case 2: return 200;   // "rychlé"
    default: return 0;
  }
}

void TGamePage::SetSpeed(int index) {
  if (index == FSpeedIndex) return;
  FSpeedIndex = index;
  emit speedChanged(index);
}

void TGamePage::SetGenerateEnabled(bool enabled) {
  if (enabled == FGenerateEnabled) return;
  FGenerateEnabled = enabled;
  emit generateEnabledChanged(enabled);
}

// ---------------------------------------------------------------- handlers

void TGamePage::FirstShow() {
  WriteCaptions();
  HidePocetPoliArrows();
}

void TGamePage::WriteCaptions() { FTable.WriteCaptions(FInfo.Captions); }

void TGamePage::PocetPoliChange() {
  HidePocetPoliArrows();
  FDisplay.SetSpin(FDisplay.Spin() + 1);
  SetGenerateEnabled(PocetPoli() != 0);
  // During a run the input is disabled, and "Generovat" stays disabled with it.
  if (!FPocetPoliEnabled) SetGenerateEnabled(false);
}

void TGamePage::PocetCiselChange() { FDisplay.Hide(); }

void TGamePage::ClearClick() {
  // The input is disabled during a run, so a click into it cannot clear a table being filled.
  if (!FPocetPoliEnabled) return;
  FDisplay.Hide();
  try {
    for (int col = 0; col < FTable.ColCount(); ++col) {
      FTable.ClearColumn(col);
      FTable.SetRowCount(TTicketTable::InitialRowCount);
    }
  } catch (...) {
    // The captions are written whatever happened to the rest of the table.
    WriteCaptions();
    throw;
  }
  WriteCaptions();
}

void TGamePage::Stop() {
  if (!Running()) return;
  FStopped = true;
  FHost.CancelPause();
}

void TGamePage::GenerateClick() {
  const bool outermost = FRunDepth == 0;
  if (outermost) {
    FStopped = false;
    // A count typed above 100 is limited before the run, as leaving the input does.
    PocetPoliFocusOut();
    if (PocetPoli() <= 0) return;
  }

  // Step 8 (enable the input) and the end of the run happen also when a step throws.
  struct TRunScope {
    TGamePage &Page;
    bool Outermost;
    explicit TRunScope(TGamePage &page, bool outermost) : Page(page), Outermost(outermost) {
      ++Page.FRunDepth;
      if (Outermost) emit Page.runningChanged(true);
    }
    ~TRunScope() {
      Page.SetPocetPoliEnabled(true);
      --Page.FRunDepth;
      if (Outermost) {
        // A stopped run leaves the page ready for the fields it did not draw.
        if (Page.FStopped) Page.SetGenerateEnabled(Page.PocetPoli() != 0);
        emit Page.runningChanged(false);
      }
    }
  } scope(*this, outermost);

  SetPocetPoliEnabled(false);
  FDisplay.Hide();
  WritePocetPoli(PocetPoli() - 1);
  if (!Pump()) return;
  FDisplay.Show(PocetCiselText());
  if (!Pump()) return;
  Draw();
}

void TGamePage::Draw() {
  switch (FInfo.Game) {
    case TGame::Keno: RndList_Keno(FInfo.Max, FPocetCisel); break;
    case TGame::Stastnych10: RndList_Stastnych(FInfo.Max, FPocetCisel); break;
    case TGame::Euromiliony: RndList_Euromiliony(FInfo.Max, FPocetCisel); break;
    case TGame::LuckyLines: RndList_LuckyLines(); break;
    case TGame::Sportka: RndList_Sportka(FInfo.Max, FPocetCisel); break;
    case TGame::Kostky: RndList_Kostky(FInfo.Max, FPocetCisel); break;
  }
}

// ---------------------------------------------------------------- drawing routines

bool TGamePage::Pump() {
  for (int i = 0; i < PumpsPerStep && !FStopped; ++i) FHost.ProcessMessages();
  return !FStopped;
}

void TGamePage::Pause() {
  const int ms = PauseLength(FSpeedIndex);
  if (ms > 0) FHost.Pause(ms);
}

bool TGamePage::PauseStep() {
  Pause();
  return !FStopped;
}

QStringList TGamePage::DrawValues(int Max, int Od, bool distinct) {
  if (distinct) Od = qMin(Od, Max);
  QStringList values;
  QSet<int> drawn;
  for (int i = 0; i < Od; ++i) {
    // Drawing again until the value is new keeps every ordered choice of distinct values equally
    // likely; the values stay in the order they were drawn.
    int value = FRandom.Random(Max) + 1;
    while (distinct && drawn.contains(value)) value = FRandom.Random(Max) + 1;
    drawn.insert(value);
    values << QString::number(value);
  }
  return values;
}

int TGamePage::RndRange(int a, int b) { return a + FRandom.Random(b - a + 1); }

void TGamePage::StartFieldRow() {
  // Every value of the field goes to this row, even when an earlier field of the run had fewer
  // numbers and left cells empty above it.
  FFieldRow = FTable.RowCount() - 1;
  FTable.SetCell(0, FFieldRow, QStringLiteral("Pole %1").arg(FFieldRow));
}

bool TGamePage::RevealValue(int k, const QString &text) {
  FDisplay.Reveal(k, text);
  FTable.SetCell(k, FFieldRow, text);
  if (!Pump()) return false;
  if (FInfo.Game == TGame::Kostky) FDisplay.DieFaceChange(k);
  return PauseStep();
}

bool TGamePage::ScanReveal(int Max, int Od, int labelCount, bool distinct) {
  FRandom.Randomize();
  if (!Pump()) return false;
  const QStringList values = DrawValues(Max, qBound(0, Od, labelCount), distinct);
  StartFieldRow();
  for (int k = 1; k <= values.size(); ++k)
    if (!RevealValue(k, values[k - 1])) return false;
  return true;
}

void TGamePage::AppendKostkySum() {
  int sum = 0;
  for (int k = 1; k <= TDrawDisplay::DiceCount; ++k) sum += FDisplay.LabelText(k).toInt();
  FTable.SetCell(FInfo.ExtraColumn, FFieldRow, QString::number(sum));
}

void TGamePage::Continuation(int fieldsLeft) {
  if (fieldsLeft < 1 || FStopped) return;
  FTable.SetRowCount(FTable.RowCount() + 1);
  // The next field, as a click of "Generovat" would start it, although the button is disabled.
  GenerateClick();
}

void TGamePage::ScanDraw(const std::function<void()> &revealSteps) {
  // The field's row is known before anything can fail, so the final block writes into it.
  FFieldRow = FTable.RowCount() - 1;
  try {
    revealSteps();
  } catch (...) {
    // The final block runs also when a step before it failed: the run goes on with its next
    // field, and the failure is reported when the run is over.
    ScanFinalBlock();
    throw;
  }
  ScanFinalBlock();
}

void TGamePage::ScanFinalBlock() {
  if (FStopped) return;
  if (FInfo.Extra == TExtraValue::evSum) AppendKostkySum();
  Continuation(PocetPoli());
}

void TGamePage::RndList_Keno(int Max, int Od) {
  ScanDraw([&] { ScanReveal(Max, Od, TDrawDisplay::SlotCount, true); });
}

void TGamePage::RndList_Stastnych(int Max, int Od) {
  ScanDraw([&] { ScanReveal(Max, Od, TDrawDisplay::SlotCount, true); });
}

void TGamePage::RndList_Euromiliony(int Max, int Od) {
  ScanDraw([&] {
    if (!ScanReveal(Max, Od, 7, true)) return;
    // The pink field is drawn on its own, so it may equal one of the seven numbers.
    FRandom.Randomize();
    RevealValue(8, QString::number(FRandom.Random(4) + 1));
  });
}

void TGamePage::RndList_Sportka(int Max, int Od) {
  ScanDraw([&] { ScanReveal(Max, Od, 6, true); });
}

void TGamePage::RndList_Kostky(int Max, int Od) {
  // Six independent dice: repeated faces are part of the game.
  ScanDraw([&] { ScanReveal(Max, Od, TDrawDisplay::DiceCount, false); });
}

void TGamePage::RndList_LuckyLines() {
  FRandom.Randomize();
  if (!Pump()) return;
  const int fieldsLeft = PocetPoli();
  StartFieldRow();
  for (int k = 1; k <= 8; ++k) {
    // Band k runs from 5k - 4 to 5k: 1-5, 6-10, ..., 36-40.
    const int value = RndRange(5 * k - 4, 5 * k);
    if (!RevealValue(k, QString::number(value))) return;
  }
  Continuation(fieldsLeft);
}
