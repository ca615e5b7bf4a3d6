#include "games/DrawDisplay.h"

#include <stdexcept>

TDrawDisplay::TDrawDisplay(TGame game, QObject *parent) : QObject(parent), FGame(game) {}

TDrawDisplay::TSlot &TDrawDisplay::Slot(int k) {
  if (k < 1 || k > SlotCount)
    throw std::out_of_range("slot " + std::to_string(k) + " does not exist");
  return FSlots[k - 1];
}

const TDrawDisplay::TSlot &TDrawDisplay::Slot(int k) const {
  return const_cast<TDrawDisplay *>(this)->Slot(k);
}

void TDrawDisplay::Update(int k, const TSlot &slot) {
  TSlot &current = Slot(k);
  if (current.BallVisible == slot.BallVisible && current.BallPicture == slot.BallPicture &&
      current.LabelVisible == slot.LabelVisible && current.LabelText == slot.LabelText &&
      current.DieVisible == slot.DieVisible && current.DiePicture == slot.DiePicture)
    return;
  current = slot;
  emit slotChanged(k);
}

bool TDrawDisplay::BallVisible(int k) const { return Slot(k).BallVisible; }
QString TDrawDisplay::BallPicture(int k) const { return Slot(k).BallPicture; }
bool TDrawDisplay::LabelVisible(int k) const { return Slot(k).LabelVisible; }
QString TDrawDisplay::LabelText(int k) const { return Slot(k).LabelText; }
bool TDrawDisplay::DieVisible(int k) const { return Slot(k).DieVisible; }
QString TDrawDisplay::DiePicture(int k) const { return Slot(k).DiePicture; }

bool TDrawDisplay::LabelSlateBlue(int k) const {
  Slot(k);  // range check
  return k < SlotCount || FGame == TGame::Kostky;
}

QString TDrawDisplay::BallPictureName(int counter) {
  return QStringLiteral("IMG%1_BALL").arg(counter + 1);
}

QString TDrawDisplay::DiePictureName(int face) { return QStringLiteral("IMG%1_CUBE").arg(face); }

int TDrawDisplay::BallsWithPicture() const {
  // The dice page's balls never show a picture; only its dice are seen.
  return FGame == TGame::Kostky ? 0 : GameInfo(FGame).SlotsUsed;
}

void TDrawDisplay::SetSpin(int value) {
  if (value == FSpin) return;
  FSpin = value;
  emit spinChanged(FSpin);
  SpinChange();
}

void TDrawDisplay::SpinChange() {
  if (FSpin >= SpinWrap) {
    // Writing 0 runs this routine again, which shows the first picture.
    SetSpin(0);
    return;
  }
  if (FGame == TGame::Kostky) return;
  const int used = BallsWithPicture();
  for (int k = 1; k <= SlotCount; ++k) {
    TSlot slot = Slot(k);
    slot.BallPicture = k <= used ? BallPictureName(FSpin) : QString();
    Update(k, slot);
  }
}

void TDrawDisplay::Hide() {
  for (int k = 1; k <= SlotCount; ++k) {
    TSlot slot = Slot(k);
    slot.BallVisible = false;
    slot.LabelVisible = false;
    slot.LabelText.clear();
    if (FGame == TGame::Kostky && k <= DiceCount) slot.DieVisible = false;
    Update(k, slot);
  }
}

void TDrawDisplay::Show(const QString &pocetCiselText) {
  const TGameInfo &info = GameInfo(FGame);
  const bool chosen = info.NumbersChosen;
  // Keno and Šťastných 10 show as many slots as numbers are chosen; the others their fixed slots,
  // and only while "Počet čísel" reads their fixed count.
  bool ok = false;
  const int count = pocetCiselText.toInt(&ok);
  const bool matches = ok && QString::number(count) == pocetCiselText &&
                       (chosen ? count >= 0 && count <= SlotCount : count == info.NumbersDefault);
  const int shown = chosen ? count : info.SlotsUsed;
  for (int k = 1; k <= SlotCount; ++k) {
    TSlot slot = Slot(k);
    slot.LabelText.clear();
    if (!chosen && k > info.SlotsUsed) slot.BallPicture.clear();
    if (matches) {
      slot.BallVisible = k <= shown;
      slot.LabelVisible = FGame == TGame::Kostky ? false : k <= shown;
      if (FGame == TGame::Kostky && k <= DiceCount) slot.DieVisible = true;
    }
    Update(k, slot);
  }
}

void TDrawDisplay::Reveal(int k, const QString &text) {
  TSlot slot = Slot(k);
  slot.LabelText = text;
  slot.LabelVisible = true;
  Update(k, slot);
}

void TDrawDisplay::DieFaceChange(int k) {
  TSlot slot = Slot(k);
  const QString text = slot.LabelText;
  for (int face = 1; face <= DiceCount; ++face) {
    if (text == QString::number(face)) {
      slot.DiePicture = DiePictureName(face);
      Update(k, slot);
      return;
    }
  }
}
