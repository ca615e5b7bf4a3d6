// Generation through the window: the field count counts down in its input, the table grows one
// row per field, "Generovat" follows the count, a click into "Počet polí" clears, and closing the
// window stops a run.

#include "FieldCountEdit.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <array>

namespace {

// Replaces the text of "Počet polí" by typing, as the user does.
void Type(Tframe_ball &f, const QString &text) {
  QLineEdit *editor = f.keno_pocet_poli->Editor();
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClicks(editor, text);
}

bool SameImage(const QPixmap &shown, const QString &resource) {
  return !shown.isNull() && shown.toImage() == QImage(resource).convertToFormat(
                                                    shown.toImage().format());
}

}  // namespace

class GenerationTest : public WindowFixture {};

TEST_F(GenerationTest, KenoRunOfFourFieldsWithThreeNumbers) {
  Tframe_ball &f = Frame(TGame::Keno);
  f.keno_pocet_cisel->setValue(3);  // as the arrows do
  ASSERT_EQ(Page(TGame::Keno).PocetCisel(), 3);

  // What the user sees at every pause of the run.
  QStringList counts;
  std::vector<bool> generateEnabled, countEnabled;
  std::vector<int> ballsShown;
  Host->OnPause = [&](int) {
    if (counts.isEmpty() || counts.back() != f.keno_pocet_poli->text())
      counts << f.keno_pocet_poli->text();
    generateEnabled.push_back(f.btn_generate->isEnabled());
    countEnabled.push_back(f.keno_pocet_poli->isEnabled());
    int shown = 0;
    for (QLabel *ball : f.i)
      shown += ball->isVisibleTo(&f) ? 1 : 0;
    ballsShown.push_back(shown);
  };

  QTest::mouseClick(f.btn_generate, Qt::LeftButton);

  EXPECT_EQ(counts, QStringList({"3", "2", "1", "0"}));
  EXPECT_EQ(Host->Pauses, std::vector<int>(12, 500));  // "střední", 3 values x 4 fields
  for (std::size_t p = 0; p < generateEnabled.size(); ++p) {
    EXPECT_FALSE(generateEnabled[p]) << "pause " << p + 1;
    EXPECT_FALSE(countEnabled[p]) << "pause " << p + 1;
    EXPECT_EQ(ballsShown[p], 3) << "pause " << p + 1;
  }

  const TTicketTable &table = Page(TGame::Keno)._sg();
  ASSERT_EQ(table.RowCount(), 5);
  EXPECT_EQ(table.Cells(0, 0), "KENO");
  for (int row = 1; row <= 4; ++row) {
    EXPECT_EQ(table.Cells(0, row), QStringLiteral("Pole %1").arg(row));
    for (int col = 1; col <= 3; ++col) {
      bool ok = false;
      const int value = table.Cells(col, row).toInt(&ok);
      EXPECT_TRUE(ok && value >= 1 && value <= 70) << row << "," << col;
    }
    for (int col = 4; col <= 10; ++col)
      EXPECT_TRUE(table.Cells(col, row).isEmpty()) << row << "," << col;
  }

  // Done: the count reads 0 and can be typed again; "Generovat" waits for a new count.
  EXPECT_EQ(f.keno_pocet_poli->text(), "0");
  EXPECT_TRUE(f.keno_pocet_poli->isEnabled());
  EXPECT_FALSE(f.btn_generate->isEnabled());
  // The last field stays on display: its numbers on the first three balls.
  for (int s = 0; s < 3; ++s) {
    EXPECT_TRUE(f.i[std::size_t(s)]->isVisibleTo(&f));
    EXPECT_TRUE(f.c[std::size_t(s)]->isVisibleTo(&f));
    EXPECT_EQ(f.c[std::size_t(s)]->text(), table.Cells(s + 1, 4));
    EXPECT_TRUE(SameImage(f.i[std::size_t(s)]->pixmap(),
                          QStringLiteral(":/img/%1.png")
                              .arg(Page(TGame::Keno).Display().BallPicture(s + 1))));
  }
  EXPECT_FALSE(f.i[3]->isVisibleTo(&f));
}

TEST_F(GenerationTest, KostkyDiceShowTheDrawnFaces) {
  Tframe_ball &f = Frame(TGame::Kostky);
  Type(f, "2");
  QTest::mouseClick(f.btn_generate, Qt::LeftButton);

  const TTicketTable &table = Page(TGame::Kostky)._sg();
  ASSERT_EQ(table.RowCount(), 3);
  int sum = 0;
  for (int d = 0; d < 6; ++d) {
    const QString face = table.Cells(d + 1, 2);
    sum += face.toInt();
    EXPECT_TRUE(f.k[std::size_t(d)]->isVisibleTo(&f));
    EXPECT_TRUE(SameImage(f.k[std::size_t(d)]->pixmap(),
                          QStringLiteral(":/img/IMG%1_CUBE.png").arg(face)))
        << "die " << d + 1;
    // Kostky shows no ball picture.
    EXPECT_TRUE(f.i[std::size_t(d)]->pixmap().isNull());
  }
  EXPECT_EQ(table.Cells(7, 2), QString::number(sum));
}

TEST_F(GenerationTest, TypedCountEnablesOrDisablesGenerovat) {
  struct TCase {
    const char *Typed;
    bool Enabled;
  };
  const TCase cases[] = {{"0", false}, {"", false}, {"7", true}, {"00", false},
                         {"1", true},  {"100", true}};
  Tframe_ball &f = Frame(TGame::Sportka);
  for (const TCase &c : cases) {
    Type(f, QString::fromLatin1(c.Typed));
    EXPECT_EQ(f.keno_pocet_poli->text(), c.Typed);
    EXPECT_EQ(Page(TGame::Sportka).PocetPoliText(), c.Typed);
    EXPECT_EQ(f.btn_generate->isEnabled(), c.Enabled) << "typed '" << c.Typed << "'";
  }
}

TEST_F(GenerationTest, FieldCountTakesDigitsOnlyAndIsLimitedWhenLeft) {
  Tframe_ball &f = Frame(TGame::Euromiliony);
  Type(f, "1a-2 ");
  EXPECT_EQ(f.keno_pocet_poli->text(), "12");

  Type(f, "150");
  EXPECT_EQ(f.keno_pocet_poli->text(), "150");
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(f.keno_pocet_poli, &focusOut);
  EXPECT_EQ(f.keno_pocet_poli->text(), "100");
  EXPECT_EQ(Page(TGame::Euromiliony).PocetPoli(), 100);
}

TEST_F(GenerationTest, EveryKeystrokeAdvancesTheBallPicture) {
  Tframe_ball &f = Frame(TGame::LuckyLines);
  const int before = Page(TGame::LuckyLines).Spin();
  Type(f, "12");  // select-all + backspace, then two digits: three changes of the text
  EXPECT_EQ(Page(TGame::LuckyLines).Spin(), (before + 3) % 10);
}

TEST_F(GenerationTest, ClickIntoPocetPoliClearsTheTable) {
  Tframe_ball &f = Frame(TGame::Keno);
  QTest::mouseClick(f.btn_generate, Qt::LeftButton);
  ASSERT_EQ(Page(TGame::Keno)._sg().RowCount(), 5);
  ASSERT_TRUE(f.i[0]->isVisibleTo(&f));

  QTest::mouseClick(f.keno_pocet_poli->Editor(), Qt::LeftButton);

  const TTicketTable &table = Page(TGame::Keno)._sg();
  ASSERT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.Cells(0, 0), "KENO");
  EXPECT_EQ(table.Cells(1, 0), "1. číslo");
  for (int col = 0; col < 11; ++col)
    EXPECT_TRUE(table.Cells(col, 1).isEmpty());
  for (int s = 0; s < 10; ++s) {
    EXPECT_FALSE(f.i[std::size_t(s)]->isVisibleTo(&f));
    EXPECT_FALSE(f.c[std::size_t(s)]->isVisibleTo(&f));
  }
}

TEST_F(GenerationTest, ClickIntoPocetPoliDuringARunDoesNotClear) {
  Tframe_ball &f = Frame(TGame::Sportka);
  Host->OnPause = [&](int pause) {
    if (pause == 8)  // second field
      QTest::mouseClick(f.keno_pocet_poli->Editor(), Qt::LeftButton);
  };
  QTest::mouseClick(f.btn_generate, Qt::LeftButton);
  EXPECT_EQ(Page(TGame::Sportka)._sg().RowCount(), 5);
  EXPECT_EQ(Page(TGame::Sportka)._sg().Cells(0, 1), "Pole 1");
}

TEST_F(GenerationTest, SpeedChoiceSetsThePause) {
  struct TCase {
    int Index;
    int Ms;
  };
  for (const TCase c : {TCase{0, 1000}, TCase{1, 500}, TCase{2, 200}}) {
    Tframe_ball &f = Frame(TGame::Sportka);
    f.cb_rychlost->setCurrentIndex(c.Index);
    Type(f, "1");
    Host->Pauses.clear();
    QTest::mouseClick(f.btn_generate, Qt::LeftButton);
    EXPECT_EQ(Host->Pauses, std::vector<int>(6, c.Ms)) << c.Index;
  }
}

TEST_F(GenerationTest, ClosingTheWindowStopsTheRun) {
  Tframe_ball &f = Frame(TGame::Keno);
  Host->OnPause = [&](int pause) {
    if (pause == 2)
      Window->close();
  };
  QTest::mouseClick(f.btn_generate, Qt::LeftButton);

  EXPECT_EQ(Host->Pauses.size(), 2u) << "no value is drawn after the window closed";
  EXPECT_FALSE(Page(TGame::Keno).Running());
  EXPECT_LT(Page(TGame::Keno)._sg().RowCount(), 5);
  EXPECT_FALSE(Window->isVisible());
}

TEST_F(GenerationTest, CountTypedAboveOneHundredIsLimitedWhenGenerovatIsPressed) {
  Tframe_ball &f = Frame(TGame::Kostky);
  f.cb_rychlost->setCurrentIndex(2);
  Window->pc->setCurrentWidget(Window->tabs[5]);
  Window->activateWindow();
  f.keno_pocet_poli->setFocus();
  Type(f, "150");
  ASSERT_EQ(f.keno_pocet_poli->text(), "150");
  QString countAtFirstPause;
  Host->OnPause = [&](int pause) {
    if (pause == 1)
      countAtFirstPause = f.keno_pocet_poli->text();
  };
  // Pressing the button takes the focus from the input first.
  QTest::mouseClick(f.btn_generate, Qt::LeftButton);
  EXPECT_EQ(countAtFirstPause, "99") << "the run counts down from 100";
  EXPECT_EQ(Page(TGame::Kostky)._sg().RowCount(), 101);
  EXPECT_EQ(Host->Pauses, std::vector<int>(600, 200));
  EXPECT_EQ(f.keno_pocet_poli->text(), "0");
}

// The presentation routines and pauses reached by their names act on their own page only; the
// die-face routines all serve die k of the Kostky page.
TEST_F(GenerationTest, PresentationRoutinesServeTheirOwnPage) {
  using M = Tfrm_main;
  struct TCase {
    TGame Game;
    void (M::*Hide)();
    void (M::*Show)();
    void (M::*SpinChange)();  // none on Kostky
    void (M::*Pause)();
    int SlotsShown;
  };
  const TCase cases[] = {
      {TGame::Keno, &M::Hide_ball1, &M::Show_Ball1, &M::frame_ball1spinChange, &M::Rychlost_Keno, 1},
      {TGame::Stastnych10, &M::Hide_ball2, &M::Show_Ball2, &M::frame_ball2spinChange,
       &M::Rychlost_Stastnych, 1},
      {TGame::Euromiliony, &M::Hide_Ball3, &M::Show_Ball3, &M::frame_ball3spinChange,
       &M::Rychlost_Euromiliony, 8},
      {TGame::LuckyLines, &M::Hide_Ball4, &M::Show_Ball4, &M::frame_ball4spinChange,
       &M::Rychlost_LuckyLines, 8},
      {TGame::Sportka, &M::Hide_ball5, &M::Show_ball5, &M::frame_ball5spinChange,
       &M::Rychlost_Sportka, 6},
      {TGame::Kostky, &M::Hide_ball6, &M::Show_ball6, nullptr, &M::Rychlost_Kostky, 6},
  };
  const auto ballsShown = [&](TGame game) {
    int shown = 0;
    for (int k = 1; k <= 10; ++k)
      shown += Page(game).Display().BallVisible(k) ? 1 : 0;
    return shown;
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const TCase &c = cases[i];
    SCOPED_TRACE(Page(c.Game).Info().Id.toStdString());
    const TGame other = cases[(i + 1) % std::size(cases)].Game;
    (Window.get()->*c.Show)();
    (Window.get()->*cases[(i + 1) % std::size(cases)].Show)();
    EXPECT_EQ(ballsShown(c.Game), c.SlotsShown);
    EXPECT_EQ(Frame(c.Game).i[0]->isVisibleTo(&Frame(c.Game)), true);
    (Window.get()->*c.Hide)();
    EXPECT_EQ(ballsShown(c.Game), 0);
    EXPECT_GT(ballsShown(other), 0) << "the next page keeps its balls";
    (Window.get()->*cases[(i + 1) % std::size(cases)].Hide)();

    if (c.SpinChange) {
      // The counter has not moved yet: the balls have no picture until the routine runs.
      ASSERT_EQ(Page(c.Game).Spin(), 0);
      EXPECT_TRUE(Page(c.Game).Display().BallPicture(1).isEmpty());
      (Window.get()->*c.SpinChange)();
      EXPECT_EQ(Page(c.Game).Display().BallPicture(1), "IMG1_BALL");
      EXPECT_TRUE(Page(other).Display().BallPicture(1).isEmpty());
    }

    Frame(c.Game).cb_rychlost->setCurrentIndex(int(i % 3));
    Host->Pauses.clear();
    (Window.get()->*c.Pause)();
    EXPECT_EQ(Host->Pauses, std::vector<int>{TGamePage::PauseLength(int(i % 3))});
  }

  const std::array<void (M::*)(), 6> dieRoutines = {&M::frame_ball1KChange, &M::frame_ball2KChange,
                                                    &M::frame_ball3KChange, &M::frame_ball4KChange,
                                                    &M::frame_ball5KChange, &M::frame_ball6KChange};
  TDrawDisplay &dice = Page(TGame::Kostky).Display();
  for (int k = 1; k <= 6; ++k) {
    dice.Reveal(k, QString::number(7 - k));
    (Window.get()->*dieRoutines[std::size_t(k - 1)])();
    EXPECT_EQ(dice.DiePicture(k), QStringLiteral("IMG%1_CUBE").arg(7 - k)) << "die " << k;
    EXPECT_TRUE(SameImage(Frame(TGame::Kostky).k[std::size_t(k - 1)]->pixmap(),
                          QStringLiteral(":/img/IMG%1_CUBE.png").arg(7 - k)));
  }
  EXPECT_TRUE(Page(TGame::Keno).Display().DiePicture(1).isEmpty());
}
