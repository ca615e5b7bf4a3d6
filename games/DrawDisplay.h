#pragma once
// What the slot row of a game page shows: ten slots, each a ball (i1 ... i10), a number label
// (c1 ... c10) and a die (k1 ... k10). The window draws it and repaints a slot whenever
// slotChanged is emitted; everything that decides what is shown lives here.

#include "games/GameCatalogue.h"

#include <QObject>
#include <QString>
#include <array>

class TDrawDisplay : public QObject {
  Q_OBJECT

public:
  static constexpr int SlotCount = 10;
  static constexpr int DiceCount = 6;  // only dice 1 to 6 are ever used
  static constexpr int SpinWrap = 10;  // the counter reads 0 again when it reaches this

  explicit TDrawDisplay(TGame game, QObject *parent = nullptr);

  TGame Game() const { return FGame; }

  // Slot k runs from 1 to 10.
  bool BallVisible(int k) const;
  QString BallPicture(int k) const;   // "IMG1_BALL" ... "IMG10_BALL", empty for no picture
  bool LabelVisible(int k) const;
  QString LabelText(int k) const;
  bool DieVisible(int k) const;
  QString DiePicture(int k) const;    // "IMG1_CUBE" ... "IMG6_CUBE", empty for no face
  // Label k is drawn in the dark slate blue (RGB 43, 53, 77); otherwise in the window-text colour
  // (label 10 on every page but Kostky).
  bool LabelSlateBlue(int k) const;

  // The hidden counter `spin` (0 to 9 between changes) selecting the ball picture.
  int Spin() const { return FSpin; }
  // Writes the counter; a real change runs the counter-change routine (SpinChange).
  void SetSpin(int value);

  // Hide_ballN: balls and labels invisible, label texts emptied; Kostky also hides dice 1 to 6.
  // Pictures stay.
  void Hide();
  // Show_BallN: empties the labels and shows the slots for the count of numbers, given as the text
  // of "Počet čísel"; removes the pictures of the balls the game does not use.
  void Show(const QString &pocetCiselText);
  // Counter change (frame_ballNspinChange): gives the used balls the picture the counter selects;
  // the counter wraps from 10 to 0. Does nothing on the Kostky page.
  void SpinChange();
  // Reveals a drawn value: label k gets the text and becomes visible.
  void Reveal(int k, const QString &text);
  // Die-face routine k (frame_ballKKChange): die k shows the face of label k's text when that is
  // "1" to "6"; any other text leaves the die unchanged.
  void DieFaceChange(int k);

  // Picture names by number, for the window's resource look-up.
  static QString BallPictureName(int counter);  // 0 -> "IMG1_BALL" ... 9 -> "IMG10_BALL"
  static QString DiePictureName(int face);      // 1 -> "IMG1_CUBE" ... 6 -> "IMG6_CUBE"

signals:
  // Some element of slot k (1..10) changed: visible flag, picture or text.
  void slotChanged(int k);
  // The hidden counter changed.
  void spinChanged(int value);

private:
  struct TSlot {
    bool BallVisible = false;
    QString BallPicture;
    bool LabelVisible = false;
    QString LabelText;
    bool DieVisible = false;
    QString DiePicture;
  };

  TSlot &Slot(int k);
  const TSlot &Slot(int k) const;
  void Update(int k, const TSlot &slot);
  // Balls 1..used get pictures from the counter; balls after the used ones lose theirs (Show).
  int BallsWithPicture() const;

  TGame FGame;
  int FSpin = 0;
  std::array<TSlot, SlotCount> FSlots;
};
