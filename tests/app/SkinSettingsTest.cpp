// The skin menu and the one stored setting: check marks, the switch "Ulkládat nastavení do
// registru", and what the next start (a new window on the same settings file) shows.

#include "WindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QSettings>

namespace {
const QStringList SkinsInMenuOrder = {"Acryl",     "BluePlastic", "Elegant", "Golden", "Heroes",
                                      "LikeOpera", "Steam",       "WLM",     "Wood"};
}

class SkinSettingsTest : public WindowFixture {
protected:
  // The user opens "Nastavení" (which sets the check marks) and closes it again.
  void OpenNastaveni() {
    Window->Nastaveni->popup(QPoint(0, 0));
    Window->Nastaveni->hide();
  }
  void Choose(const QString &skin) {
    for (QAction *item : Window->SkinItems())
      if (item->text() == skin)
        item->trigger();
  }
  QStringList Ticked() const {
    QStringList ticked;
    for (QAction *item : Window->SkinItems())
      if (item->isChecked())
        ticked << item->text();
    return ticked;
  }
  bool SaveTicked() const { return Window->Save_as_regedit->isChecked(); }
};

TEST_F(SkinSettingsTest, FirstStartUsesWLMWithTheSwitchOff) {
  EXPECT_EQ(Window->skin.SkinName(), "WLM");
  EXPECT_FALSE(SaveTicked());
  EXPECT_EQ(qApp->styleSheet(), TSkinManager::StyleSheet("WLM"));
  OpenNastaveni();
  EXPECT_EQ(Ticked(), QStringList({"WLM"}));
  EXPECT_TRUE(StoredSkin().isEmpty()) << "nothing is stored while the switch is off";
}

TEST_F(SkinSettingsTest, EverySkinItemSelectsItsSkinAndTicksOnlyItself) {
  for (const QString &skin : SkinsInMenuOrder) {
    Choose(skin);
    EXPECT_EQ(Window->skin.SkinName(), skin);
    EXPECT_EQ(Ticked(), QStringList({skin}));
    EXPECT_EQ(qApp->styleSheet(), TSkinManager::StyleSheet(skin)) << skin.toStdString();
  }
  EXPECT_TRUE(StoredSkin().isEmpty());
  EXPECT_FALSE(SaveTicked());
}

TEST_F(SkinSettingsTest, StoredSkinFollowsChangesAndSurvivesARestart) {
  Choose("Steam");
  Window->Save_as_regedit->trigger();
  EXPECT_TRUE(SaveTicked());
  EXPECT_EQ(StoredSkin(), "Steam");

  Restart();
  EXPECT_EQ(Window->skin.SkinName(), "Steam");
  EXPECT_TRUE(SaveTicked());
  EXPECT_EQ(qApp->styleSheet(), TSkinManager::StyleSheet("Steam"));
  OpenNastaveni();
  EXPECT_EQ(Ticked(), QStringList({"Steam"}));

  Choose("Wood");
  EXPECT_EQ(StoredSkin(), "Wood");

  // Unticking deletes the value: the next start is back to "WLM" with the switch off.
  Window->Save_as_regedit->trigger();
  EXPECT_FALSE(SaveTicked());
  EXPECT_TRUE(StoredSkin().isEmpty());
  Choose("Golden");
  EXPECT_TRUE(StoredSkin().isEmpty());

  Restart();
  EXPECT_EQ(Window->skin.SkinName(), "WLM");
  EXPECT_FALSE(SaveTicked());
}

TEST_F(SkinSettingsTest, StoredNameIsReadAtStart) {
  struct TCase {
    const char *Stored;
    const char *Skin;  // in use after the start
  };
  // A stored name that matches no skin (the comparison is exact) gives "WLM".
  const TCase cases[] = {{"Golden", "Golden"}, {"Heroes", "Heroes"}, {"Unknown", "WLM"},
                         {"wood", "WLM"},      {" Steam", "WLM"},    {"Steam ", "WLM"}};
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Stored);
    StoreSkin(QString::fromUtf8(c.Stored));
    Restart();
    EXPECT_EQ(Window->skin.SkinName(), c.Skin);
    EXPECT_TRUE(SaveTicked()) << "a stored name turns the switch on";
    EXPECT_EQ(qApp->styleSheet(), TSkinManager::StyleSheet(c.Skin));
    // Opening the menu keeps the stored value in step with the skin in use.
    OpenNastaveni();
    EXPECT_EQ(Ticked(), QStringList({c.Skin}));
    EXPECT_EQ(StoredSkin(), c.Skin);
  }
}

TEST_F(SkinSettingsTest, SettingLivesUnderNastaveniVzhled) {
  Window->Save_as_regedit->trigger();
  QSettings ini(SettingsFile(), QSettings::IniFormat);
  EXPECT_EQ(ini.value(QStringLiteral("Nastavení/Vzhled")).toString(), "WLM");
  EXPECT_EQ(ini.childGroups(), QStringList({"Nastavení"}));
}

TEST_F(SkinSettingsTest, FontsSurviveSkinChanges) {
  Tframe_ball &f = Frame(TGame::Keno);
  for (const QString &skin : {QStringLiteral("Steam"), QStringLiteral("Wood")}) {
    Choose(skin);
    SCOPED_TRACE(skin.toStdString());
    // Inherited from the window ...
    for (QWidget *w : {static_cast<QWidget *>(f.lbl_pocet_poli),
                       static_cast<QWidget *>(Window->menuBar()),
                       static_cast<QWidget *>(Window->pc->tabBar())}) {
      EXPECT_EQ(w->font().family(), "Tahoma") << w->metaObject()->className();
      EXPECT_EQ(w->font().pixelSize(), 11) << w->metaObject()->className();
    }
    // ... and set on the inputs and number labels.
    EXPECT_EQ(f.keno_pocet_poli->font().pixelSize(), 13);
    EXPECT_TRUE(f.keno_pocet_poli->font().bold());
    EXPECT_EQ(f.c[0]->font().pixelSize(), 27);
  }
}

// The numbers stand on the light disc of the ball whatever the skin: labels 1 to 9 (and 10 on
// Kostky) in dark slate blue, label 10 of the ball pages in black, never in a skin's light text.
TEST_F(SkinSettingsTest, BallNumbersStayDarkInEverySkin) {
  for (const QString &skin : SkinsInMenuOrder) {
    Choose(skin);
    for (TGame game : {TGame::Keno, TGame::Sportka, TGame::Kostky}) {
      Tframe_ball &f = Frame(game);
      for (int slot = 0; slot < Tframe_ball::SlotCount; ++slot) {
        f.c[slot]->ensurePolished();
        const QColor text = f.c[slot]->palette().color(f.c[slot]->foregroundRole());
        const QColor expected =
            slot < 9 || game == TGame::Kostky ? QColor(43, 53, 77) : QColor(Qt::black);
        EXPECT_EQ(text, expected) << skin.toStdString() << " page " << PageNumber(game) << " label "
                                  << slot + 1;
      }
    }
  }
}
