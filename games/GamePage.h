#pragma once
// The model of one game page (`Tframe_ball`): the state of its inputs, its ticket table `_sg`, its
// slot row, and the handlers and drawing routines of a generation run. The window mirrors the state
// in its widgets (through the signals) and forwards the user's actions to the handlers.
//
// A run is a chain of fields: GenerateClick counts "Počet polí" down, hides and shows the slot row,
// and calls the game's drawing routine, which reveals the values one by one (three message pumps
// and a pause after each) and, while fields remain, adds the spare row and runs GenerateClick again.

#include "games/DrawDisplay.h"
#include "games/DrawHost.h"
#include "games/GameCatalogue.h"
#include "games/TicketTable.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class TGamePage : public QObject {
  Q_OBJECT

public:
  static constexpr int PocetPoliMin = 0;
  static constexpr int PocetPoliMax = 100;
  static constexpr int PocetPoliDefault = 4;
  static constexpr int SpeedDefault = 1;  // "střední"
  static constexpr int PumpsPerStep = 3;  // message pumps after every step that shows something

  // host and random must outlive the page; several pages may share them.
  TGamePage(TGame game, IDrawHost &host, IRandomSource &random, QObject *parent = nullptr);

  TGame Game() const { return FInfo.Game; }
  const TGameInfo &Info() const { return FInfo; }
  TTicketTable &_sg() { return FTable; }
  const TTicketTable &_sg() const { return FTable; }
  TDrawDisplay &Display() { return FDisplay; }
  const TDrawDisplay &Display() const { return FDisplay; }

  // --- "Počet čísel" (keno_pocet_cisel) ---
  int PocetCisel() const { return FPocetCisel; }
  QString PocetCiselText() const { return QString::number(FPocetCisel); }
  int PocetCiselMin() const { return FInfo.NumbersMin; }
  int PocetCiselMax() const { return FInfo.NumbersMax; }
  bool PocetCiselVisible() const { return FInfo.NumbersChosen; }
  // Its arrows: limited to min..max; a real change runs PocetCiselChange.
  void SetPocetCisel(int value);

  // --- "Počet polí" (keno_pocet_poli) ---
  QString PocetPoliText() const { return FPocetPoliText; }
  // The text read as an integer; an empty or non-numeric text reads as 0.
  int PocetPoli() const;
  // The user edited the text: a real change runs PocetPoliChange.
  void SetPocetPoliText(const QString &text);
  // Writes a count: limited to 0..100; writing the value the text already reads as (an empty text
  // reads as 0) changes nothing.
  void WritePocetPoli(int value);
  // The input lost the focus: a count outside 0..100 is written back limited to the range.
  void PocetPoliFocusOut();
  bool PocetPoliEnabled() const { return FPocetPoliEnabled; }
  bool PocetPoliArrowsVisible() const { return FPocetPoliArrowsVisible; }
  void HidePocetPoliArrows();

  // --- "Rychlost generování" (cb_rychlost) ---
  static QStringList SpeedItems();      // "pomalé", "střední", "rychlé"
  static int PauseLength(int speedIndex); // 1000, 500, 200 ms; 0 for any other index
  int SpeedIndex() const { return FSpeedIndex; }
  // A new choice applies from the next pause on, also during a run.
  void SetSpeed(int index);

  // --- "Generovat" (btn_generate) and the hidden counter ---
  bool GenerateEnabled() const { return FGenerateEnabled; }
  int Spin() const { return FDisplay.Spin(); }

  // A run is in progress on this page.
  bool Running() const { return FRunDepth > 0; }

  // --- handlers ---
  // First show of the window: captions into row 0, arrows of "Počet polí" hidden.
  void FirstShow();
  // Writes the game's captions into row 0 of the ticket table.
  void WriteCaptions();
  // Click of "Generovat" (also the continuation step's programmatic click): one field.
  void GenerateClick();
  // Click into "Počet polí" outside a run: hides the slot row, empties the table to 2 rows and
  // writes the captions.
  void ClearClick();
  // Change of "Počet polí": hides the arrows, advances the counter, enables or disables "Generovat".
  void PocetPoliChange();
  // Change of "Počet čísel": hides the slot row until the next field.
  void PocetCiselChange();

  // Stops the run in progress (the window is closing): the pause in progress ends, no further value
  // or field is drawn, and the page is left ready with the remaining count.
  void Stop();
  bool Stopped() const { return FStopped; }

  // --- drawing routines: one field each, ending with the continuation step ---
  void RndList_Keno(int Max, int Od);
  void RndList_Stastnych(int Max, int Od);
  void RndList_Euromiliony(int Max, int Od);
  void RndList_Sportka(int Max, int Od);
  void RndList_Kostky(int Max, int Od);
  void RndList_LuckyLines();

  // The pause after a revealed value, by the page's speed choice.
  void Pause();

signals:
  void pocetPoliTextChanged(const QString &text);
  void pocetPoliEnabledChanged(bool enabled);
  void pocetPoliArrowsVisibleChanged(bool visible);
  void pocetCiselChanged(int value);
  void speedChanged(int index);
  void generateEnabledChanged(bool enabled);
  void runningChanged(bool running);

private:
  void SetPocetPoliEnabled(bool enabled);
  void SetGenerateEnabled(bool enabled);
  void ChangePocetPoliText(const QString &text);
  // Pumps the pending messages three times; false when the run has been stopped meanwhile.
  bool Pump();
  // Pauses; false when the run has been stopped meanwhile.
  bool PauseStep();
  // Calls the game's drawing routine with its arguments.
  void Draw();
  // Draws Od values from 1 to Max in draw order: distinct, or independent where repeats belong to
  // the game (dice).
  QStringList DrawValues(int Max, int Od, bool distinct);
  // Steps of the scan draw up to the last reveal: reseed, pumps, draw, field row, reveals into
  // labels 1 .. labelCount. False when the run was stopped meanwhile.
  bool ScanReveal(int Max, int Od, int labelCount, bool distinct);
  // A uniform integer from a to b (the band draw).
  int RndRange(int a, int b);
  // Starts the field row, the last row of the table: "Pole " and RowCount - 1 into column 0.
  void StartFieldRow();
  // Reveals value k: label, table column k, pumps, die face (Kostky), pause. False when stopped.
  bool RevealValue(int k, const QString &text);
  // A scan draw: the reveal steps, then the final block, which runs also when a step failed.
  void ScanDraw(const std::function<void()> &revealSteps);
  // The final block of a scan draw: the Kostky sum and the continuation step (not after a stop).
  void ScanFinalBlock();
  // Kostky: the sum of labels 1 to 6 into column 7.
  void AppendKostkySum();
  // The continuation step: when fields remain, the spare row and the next field.
  void Continuation(int fieldsLeft);

  const TGameInfo &FInfo;
  IDrawHost &FHost;
  IRandomSource &FRandom;
  TTicketTable FTable;
  TDrawDisplay FDisplay;

  int FPocetCisel;
  QString FPocetPoliText;
  bool FPocetPoliEnabled = true;
  bool FPocetPoliArrowsVisible = true;
  int FSpeedIndex = SpeedDefault;
  bool FGenerateEnabled = true;
  int FRunDepth = 0;
  bool FStopped = false;
  int FFieldRow = 1;  // the row of the field being drawn
};
