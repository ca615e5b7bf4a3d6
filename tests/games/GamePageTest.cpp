#include "FakeDrawHost.h"
#include "games/GamePage.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// One page with a recording host and a seeded random source, shown once as the window does.
struct TPageFixture {
  explicit TPageFixture(TGame game, std::uint64_t seed = 1) : Random(seed), Page(game, Host, Random) {
    Page.FirstShow();
  }
  TFakeDrawHost Host;
  TSeededRandomSource Random;
  TGamePage Page;
};

QStringList Row(const TTicketTable &table, int row) {
  QStringList cells;
  for (int col = 0; col < table.ColCount(); ++col) cells << table.Cells(col, row);
  return cells;
}

void ExpectFieldLabels(const TTicketTable &table, int fields) {
  for (int f = 1; f <= fields; ++f) EXPECT_EQ(table.Cells(0, f), QString("Pole %1").arg(f));
}

}  // namespace

TEST(GamePage, StartsReadyOnEveryPage) {
  for (const TGameInfo &info : GameCatalogue()) {
    SCOPED_TRACE(info.Id.toStdString());
    TFakeDrawHost host;
    TSeededRandomSource random(1);
    TGamePage page(info.Game, host, random);
    EXPECT_TRUE(page.PocetPoliArrowsVisible());
    page.FirstShow();

    EXPECT_EQ(page.PocetCiselVisible(), info.NumbersChosen);
    EXPECT_EQ(page.PocetCisel(), info.NumbersChosen ? 1 : info.NumbersDefault);
    EXPECT_EQ(page.PocetCiselMin(), info.NumbersChosen ? 1 : info.NumbersDefault);
    EXPECT_EQ(page.PocetCiselMax(), info.NumbersChosen ? 10 : info.NumbersDefault);
    EXPECT_EQ(page.PocetPoliText(), "4");
    EXPECT_TRUE(page.PocetPoliEnabled());
    EXPECT_FALSE(page.PocetPoliArrowsVisible());
    EXPECT_EQ(page.SpeedIndex(), 1);
    EXPECT_EQ(TGamePage::SpeedItems()[page.SpeedIndex()], QString::fromUtf8("střední"));
    EXPECT_TRUE(page.GenerateEnabled());
    EXPECT_FALSE(page.Running());
    EXPECT_EQ(page.Spin(), 0);

    const TTicketTable &table = page._sg();
    EXPECT_EQ(table.RowCount(), 2);
    for (int col = 0; col < 11; ++col) {
      EXPECT_EQ(table.Cells(col, 0), info.Captions.value(col)) << "caption " << col;
      EXPECT_TRUE(table.Cells(col, 1).isEmpty());
    }
    for (int k = 1; k <= 10; ++k) {
      EXPECT_FALSE(page.Display().BallVisible(k));
      EXPECT_TRUE(page.Display().BallPicture(k).isEmpty());
    }
    EXPECT_EQ(host.Pumps, 0);
  }
}

TEST(GamePage, KenoRunOfFourFieldsWithThreeNumbers) {
  TPageFixture f(TGame::Keno);
  f.Page.SetPocetCisel(3);
  std::vector<QString> countdown;
  QObject::connect(&f.Page, &TGamePage::pocetPoliTextChanged,
                   [&](const QString &text) { countdown.push_back(text); });
  std::vector<bool> runningSeen;
  QObject::connect(&f.Page, &TGamePage::runningChanged, [&](bool r) { runningSeen.push_back(r); });
  // While the run pumps, the user sees both the input and "Generovat" disabled.
  int enabledDuringRun = 0;
  f.Host.OnPump = [&](int) {
    enabledDuringRun += f.Page.PocetPoliEnabled() + f.Page.GenerateEnabled();
  };

  f.Page.GenerateClick();

  EXPECT_EQ(countdown, (std::vector<QString>{"3", "2", "1", "0"}));
  EXPECT_EQ(runningSeen, (std::vector<bool>{true, false}));
  EXPECT_EQ(enabledDuringRun, 0);
  const TTicketTable &table = f.Page._sg();
  ASSERT_EQ(table.RowCount(), 5);
  EXPECT_EQ(table.Cells(0, 0), "KENO");
  ExpectFieldLabels(table, 4);
  for (int row = 1; row <= 4; ++row) {
    for (int col = 1; col <= 3; ++col) {
      const int value = table.Cells(col, row).toInt();
      EXPECT_TRUE(value >= 1 && value <= 70) << table.Cells(col, row).toStdString();
    }
    for (int col = 4; col <= 10; ++col) EXPECT_TRUE(table.Cells(col, row).isEmpty());
  }
  for (int col = 4; col <= 10; ++col)
    EXPECT_EQ(table.Cells(col, 0), QString::fromUtf8("%1. číslo").arg(col));

  EXPECT_TRUE(f.Page.PocetPoliEnabled());
  EXPECT_FALSE(f.Page.GenerateEnabled());
  EXPECT_FALSE(f.Page.Running());
  EXPECT_EQ(f.Host.Pauses, std::vector<int>(12, 500));
  // Per field: 3 after the hide, 3 after the show, 3 before the draw and 3 after each value.
  EXPECT_EQ(f.Host.Pumps, 4 * (3 + 3 + 3 + 3 * 3));
  EXPECT_EQ(f.Page.Spin(), 4) << "one counter step per field";

  // The last field stays on display.
  for (int k = 1; k <= 3; ++k) {
    EXPECT_TRUE(f.Page.Display().LabelVisible(k));
    EXPECT_EQ(f.Page.Display().LabelText(k), table.Cells(k, 4));
    EXPECT_EQ(f.Page.Display().BallPicture(k), "IMG5_BALL");
  }
  EXPECT_FALSE(f.Page.Display().BallVisible(4));
}

TEST(GamePage, RunOfOneFieldAddsNoRow) {
  TPageFixture f(TGame::Sportka);
  f.Page.SetPocetPoliText("1");
  f.Page.GenerateClick();
  const TTicketTable &table = f.Page._sg();
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.Cells(0, 1), "Pole 1");
  for (int col = 1; col <= 6; ++col) EXPECT_FALSE(table.Cells(col, 1).isEmpty());
  EXPECT_EQ(f.Page.PocetPoliText(), "0");
  EXPECT_FALSE(f.Page.GenerateEnabled());
}

TEST(GamePage, TypedFieldCountEnablesGenerovat) {
  struct TCase {
    QString text;
    bool enabled;
  };
  const TCase cases[] = {{"0", false}, {"", false}, {"7", true}, {"00", false},
                         {"100", true}, {"150", true}, {"x", false}};
  TPageFixture f(TGame::Keno);
  int spin = f.Page.Spin();
  for (const TCase &c : cases) {
    SCOPED_TRACE("typed \"" + c.text.toStdString() + "\"");
    f.Page.SetPocetPoliText(c.text);
    EXPECT_EQ(f.Page.GenerateEnabled(), c.enabled);
    // Every keystroke advances the ball picture, also outside a run.
    spin = (spin + 1) % 10;
    EXPECT_EQ(f.Page.Spin(), spin);
  }
  f.Page.SetPocetPoliText("x");  // the same text again is no change
  EXPECT_EQ(f.Page.Spin(), spin);
}

TEST(GamePage, CountAboveOneHundredIsLimitedWhenTheInputLosesTheFocus) {
  TPageFixture f(TGame::Kostky);
  f.Page.SetPocetPoliText("150");
  EXPECT_EQ(f.Page.PocetPoliText(), "150");
  f.Page.PocetPoliFocusOut();
  EXPECT_EQ(f.Page.PocetPoliText(), "100");
  f.Page.SetSpeed(2);
  f.Page.GenerateClick();
  EXPECT_EQ(f.Page._sg().RowCount(), 101);
  EXPECT_EQ(f.Page._sg().Cells(0, 100), "Pole 100");
  EXPECT_EQ(f.Host.Pauses, std::vector<int>(600, 200));
}

TEST(GamePage, CountAboveOneHundredIsLimitedAlsoWhenGenerateComesFirst) {
  // The window moves the focus before a click, but the run does not rely on it.
  TPageFixture f(TGame::LuckyLines);
  f.Page.SetPocetPoliText("150");
  f.Page.SetSpeed(-1);
  f.Page.GenerateClick();
  EXPECT_EQ(f.Page._sg().RowCount(), 101);
  EXPECT_TRUE(f.Host.Pauses.empty()) << "no speed chosen: no pause";
}

TEST(GamePage, ZeroCountGeneratesNothing) {
  TPageFixture f(TGame::Keno);
  f.Page.SetPocetPoliText("0");
  f.Page.GenerateClick();
  EXPECT_EQ(f.Page._sg().Cells(0, 1), "");
  EXPECT_EQ(f.Host.Pumps, 0);
}

TEST(GamePage, ClearAfterARunReturnsToTheCaptionRowAndOneEmptyRow) {
  TPageFixture f(TGame::Euromiliony);
  f.Page.GenerateClick();
  ASSERT_EQ(f.Page._sg().RowCount(), 5);
  f.Page.ClearClick();
  const TTicketTable &table = f.Page._sg();
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(Row(table, 0).mid(0, 9), GameInfo(TGame::Euromiliony).Captions);
  EXPECT_EQ(Row(table, 1).join(""), "");
  for (int k = 1; k <= 10; ++k) {
    EXPECT_FALSE(f.Page.Display().BallVisible(k));
    EXPECT_FALSE(f.Page.Display().LabelVisible(k));
  }

  // A new run after the clear starts at Pole 1 again.
  f.Page.SetPocetPoliText("2");
  f.Page.GenerateClick();
  ExpectFieldLabels(f.Page._sg(), 2);
  EXPECT_EQ(f.Page._sg().RowCount(), 3);
}

TEST(GamePage, ClearIsIgnoredWhileTheInputIsDisabledByARun) {
  TPageFixture f(TGame::Sportka);
  f.Page.SetPocetPoliText("2");
  f.Host.OnPause = [&](int n) {
    if (n == 8) f.Page.ClearClick();
  };
  f.Page.GenerateClick();
  EXPECT_EQ(f.Page._sg().RowCount(), 3);
  ExpectFieldLabels(f.Page._sg(), 2);
}

TEST(GamePage, EuromilionyPinkFieldAndUnusedSlots) {
  TPageFixture f(TGame::Euromiliony, 7);
  f.Page.SetPocetPoliText("40");
  // Slots 9 and 10 are never seen and never get a picture once a field has started.
  bool slot9or10Seen = false;
  f.Host.OnPump = [&](int) {
    for (int k : {9, 10})
      slot9or10Seen |= f.Page.Display().BallVisible(k) || f.Page.Display().LabelVisible(k) ||
                       !f.Page.Display().BallPicture(k).isEmpty();
  };
  f.Page.GenerateClick();
  EXPECT_FALSE(slot9or10Seen);
  const TTicketTable &table = f.Page._sg();
  QSet<int> pinks;
  for (int row = 1; row <= 40; ++row) {
    const int pink = table.Cells(8, row).toInt();
    EXPECT_TRUE(pink >= 1 && pink <= 4) << "row " << row;
    pinks.insert(pink);
    EXPECT_TRUE(table.Cells(9, row).isEmpty());
    EXPECT_TRUE(table.Cells(10, row).isEmpty());
  }
  EXPECT_EQ(pinks.size(), 4) << "every pink value comes up over 40 fields";
  EXPECT_TRUE(table.Cells(9, 0).isEmpty());
  EXPECT_EQ(table.Cells(8, 0), QString::fromUtf8("růžové pole"));
  EXPECT_EQ(f.Page.Display().LabelText(8), table.Cells(8, 40));
  EXPECT_EQ(f.Host.Pauses.size(), 40u * 8);
}

TEST(GamePage, LuckyLinesDrawsOneValueFromEachBandAscending) {
  TPageFixture f(TGame::LuckyLines, 3);
  f.Page.SetPocetPoliText("30");
  f.Page.GenerateClick();
  const TTicketTable &table = f.Page._sg();
  for (int row = 1; row <= 30; ++row) {
    for (int k = 1; k <= 8; ++k) {
      const int value = table.Cells(k, row).toInt();
      EXPECT_TRUE(value >= 5 * k - 4 && value <= 5 * k) << "row " << row << " column " << k;
    }
  }
  EXPECT_EQ(f.Host.Pauses.size(), 30u * 8);
}

TEST(GamePage, KostkyDiceShowTheRowAndColumnSevenHoldsTheSum) {
  TPageFixture f(TGame::Kostky, 11);
  f.Page.SetPocetPoliText("25");
  bool ballPictureSeen = false;
  // After each value the die of that slot shows its face; the dice of the previous field stay
  // until replaced.
  f.Host.OnPause = [&](int n) {
    const int k = (n - 1) % 6 + 1;
    EXPECT_EQ(f.Page.Display().DiePicture(k),
              QString("IMG%1_CUBE").arg(f.Page.Display().LabelText(k)));
    for (int b = 1; b <= 10; ++b) ballPictureSeen |= !f.Page.Display().BallPicture(b).isEmpty();
  };
  f.Page.GenerateClick();
  EXPECT_FALSE(ballPictureSeen);
  const TTicketTable &table = f.Page._sg();
  QSet<int> sums;
  int rowsWithRepeats = 0;
  for (int row = 1; row <= 25; ++row) {
    int sum = 0;
    QSet<int> faces;
    for (int k = 1; k <= 6; ++k) {
      const int face = table.Cells(k, row).toInt();
      EXPECT_TRUE(face >= 1 && face <= 6);
      sum += face;
      faces.insert(face);
    }
    rowsWithRepeats += faces.size() < 6;
    EXPECT_EQ(table.Cells(7, row), QString::number(sum)) << "row " << row;
    sums.insert(sum);
  }
  EXPECT_GT(sums.size(), 1) << "the sum varies from field to field";
  EXPECT_GT(rowsWithRepeats, 0) << "dice repeat";
  for (int k = 1; k <= 6; ++k) {
    EXPECT_TRUE(f.Page.Display().DieVisible(k));
    EXPECT_EQ(f.Page.Display().DiePicture(k), QString("IMG%1_CUBE").arg(table.Cells(k, 25)));
  }
}

TEST(GamePage, SpeedChoiceAppliesFromTheNextPause) {
  TPageFixture f(TGame::Sportka);
  f.Page.SetPocetPoliText("2");
  f.Host.OnPause = [&](int n) {
    if (n == 3) f.Page.SetSpeed(0);
    if (n == 8) f.Page.SetSpeed(2);
    if (n == 10) f.Page.SetSpeed(5);
  };
  f.Page.GenerateClick();
  EXPECT_EQ(f.Host.Pauses,
            (std::vector<int>{500, 500, 500, 1000, 1000, 1000, 1000, 1000, 200, 200}));
  EXPECT_EQ(f.Page._sg().RowCount(), 3);
}

TEST(GamePage, PocetCiselChangeHidesTheRowAndAppliesToTheNextFieldInItsOwnRow) {
  TPageFixture f(TGame::Stastnych10);
  f.Page.SetPocetPoliText("2");
  f.Page.SetPocetCisel(2);
  bool hiddenAfterChange = false;
  f.Host.OnPause = [&](int n) {
    if (n == 1) {
      f.Page.SetPocetCisel(5);
      hiddenAfterChange = !f.Page.Display().BallVisible(1) && !f.Page.Display().LabelVisible(1);
    }
  };
  f.Page.GenerateClick();
  EXPECT_TRUE(hiddenAfterChange);
  const TTicketTable &table = f.Page._sg();
  EXPECT_EQ(Row(table, 1).mid(3).join(""), "") << "the field being drawn keeps its count";
  for (int col = 0; col <= 5; ++col)
    EXPECT_FALSE(table.Cells(col, 2).isEmpty()) << "the next field has five numbers, in row 2";
  EXPECT_EQ(Row(table, 2).mid(6).join(""), "");
  EXPECT_EQ(f.Host.Pauses.size(), 2u + 5u);
  EXPECT_TRUE(f.Page.Display().BallVisible(5));

  // The arrows limit the count to 1..10.
  f.Page.SetPocetCisel(11);
  EXPECT_EQ(f.Page.PocetCisel(), 10);
  f.Page.SetPocetCisel(0);
  EXPECT_EQ(f.Page.PocetCisel(), 1);
}

TEST(GamePage, StopEndsTheRunWithoutDrawingFurther) {
  struct TCase {
    const char *name;
    int stopAtPause;     // 0: stop at a pump instead
    int stopAtPump;
    int pausesExpected;
    QString countLeft;   // fields never started
  };
  const TCase cases[] = {
      {"in the middle of the second field", 9, 0, 9, "1"},
      {"at the last value of a field", 6, 0, 6, "2"},
      {"during the first pumps", 0, 2, 0, "2"},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.name);
    TPageFixture f(TGame::Sportka);
    f.Page.SetPocetPoliText("3");
    f.Host.OnPause = [&](int n) {
      if (n == c.stopAtPause) f.Page.Stop();
    };
    f.Host.OnPump = [&](int n) {
      if (n == c.stopAtPump) f.Page.Stop();
    };
    f.Page.GenerateClick();
    EXPECT_EQ(f.Host.Pauses.size(), size_t(c.pausesExpected));
    EXPECT_EQ(f.Host.Cancels, 1);
    EXPECT_FALSE(f.Page.Running());
    EXPECT_TRUE(f.Page.Stopped());
    EXPECT_EQ(f.Page.PocetPoliText(), c.countLeft);
    EXPECT_TRUE(f.Page.PocetPoliEnabled());
    EXPECT_TRUE(f.Page.GenerateEnabled()) << "ready for the fields not drawn";
    const TTicketTable &table = f.Page._sg();
    int values = 0;
    for (int row = 1; row < table.RowCount(); ++row)
      for (int col = 1; col <= 6; ++col) values += !table.Cells(col, row).isEmpty();
    EXPECT_EQ(values, c.pausesExpected) << "no value after the stop";

    // A new click starts a run again.
    const int pumps = f.Host.Pumps;
    f.Host.OnPause = nullptr;
    f.Host.OnPump = nullptr;
    f.Page.GenerateClick();
    EXPECT_FALSE(f.Page.Stopped());
    EXPECT_GT(f.Host.Pumps, pumps);
    EXPECT_EQ(f.Page.PocetPoliText(), "0");
  }
}

TEST(GamePage, StopOutsideARunChangesNothing) {
  TPageFixture f(TGame::Keno);
  f.Page.Stop();
  EXPECT_FALSE(f.Page.Stopped());
  EXPECT_EQ(f.Host.Cancels, 0);
}

TEST(GamePage, RunOnAnotherPageDuringAPumpFinishesFirst) {
  TFakeDrawHost host;
  TSeededRandomSource random(5);
  TGamePage keno(TGame::Keno, host, random);
  TGamePage sportka(TGame::Sportka, host, random);
  keno.FirstShow();
  sportka.FirstShow();
  keno.SetPocetPoliText("2");
  sportka.SetPocetPoliText("3");
  bool started = false;
  QString kenoCountWhenSportkaEnded;
  QObject::connect(&sportka, &TGamePage::runningChanged, [&](bool running) {
    if (!running) kenoCountWhenSportkaEnded = keno.PocetPoliText();
  });
  host.OnPause = [&](int) {
    if (!started) {
      started = true;
      sportka.GenerateClick();
    }
  };
  keno.GenerateClick();
  EXPECT_EQ(kenoCountWhenSportkaEnded, "1") << "the Keno run resumes after the Sportka run";
  EXPECT_EQ(sportka._sg().RowCount(), 4);
  EXPECT_EQ(keno._sg().RowCount(), 3);
  EXPECT_EQ(keno._sg().Cells(2, 1), "") << "Keno draws one number per field";
  EXPECT_FALSE(keno._sg().Cells(1, 2).isEmpty());
}

TEST(GamePage, WritingTheValueTheCountAlreadyReadsRaisesNoChange) {
  struct TCase {
    const char *typed;   // text of "Počet polí" before the write
    int written;
    const char *shown;   // text afterwards
    bool changed;        // the change handler ran (the counter advanced)
  };
  const TCase cases[] = {
      {"4", 4, "4", false},      {"", 0, "", false},       {"00", 0, "00", false},
      {"007", 7, "007", false},  {"4", 5, "5", true},      {"", 3, "3", true},
      {"150", 150, "100", true}, {"100", 250, "100", false}, {"3", -2, "0", true},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(std::string("\"") + c.typed + "\" <- " + std::to_string(c.written));
    TPageFixture f(TGame::Keno);
    f.Page.SetPocetPoliText(c.typed);
    const int spin = f.Page.Spin();
    int notifications = 0;
    QObject::connect(&f.Page, &TGamePage::pocetPoliTextChanged, [&] { ++notifications; });
    f.Page.WritePocetPoli(c.written);
    EXPECT_EQ(f.Page.PocetPoliText(), c.shown);
    EXPECT_EQ(notifications, c.changed ? 1 : 0);
    EXPECT_EQ(f.Page.Spin(), c.changed ? (spin + 1) % 10 : spin);
  }
}

TEST(GamePage, ChangeOfPocetPoliHidesArrowsAdvancesCounterThenSetsGenerovat) {
  TFakeDrawHost host;
  TSeededRandomSource random(1);
  TGamePage page(TGame::Sportka, host, random);  // not shown yet: the arrows are still there
  std::vector<std::string> steps;
  QObject::connect(&page, &TGamePage::pocetPoliArrowsVisibleChanged,
                   [&](bool visible) { steps.push_back(visible ? "arrows shown" : "arrows hidden"); });
  QObject::connect(&page.Display(), &TDrawDisplay::spinChanged,
                   [&](int v) { steps.push_back("spin " + std::to_string(v)); });
  QObject::connect(&page, &TGamePage::generateEnabledChanged,
                   [&](bool on) { steps.push_back(on ? "enabled" : "disabled"); });
  page.SetPocetPoliText("0");
  page.SetPocetPoliText("2");
  EXPECT_EQ(steps, (std::vector<std::string>{"arrows hidden", "spin 1", "disabled", "spin 2",
                                             "enabled"}));
}

// A host whose message pump fails once, at a chosen pump of the run.
struct TFailingPumpHost : TFakeDrawHost {
  int FailAt = 0;
  void ProcessMessages() override {
    TFakeDrawHost::ProcessMessages();
    if (Pumps == FailAt) throw std::runtime_error("pump failed");
  }
};

TEST(GamePage, ScanDrawFinishesItsFieldAndTheRunWhenARevealFails) {
  // Pumps of one field: 3 after the hide, 3 after the show, 3 before the draw, then 3 after each
  // value; a Sportka or Kostky field takes 27, so field 2 starts at pump 28.
  struct TCase {
    TGame game;
    int failAt;        // pump that throws
    int failedRow;     // the field whose reveal failed
    int valuesInFailedRow;
  };
  const TCase cases[] = {
      {TGame::Kostky, 27 + 9 + 3 * 2 + 1, 2, 3},   // field 2, the pump after die 3
      {TGame::Sportka, 27 + 9 + 1, 2, 1},          // field 2, the pump after number 1
      {TGame::Euromiliony, 9 + 3 * 7 + 1, 1, 8},   // field 1, the pump after the pink field
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(GameInfo(c.game).Id.toStdString());
    TFailingPumpHost host;
    host.FailAt = c.failAt;
    TSeededRandomSource random(3);
    TGamePage page(c.game, host, random);
    page.FirstShow();
    page.SetPocetPoliText("3");
    EXPECT_THROW(page.GenerateClick(), std::runtime_error);

    // The run went on to its last field after the failure.
    const TTicketTable &table = page._sg();
    ASSERT_EQ(table.RowCount(), 4);
    ExpectFieldLabels(table, 3);
    int values = 0;
    for (int col = 1; col <= GameInfo(c.game).NumbersDefault + (c.game == TGame::Euromiliony);
         ++col)
      values += !table.Cells(col, c.failedRow).isEmpty();
    EXPECT_EQ(values, c.valuesInFailedRow);
    if (c.game == TGame::Kostky) {
      for (int row = 1; row <= 3; ++row) {
        int sum = 0;
        for (int k = 1; k <= 6; ++k) sum += table.Cells(k, row).toInt();
        EXPECT_EQ(table.Cells(7, row), QString::number(sum)) << "row " << row;
      }
    }
    EXPECT_EQ(page.PocetPoliText(), "0");
    EXPECT_TRUE(page.PocetPoliEnabled());
    EXPECT_FALSE(page.GenerateEnabled());
    EXPECT_FALSE(page.Running());
  }
}
