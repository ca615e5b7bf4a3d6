#include "games/GameCatalogue.h"

#include <gtest/gtest.h>

TEST(GameCatalogue, HoldsTheSixGamesInPageOrder) {
  struct TExpected {
    TGame game;
    const char *frame, *tab, *exportName, *logo, *id;
    int imageIndex, numbersMin, numbersMax, max, lastCaptioned;
  };
  const TExpected expected[] = {
      {TGame::Keno, "frame_ball1", "tab_keno", "Keno", "logo_keno", "keno", 1, 1, 10, 70, 10},
      {TGame::Stastnych10, "frame_ball2", "tab_stastnych_10", "Šťastných 10", "logo_stastnych10",
       "stastnych10", 2, 1, 10, 80, 10},
      {TGame::Euromiliony, "frame_ball3", "tab_euro_miliony", "Euromilióny", "logo_euromiliony",
       "euromiliony", 0, 7, 7, 35, 8},
      {TGame::LuckyLines, "frame_ball4", "tab_lucky_lines", "Lucky Lines", "logo_luckylines",
       "luckylines", 5, 8, 8, 40, 8},
      {TGame::Sportka, "frame_ball5", "tab_sportka", "Sportka", "logo_sportka", "sportka", 4, 6, 6,
       49, 6},
      {TGame::Kostky, "frame_ball6", "tab_kostky", "Kostky", "logo_kostky", "kostky", 3, 6, 6, 6, 7},
  };
  ASSERT_EQ(GameCatalogue().size(), 6u);
  for (int i = 0; i < 6; ++i) {
    const TGameInfo &info = GameCatalogue()[i];
    const TExpected &e = expected[i];
    SCOPED_TRACE(e.exportName);
    EXPECT_EQ(info.Game, e.game);
    EXPECT_EQ(info.FrameName, e.frame);
    EXPECT_EQ(info.TabName, e.tab);
    EXPECT_EQ(info.ExportName, QString::fromUtf8(e.exportName));
    EXPECT_EQ(info.LogoName, e.logo);
    EXPECT_EQ(info.Id, e.id);
    EXPECT_EQ(info.ImageIndex, e.imageIndex);
    EXPECT_EQ(info.NumbersMin, e.numbersMin);
    EXPECT_EQ(info.NumbersMax, e.numbersMax);
    EXPECT_EQ(info.NumbersDefault, e.numbersMin);
    EXPECT_EQ(info.NumbersChosen, e.numbersMin != e.numbersMax);
    EXPECT_EQ(info.Max, e.max);
    EXPECT_EQ(info.LastCaptionedColumn, e.lastCaptioned);
    EXPECT_EQ(info.Captions.size(), e.lastCaptioned + 1);
    EXPECT_EQ(&GameInfo(e.game), &info);
    EXPECT_EQ(PageNumber(e.game), i + 1);
    EXPECT_EQ(FindGameById(e.id), &info);
  }
  EXPECT_EQ(FindGameById("KENO"), &GameInfo(TGame::Keno));
  EXPECT_EQ(FindGameById("loto"), nullptr);
}

TEST(GameCatalogue, CaptionsReadExactlyAsOnTheTicket) {
  const QString kostky = GameInfo(TGame::Kostky).Captions.join("|");
  EXPECT_EQ(kostky, QString::fromUtf8(
                        "Kostky|1. kostka|2. kostka|3. kostka|4. kostka|5. kostka|6. kostka|součet"));
  const QString euro = GameInfo(TGame::Euromiliony).Captions.join("|");
  EXPECT_EQ(euro, QString::fromUtf8("Euromilióny|1. číslo|2. číslo|3. číslo|4. číslo|5. číslo|"
                                    "6. číslo|7. číslo|růžové pole"));
  const QStringList keno = GameInfo(TGame::Keno).Captions;
  EXPECT_EQ(keno.first(), "KENO");
  EXPECT_EQ(keno.last(), QString::fromUtf8("10. číslo"));
  EXPECT_EQ(GameInfo(TGame::Stastnych10).Captions.first(), QString::fromUtf8("Šťastných 10"));
  EXPECT_EQ(GameInfo(TGame::LuckyLines).Captions.last(), QString::fromUtf8("8. číslo"));
  EXPECT_EQ(GameInfo(TGame::Sportka).Captions.last(), QString::fromUtf8("6. číslo"));
}
