// What the user sees right after start: the window, its pages in order, every page's inputs and
// empty table, and the menu.

#include "FieldCountEdit.h"
#include "TicketGrid.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

namespace {

struct TPageCase {
  TGame Game;
  const char *Tab;
  const char *Frame;
  const char *Name;        // tooltip of the tab
  bool CountVisible;       // "Počet čísel" shown
  int CountValue;          // its value, and its range min..max
  int CountMin;
  int CountMax;
  QStringList Captions;    // row 0, columns 0 .. 10
};

QStringList Numbered(int from, int to, const QString &word) {
  QStringList list;
  for (int n = from; n <= to; ++n)
    list << QStringLiteral("%1. %2").arg(n).arg(word);
  return list;
}

QStringList Padded(QStringList captions) {
  while (captions.size() < 11)
    captions << QString();
  return captions;
}

const std::vector<TPageCase> &PageCases() {
  static const std::vector<TPageCase> cases = {
      {TGame::Keno, "tab_keno", "frame_ball1", "Keno", true, 1, 1, 10,
       Padded(QStringList{"KENO"} + Numbered(1, 10, "číslo"))},
      {TGame::Stastnych10, "tab_stastnych_10", "frame_ball2", "Šťastných 10", true, 1, 1, 10,
       Padded(QStringList{"Šťastných 10"} + Numbered(1, 10, "číslo"))},
      {TGame::Euromiliony, "tab_euro_miliony", "frame_ball3", "Euromilióny", false, 7, 7, 7,
       Padded(QStringList{"Euromilióny"} + Numbered(1, 7, "číslo") + QStringList{"růžové pole"})},
      {TGame::LuckyLines, "tab_lucky_lines", "frame_ball4", "Lucky Lines", false, 8, 8, 8,
       Padded(QStringList{"Lucky Lines"} + Numbered(1, 8, "číslo"))},
      {TGame::Sportka, "tab_sportka", "frame_ball5", "Sportka", false, 6, 6, 6,
       Padded(QStringList{"Sportka"} + Numbered(1, 6, "číslo"))},
      {TGame::Kostky, "tab_kostky", "frame_ball6", "Kostky", false, 6, 6, 6,
       Padded(QStringList{"Kostky"} + Numbered(1, 6, "kostka") + QStringList{"součet"})},
  };
  return cases;
}

}  // namespace

class StartupTest : public WindowFixture {};

TEST_F(StartupTest, WindowIsFixedCentredAndCaptioned) {
  Tfrm_main &w = *Window;
  EXPECT_EQ(w.objectName(), "frm_main");
  EXPECT_EQ(w.windowTitle(), "VORNA - generátor čísel - verze Dororede");
  EXPECT_FALSE(w.windowIcon().isNull());
  EXPECT_EQ(w.font().family(), "Tahoma");
  EXPECT_EQ(w.font().pixelSize(), 11);

  // Client 830 x 541 below the menu bar; the window cannot grow or shrink.
  EXPECT_EQ(w.centralWidget()->size(), QSize(830, 541));
  EXPECT_EQ(w.width(), 830);
  EXPECT_EQ(w.height(), 541 + w.menuBar()->height());
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_EQ(w.minimumSize(), w.size());
  const Qt::WindowFlags flags = w.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));

  const QRect screen = w.screen()->availableGeometry();
  EXPECT_LE(std::abs(w.frameGeometry().center().x() - screen.center().x()), 2);
  EXPECT_LE(std::abs(w.frameGeometry().center().y() - screen.center().y()), 2);
}

TEST_F(StartupTest, PagesInTabOrderWithLogosOnlyAndKostkyShown) {
  QTabWidget *pc = Window->pc;
  ASSERT_EQ(pc->count(), 6);
  EXPECT_EQ(pc->objectName(), "pc");
  EXPECT_EQ(pc->iconSize(), QSize(50, 50));
  for (int i = 0; i < 6; ++i) {
    const TPageCase &c = PageCases()[std::size_t(i)];
    SCOPED_TRACE(c.Tab);
    EXPECT_EQ(pc->widget(i)->objectName(), c.Tab);
    EXPECT_EQ(pc->widget(i), Window->tabs[std::size_t(i)]);
    EXPECT_TRUE(pc->tabText(i).isEmpty());
    EXPECT_FALSE(pc->tabIcon(i).isNull());
    EXPECT_EQ(pc->tabToolTip(i), QString::fromUtf8(c.Name));
    EXPECT_EQ(Window->Frame(c.Game)->objectName(), c.Frame);
    EXPECT_TRUE(pc->widget(i)->isAncestorOf(Window->Frame(c.Game)));
  }
  EXPECT_EQ(pc->currentIndex(), 5);
  EXPECT_EQ(pc->currentWidget()->objectName(), "tab_kostky");
}

// The image list `il` holds the logos in its own order; each tab shows the one at its game's index.
TEST_F(StartupTest, TabsShowTheirLogosFromTheImageList) {
  const auto image = [](const QIcon &icon) { return icon.pixmap(QSize(50, 50)).toImage(); };
  const auto logo = [&](const char *name) {
    return image(QIcon(QStringLiteral(":/img/%1.png").arg(QLatin1String(name))));
  };
  const char *listOrder[] = {"logo_euromiliony", "logo_keno",    "logo_stastnych10",
                             "logo_kostky",      "logo_sportka", "logo_luckylines"};
  for (std::size_t i = 0; i < Window->il.size(); ++i) {
    ASSERT_FALSE(logo(listOrder[i]).isNull()) << listOrder[i];
    EXPECT_EQ(image(Window->il[i]), logo(listOrder[i])) << "il[" << i << "]";
  }
  const int tabIndex[] = {1, 2, 0, 5, 4, 3};  // Keno ... Kostky
  for (int tab = 0; tab < 6; ++tab)
    EXPECT_EQ(image(Window->pc->tabIcon(tab)), image(Window->il[std::size_t(tabIndex[tab])]))
        << "tab " << tab + 1;
}

TEST_F(StartupTest, EveryPageShowsItsCaptionsAndOneEmptyRow) {
  for (const TPageCase &c : PageCases()) {
    SCOPED_TRACE(c.Name);
    const TTicketTable &table = Page(c.Game)._sg();
    ASSERT_EQ(table.RowCount(), 2);
    for (int col = 0; col < 11; ++col) {
      EXPECT_EQ(table.Cells(col, 0), c.Captions[col]) << "column " << col;
      EXPECT_TRUE(table.Cells(col, 1).isEmpty()) << "column " << col;
    }
    // The grid shows that very table.
    EXPECT_EQ(Frame(c.Game)._sg->model(), &table);
  }
}

TEST_F(StartupTest, EveryPageStartsWithItsInputs) {
  for (const TPageCase &c : PageCases()) {
    SCOPED_TRACE(c.Name);
    Tframe_ball &f = Frame(c.Game);
    EXPECT_EQ(f.keno_pocet_cisel->isVisibleTo(&f), c.CountVisible);
    EXPECT_EQ(f.lbl_pocet_cisel->isVisibleTo(&f), c.CountVisible);
    EXPECT_EQ(f.keno_pocet_cisel->value(), c.CountValue);
    EXPECT_EQ(f.keno_pocet_cisel->minimum(), c.CountMin);
    EXPECT_EQ(f.keno_pocet_cisel->maximum(), c.CountMax);
    // Arrows only: the count cannot be typed. Fixed counts lose their arrows too.
    EXPECT_TRUE(f.keno_pocet_cisel->findChild<QLineEdit *>()->isReadOnly());
    EXPECT_EQ(f.keno_pocet_cisel->buttonSymbols() == QAbstractSpinBox::NoButtons,
              !c.CountVisible);

    EXPECT_EQ(f.keno_pocet_poli->text(), "4");
    EXPECT_TRUE(f.keno_pocet_poli->isEnabled());
    EXPECT_FALSE(f.keno_pocet_poli->ArrowsVisible());

    ASSERT_EQ(f.cb_rychlost->count(), 3);
    EXPECT_EQ(f.cb_rychlost->itemText(0), "pomalé");
    EXPECT_EQ(f.cb_rychlost->itemText(1), "střední");
    EXPECT_EQ(f.cb_rychlost->itemText(2), "rychlé");
    EXPECT_EQ(f.cb_rychlost->currentText(), "střední");

    EXPECT_EQ(f.lbl_pocet_cisel->text(), "Počet čísel");
    EXPECT_EQ(f.lbl_pocet_poli->text(), "Počet polí");
    EXPECT_EQ(f.lbl_rychlost->text(), "Rychlost generování");
    EXPECT_EQ(f.btn_generate->text(), "Generovat");
    EXPECT_TRUE(f.btn_generate->isEnabled());
    // Nothing is drawn yet: the slot row is empty.
    for (int s = 0; s < 10; ++s) {
      EXPECT_FALSE(f.i[std::size_t(s)]->isVisibleTo(&f));
      EXPECT_FALSE(f.c[std::size_t(s)]->isVisibleTo(&f));
      EXPECT_FALSE(f.k[std::size_t(s)]->isVisibleTo(&f));
    }
  }
}

TEST_F(StartupTest, PageGeometry) {
  Tframe_ball &f = Frame(TGame::Keno);
  EXPECT_EQ(f.size(), QSize(816, 469));
  struct TBox {
    const char *Name;
    QWidget *Widget;
    QRect Rect;  // within its parent
  };
  const TBox boxes[] = {
      {"pn_vyber", f.pn_vyber, QRect(3, 3, 810, 54)},
      {"keno_pocet_cisel", f.keno_pocet_cisel, QRect(23, 26, 57, 24)},
      {"keno_pocet_poli", f.keno_pocet_poli, QRect(94, 26, 66, 24)},
      {"cb_rychlost", f.cb_rychlost, QRect(175, 26, 145, 24)},
      {"_sg", f._sg, QRect(3, 63, 810, 259)},
      {"pn_ball", f.pn_ball, QRect(0, 325, 816, 86)},
  };
  for (const TBox &b : boxes) {
    EXPECT_EQ(b.Widget->geometry(), b.Rect) << b.Name;
    EXPECT_EQ(b.Widget->objectName(), b.Name);
  }
  EXPECT_EQ(f.pn_export->size(), QSize(438, 48));
  EXPECT_EQ(f.pn_export->geometry().right(), f.pn_vyber->width() - 1 - 3);
  EXPECT_EQ(f.pn_btn->height(), 43);
  EXPECT_EQ(f.btn_generate->size(), QSize(810, 37));

  // The export buttons, left to right.
  const char *names[] = {"btn_ods", "btn_odt", "btn_docx", "btn_xls", "btn_xml", "btn_html"};
  int previousLeft = -1;
  const auto buttons = f.ExportButtons();
  for (std::size_t b = 0; b < buttons.size(); ++b) {
    EXPECT_EQ(buttons[b]->objectName(), names[b]);
    EXPECT_EQ(buttons[b]->size(), QSize(48, 40));
    EXPECT_FALSE(buttons[b]->icon().isNull());
    EXPECT_GT(buttons[b]->x(), previousLeft);
    previousLeft = buttons[b]->x();
  }

  // The slot row: balls every 80 pixels, labels and dice at their own lefts.
  const int labelLefts[] = {21, 101, 182, 261, 342, 422, 502, 583, 662, 742};
  const int dieLefts[] = {20, 100, 180, 260, 341, 421, 501, 580, 660, 740};
  for (int s = 0; s < 10; ++s) {
    SCOPED_TRACE(s + 1);
    EXPECT_EQ(f.i[std::size_t(s)]->geometry(), QRect(3 + 80 * s, 1, 80, 80));
    EXPECT_EQ(f.c[std::size_t(s)]->geometry(), QRect(labelLefts[s], 20, 42, 41));
    EXPECT_EQ(f.k[std::size_t(s)]->geometry(), QRect(dieLefts[s], 20, 45, 45));
    EXPECT_EQ(f.c[std::size_t(s)]->font().pixelSize(), 27);
    EXPECT_TRUE(f.c[std::size_t(s)]->font().bold());
  }
}

TEST_F(StartupTest, TicketGridLooksLikeTheTable) {
  Tframe_ball &f = Frame(TGame::Sportka);
  TTicketGrid *grid = f._sg;
  EXPECT_TRUE(grid->horizontalHeader()->isHidden());
  EXPECT_TRUE(grid->verticalHeader()->isHidden());
  for (int col = 0; col < 11; ++col)
    EXPECT_EQ(grid->columnWidth(col), 72);
  EXPECT_EQ(grid->rowHeight(0), 22);
  EXPECT_EQ(grid->rowHeight(1), 22);
  EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(grid->selectionMode(), QAbstractItemView::NoSelection);
  EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

  const QAbstractItemModel *model = grid->model();
  struct TFontCase {
    int Row, Col, PixelSize;
    bool Bold;
  };
  for (const TFontCase c : {TFontCase{0, 0, 11, true}, TFontCase{0, 3, 11, true},
                            TFontCase{1, 0, 11, false}, TFontCase{1, 1, 16, true},
                            TFontCase{2, 10, 16, true}}) {
    const QFont font = TTicketDelegate::CellFont(model->index(c.Row, c.Col));
    EXPECT_EQ(font.family(), "Tahoma");
    EXPECT_EQ(font.pixelSize(), c.PixelSize) << c.Row << "," << c.Col;
    EXPECT_EQ(font.bold(), c.Bold) << c.Row << "," << c.Col;
  }
}

TEST_F(StartupTest, MenuHoldsTheSkinsTheSwitchAndAboutUs) {
  QMenuBar *mm = Window->menuBar();
  const QList<QAction *> top = mm->actions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->text(), "Nastavení");
  EXPECT_EQ(top[0]->menu(), Window->Nastaveni);
  EXPECT_EQ(top[1]->text(), "O nás");
  EXPECT_EQ(top[1], Window->onas);

  const QList<QAction *> settings = Window->Nastaveni->actions();
  ASSERT_EQ(settings.size(), 3);
  EXPECT_EQ(settings[0]->menu(), Window->Vzhled);
  EXPECT_EQ(settings[0]->text(), "Vzhled");
  EXPECT_TRUE(settings[1]->isSeparator());
  EXPECT_EQ(settings[2], Window->Save_as_regedit);
  EXPECT_EQ(settings[2]->text(), "Ulkládat nastavení do registru");
  EXPECT_TRUE(settings[2]->isCheckable());
  EXPECT_FALSE(settings[2]->isChecked());

  const QStringList skins = {"Acryl",  "BluePlastic", "Elegant", "Golden", "Heroes",
                             "LikeOpera", "Steam",    "WLM",     "Wood"};
  const QList<QAction *> items = Window->Vzhled->actions();
  ASSERT_EQ(items.size(), skins.size());
  for (int i = 0; i < skins.size(); ++i) {
    EXPECT_EQ(items[i]->text(), skins[i]);
    EXPECT_EQ(items[i], Window->SkinItems()[std::size_t(i)]);
    EXPECT_TRUE(items[i]->isCheckable());
    // The check marks are set when the menu first opens.
    EXPECT_FALSE(items[i]->isChecked());
  }
  EXPECT_EQ(Window->skin.SkinName(), "WLM");
}

TEST_F(StartupTest, InputsShowTheirValuesInBold13) {
  Tframe_ball &f = Frame(TGame::Keno);
  QWidget *editors[] = {f.keno_pocet_poli->Editor(),
                        f.keno_pocet_cisel->findChild<QLineEdit *>(), f.cb_rychlost};
  for (QWidget *editor : editors) {
    EXPECT_EQ(editor->font().family(), "Tahoma");
    EXPECT_EQ(editor->font().pixelSize(), 13);
    EXPECT_TRUE(editor->font().bold());
  }
  EXPECT_EQ(f.lbl_pocet_poli->font().pixelSize(), 11);
  EXPECT_FALSE(f.lbl_pocet_poli->font().bold());
}
