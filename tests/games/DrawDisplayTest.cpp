#include "games/DrawDisplay.h"

#include <gtest/gtest.h>

namespace {

// "1111000000": slot k's flag at position k - 1.
QString Flags(const TDrawDisplay &display, bool (TDrawDisplay::*flag)(int) const) {
  QString flags;
  for (int k = 1; k <= TDrawDisplay::SlotCount; ++k) flags += (display.*flag)(k) ? '1' : '0';
  return flags;
}

QStringList Pictures(const TDrawDisplay &display) {
  QStringList pictures;
  for (int k = 1; k <= TDrawDisplay::SlotCount; ++k) pictures << display.BallPicture(k);
  return pictures;
}

}  // namespace

TEST(DrawDisplay, EverythingIsHiddenAndBareWhenCreated) {
  for (const TGameInfo &info : GameCatalogue()) {
    TDrawDisplay display(info.Game);
    SCOPED_TRACE(info.Id.toStdString());
    EXPECT_EQ(Flags(display, &TDrawDisplay::BallVisible), "0000000000");
    EXPECT_EQ(Flags(display, &TDrawDisplay::LabelVisible), "0000000000");
    EXPECT_EQ(Flags(display, &TDrawDisplay::DieVisible), "0000000000");
    EXPECT_EQ(Pictures(display).join(""), "");
    EXPECT_EQ(display.Spin(), 0);
  }
}

TEST(DrawDisplay, ShowMakesTheGamesSlotsVisible) {
  struct TCase {
    TGame game;
    QString pocetCisel;
    QString balls, labels, dice;
  };
  const TCase cases[] = {
      {TGame::Keno, "1", "1000000000", "1000000000", "0000000000"},
      {TGame::Keno, "10", "1111111111", "1111111111", "0000000000"},
      {TGame::Stastnych10, "3", "1110000000", "1110000000", "0000000000"},
      {TGame::Euromiliony, "7", "1111111100", "1111111100", "0000000000"},
      {TGame::LuckyLines, "8", "1111111100", "1111111100", "0000000000"},
      {TGame::Sportka, "6", "1111110000", "1111110000", "0000000000"},
      {TGame::Kostky, "6", "1111110000", "0000000000", "1111110000"},
      // A count the game does not know leaves the flags as they were (hidden here).
      {TGame::Sportka, "5", "0000000000", "0000000000", "0000000000"},
      {TGame::Keno, "11", "0000000000", "0000000000", "0000000000"},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(GameInfo(c.game).Id.toStdString() + " " + c.pocetCisel.toStdString());
    TDrawDisplay display(c.game);
    display.Reveal(4, "12");
    display.Hide();
    display.Show(c.pocetCisel);
    EXPECT_EQ(Flags(display, &TDrawDisplay::BallVisible), c.balls);
    EXPECT_EQ(Flags(display, &TDrawDisplay::LabelVisible), c.labels);
    EXPECT_EQ(Flags(display, &TDrawDisplay::DieVisible), c.dice);
    for (int k = 1; k <= 10; ++k) EXPECT_TRUE(display.LabelText(k).isEmpty());
  }
}

TEST(DrawDisplay, HideEmptiesTheLabelsButKeepsPicturesAndFaces) {
  TDrawDisplay display(TGame::Kostky);
  display.Show("6");
  display.Reveal(2, "5");
  display.DieFaceChange(2);
  display.Hide();
  EXPECT_EQ(Flags(display, &TDrawDisplay::BallVisible), "0000000000");
  EXPECT_EQ(Flags(display, &TDrawDisplay::DieVisible), "0000000000");
  EXPECT_TRUE(display.LabelText(2).isEmpty());
  EXPECT_EQ(display.DiePicture(2), "IMG5_CUBE");
}

TEST(DrawDisplay, CounterCyclesThroughTheTenBallPictures) {
  TDrawDisplay display(TGame::Keno);
  std::vector<int> seen;
  QObject::connect(&display, &TDrawDisplay::spinChanged, [&](int v) { seen.push_back(v); });
  for (int step = 1; step <= 9; ++step) {
    display.SetSpin(display.Spin() + 1);
    EXPECT_EQ(display.BallPicture(1), QString("IMG%1_BALL").arg(step + 1));
  }
  display.SetSpin(display.Spin() + 1);  // reaches 10, reads 0 again
  EXPECT_EQ(display.Spin(), 0);
  EXPECT_EQ(Pictures(display), QStringList(10, "IMG1_BALL"));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}));
}

TEST(DrawDisplay, CounterGivesPicturesOnlyToTheBallsTheGameUses) {
  struct TCase {
    TGame game;
    int withPicture;
  };
  for (const TCase &c : {TCase{TGame::Keno, 10}, TCase{TGame::Stastnych10, 10},
                         TCase{TGame::Euromiliony, 8}, TCase{TGame::LuckyLines, 8},
                         TCase{TGame::Sportka, 6}, TCase{TGame::Kostky, 0}}) {
    SCOPED_TRACE(GameInfo(c.game).Id.toStdString());
    TDrawDisplay display(c.game);
    for (int step = 0; step < 12; ++step) {
      display.SetSpin(display.Spin() + 1);
      for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(display.BallPicture(k).isEmpty(), k > c.withPicture) << "ball " << k;
    }
    EXPECT_EQ(display.Spin(), 2);
  }
}

TEST(DrawDisplay, DieFaceFollowsTheLabelTextOneToSix) {
  struct TCase {
    QString text;
    QString face;
  };
  const TCase cases[] = {{"1", "IMG1_CUBE"}, {"6", "IMG6_CUBE"}, {"4", "IMG4_CUBE"},
                         {"7", "IMG4_CUBE"}, {"0", "IMG4_CUBE"}, {"", "IMG4_CUBE"},
                         {"06", "IMG4_CUBE"}};
  TDrawDisplay display(TGame::Kostky);
  for (const TCase &c : cases) {
    display.Reveal(3, c.text);
    display.DieFaceChange(3);
    EXPECT_EQ(display.DiePicture(3), c.face) << "label text \"" << c.text.toStdString() << "\"";
  }
}

TEST(DrawDisplay, ReportsChangedSlotsOnly) {
  TDrawDisplay display(TGame::Sportka);
  std::vector<int> changed;
  QObject::connect(&display, &TDrawDisplay::slotChanged, [&](int k) { changed.push_back(k); });
  display.Reveal(2, "17");
  display.Reveal(2, "17");
  display.Hide();  // only slot 2 had anything to hide
  EXPECT_EQ(changed, (std::vector<int>{2, 2}));
}

TEST(DrawDisplay, LabelTenIsSlateBlueOnlyOnTheDicePage) {
  EXPECT_TRUE(TDrawDisplay(TGame::Keno).LabelSlateBlue(9));
  EXPECT_FALSE(TDrawDisplay(TGame::Keno).LabelSlateBlue(10));
  EXPECT_TRUE(TDrawDisplay(TGame::Kostky).LabelSlateBlue(10));
}
