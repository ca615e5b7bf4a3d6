// The skin manager: names, fallback to "WLM", and that every skin's style sheet parses, styles the
// window's parts without touching the ball numbers, and stays readable.

#include "SkinManager.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

// Test names and messages show skin names as text.
void PrintTo(const QString &text, std::ostream *os)
{
  *os << text.toStdString();
}

namespace {

const QStringList NineSkins = {"WLM",    "Acryl",     "BluePlastic", "Elegant", "Golden",
                               "Heroes", "LikeOpera", "Steam",       "Wood"};
const QColor BallNumberColour(43, 53, 77);

// Collects what Qt reports about style sheets while a skin is applied and drawn.
class TStyleSheetWarnings {
public:
  TStyleSheetWarnings() { FPrevious = qInstallMessageHandler(&TStyleSheetWarnings::Handler); Messages().clear(); }
  ~TStyleSheetWarnings() { qInstallMessageHandler(FPrevious); }
  static QStringList &Messages()
  {
    static QStringList messages;
    return messages;
  }

private:
  static void Handler(QtMsgType, const QMessageLogContext &, const QString &message)
  {
    static const QRegularExpression aboutSheets(QStringLiteral("parse|style ?sheet|Unknown property"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (message.contains(aboutSheets))
      Messages() << message;
  }
  QtMessageHandler FPrevious;
};

// A window with every part the skins style, named as the program names them.
struct TMockWindow {
  std::unique_ptr<QMainWindow> Window;
  std::unique_ptr<QMessageBox> Message;
  std::unique_ptr<QDialog> About;
  QLabel *BallNumber = nullptr;

  TMockWindow()
  {
    Window = std::make_unique<QMainWindow>();
    Window->setObjectName("frm_main");
    QMenu *settings = Window->menuBar()->addMenu(QString::fromUtf8("Nastavení"));
    QMenu *looks = settings->addMenu("Vzhled");
    for (const QString &name : NineSkins) {
      QAction *item = looks->addAction(name);
      item->setCheckable(true);
      item->setChecked(name == "WLM");
    }
    settings->addSeparator();
    settings->addAction(QString::fromUtf8("Ulkládat nastavení do registru"))->setCheckable(true);

    auto *tabs = new QTabWidget;
    tabs->setObjectName("pc");
    tabs->setIconSize(QSize(50, 50));
    auto *page = new QWidget;
    tabs->addTab(page, QIcon(), QString());
    tabs->addTab(new QWidget, QIcon(), QString());
    Window->setCentralWidget(tabs);

    auto *band = Frame("pn_vyber", page, QRect(0, 0, 810, 54));
    new QLabel(QString::fromUtf8("Počet čísel"), band);
    Named<QSpinBox>("keno_pocet_cisel", band);
    Named<QSpinBox>("keno_pocet_poli", band)->setButtonSymbols(QAbstractSpinBox::NoButtons);
    Named<QComboBox>("cb_rychlost", band)->addItems({"pomalé", "střední", "rychlé"});
    auto *exportBand = Frame("pn_export", band, QRect(369, 3, 438, 48));
    new QLabel("Export\ntabulky", exportBand);
    for (const char *name : {"btn_ods", "btn_odt", "btn_docx", "btn_xls", "btn_xml", "btn_html"})
      Named<QPushButton>(name, exportBand);

    auto *table = Named<QTableWidget>("_sg", page);
    table->setRowCount(30);
    table->setColumnCount(11);
    table->setItem(0, 0, new QTableWidgetItem("KENO"));
    table->setHorizontalHeaderLabels({"KENO", "1. číslo"});
    table->setGeometry(0, 54, 810, 259);

    auto *balls = Frame("pn_ball", page, QRect(0, 313, 816, 86));
    BallNumber = new QLabel("42", balls);
    QPalette pal = BallNumber->palette();
    pal.setColor(QPalette::WindowText, BallNumberColour);
    BallNumber->setPalette(pal);

    auto *buttons = Frame("pn_btn", page, QRect(0, 399, 816, 43));
    Named<QPushButton>("btn_generate", buttons)->setText("Generovat");

    Message = std::make_unique<QMessageBox>(QMessageBox::Critical, "ZUDUVaro", "Chyba", QMessageBox::Ok);
    About = std::make_unique<QDialog>();
    About->setObjectName("AboutBox");
    auto *panel = new QFrame(About.get());
    panel->setObjectName("Panel1");
    new QLabel("ZUDUVaro", panel);
    new QPushButton("OK", About.get());
  }

  template <class TWidget>
  static TWidget *Named(const char *name, QWidget *parent)
  {
    auto *w = new TWidget(parent);
    w->setObjectName(name);
    return w;
  }

  static QFrame *Frame(const char *name, QWidget *parent, QRect geometry)
  {
    auto *frame = Named<QFrame>(name, parent);
    frame->setGeometry(geometry);
    return frame;
  }

  // Polishing and painting every widget makes Qt parse and use every rule that applies.
  void Draw()
  {
    for (QWidget *top : {static_cast<QWidget *>(Window.get()), static_cast<QWidget *>(Message.get()),
                         static_cast<QWidget *>(About.get())}) {
      top->show();
      for (QWidget *w : top->findChildren<QWidget *>())
        w->ensurePolished();
      top->grab();
    }
    for (QMenu *menu : Window->findChildren<QMenu *>()) {
      menu->ensurePolished();
      menu->grab();
    }
  }
};

// WCAG contrast ratio of two colours (1 to 21).
double Contrast(const QColor &a, const QColor &b)
{
  const auto luminance = [](const QColor &c) {
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class SkinTest : public ::testing::TestWithParam<QString> {};

TEST_P(SkinTest, StyleSheetIsCompleteAndParsesWithoutWarnings)
{
  const QString sheet = TSkinManager::StyleSheet(GetParam());
  ASSERT_FALSE(sheet.trimmed().isEmpty());
  // every @name of the shared rules has been filled in by the skin
  QString rules = sheet;
  rules.remove(QRegularExpression(QStringLiteral(R"(/\*.*?\*/)"), QRegularExpression::DotMatchesEverythingOption));
  const QRegularExpression unfilled(QStringLiteral("@[a-z_]+"));
  EXPECT_FALSE(rules.contains(unfilled)) << unfilled.match(rules).captured(0).toStdString();

  TStyleSheetWarnings warnings;
  TSkinManager manager;
  manager.SetSkinName(GetParam());
  manager.Apply();
  TMockWindow mock;
  mock.Draw();
  EXPECT_TRUE(warnings.Messages().isEmpty()) << warnings.Messages().join('\n').toStdString();
}

TEST_P(SkinTest, PicturesTheSheetNamesAreEmbedded)
{
  const QRegularExpression url(QStringLiteral(R"(url\((:[^)]+)\))"));
  for (auto it = url.globalMatch(TSkinManager::StyleSheet(GetParam())); it.hasNext();) {
    const QString path = it.next().captured(1);
    EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
  }
}

TEST_P(SkinTest, BallNumbersKeepTheColourTheWindowGivesThem)
{
  TSkinManager manager;
  manager.SetSkinName(GetParam());
  manager.Apply();
  TMockWindow mock;
  mock.Draw();
  EXPECT_EQ(mock.BallNumber->palette().color(QPalette::WindowText), BallNumberColour);
}

TEST_P(SkinTest, PaletteTextIsReadable)
{
  const QPalette p = TSkinManager::Palette(GetParam());
  const struct {
    QPalette::ColorRole background, text;
  } pairs[] = {{QPalette::Window, QPalette::WindowText},
               {QPalette::Base, QPalette::Text},
               {QPalette::AlternateBase, QPalette::Text},
               {QPalette::Button, QPalette::ButtonText},  // the ticket table's caption cells
               {QPalette::Highlight, QPalette::HighlightedText},
               {QPalette::ToolTipBase, QPalette::ToolTipText}};
  for (const auto &pair : pairs)
    EXPECT_GE(Contrast(p.color(pair.background), p.color(pair.text)), 4.5)
        << "roles " << pair.background << " / " << pair.text;
}

INSTANTIATE_TEST_SUITE_P(AllSkins, SkinTest, ::testing::ValuesIn(NineSkins.begin(), NineSkins.end()),
                         [](const ::testing::TestParamInfo<QString> &info) { return info.param.toStdString(); });

TEST(SkinManager, NamesTheNineSkinsWithWLMFirst)
{
  EXPECT_EQ(TSkinManager::SkinNames(), NineSkins);
  EXPECT_EQ(TSkinManager().SkinName(), "WLM");
}

TEST(SkinManager, NamesMatchExactlyAndUnknownNamesSelectWLM)
{
  const struct {
    const char *name;
    bool isSkin;
    const char *selected;
  } cases[] = {{"WLM", true, "WLM"},          {"Steam", true, "Steam"},   {"LikeOpera", true, "LikeOpera"},
               {"Wood", true, "Wood"},        {"steam", false, "WLM"},    {"STEAM", false, "WLM"},
               {"wlm", false, "WLM"},         {"Wood ", false, "WLM"},    {" Wood", false, "WLM"},
               {"", false, "WLM"},            {"Opera", false, "WLM"},    {"Blue Plastic", false, "WLM"}};
  for (const auto &c : cases) {
    EXPECT_EQ(TSkinManager::IsSkin(c.name), c.isSkin) << c.name;
    TSkinManager manager;
    manager.SetSkinName("Golden");
    manager.SetSkinName(c.name);
    EXPECT_EQ(manager.SkinName(), c.selected) << c.name;
  }
}

TEST(SkinManager, UnknownNameGivesTheWLMSheetAndPalette)
{
  EXPECT_EQ(TSkinManager::StyleSheet("Nonexistent"), TSkinManager::StyleSheet("WLM"));
  EXPECT_EQ(TSkinManager::Palette("steam"), TSkinManager::Palette("WLM"));
}

TEST(SkinManager, EverySkinLooksDifferent)
{
  for (int i = 0; i < NineSkins.size(); ++i)
    for (int j = i + 1; j < NineSkins.size(); ++j) {
      const QPalette a = TSkinManager::Palette(NineSkins[i]), b = TSkinManager::Palette(NineSkins[j]);
      EXPECT_TRUE(a.color(QPalette::Window) != b.color(QPalette::Window) ||
                  a.color(QPalette::Highlight) != b.color(QPalette::Highlight))
          << NineSkins[i].toStdString() << " and " << NineSkins[j].toStdString();
    }
}

TEST(SkinManager, ApplySetsStylePaletteAndSheetOfTheApplication)
{
  QWidget window;
  window.show();
  TSkinManager manager;
  for (const QString name : {"Steam", "Wood", "WLM"}) {
    manager.SetSkinName(name);
    manager.Apply();
    EXPECT_EQ(qApp->styleSheet(), TSkinManager::StyleSheet(name)) << name.toStdString();
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), TSkinManager::Palette(name).color(QPalette::Window));
    // a window already open takes the new look
    EXPECT_EQ(window.palette().color(QPalette::Base), TSkinManager::Palette(name).color(QPalette::Base));
  }
}

}  // namespace
