#pragma once
// The main window `Tfrm_main` (instance "frm_main"): one page per game in the page control `pc`,
// the main menu `mm` ("Nastavení" with the skins and the settings switch, "O nás"), the save dialog
// `sd`, the skin manager `skin` and the settings store `AppRegedit`.
//
// The handlers of all pages are methods of this window, named after their page and control; they
// forward to the game pages' models (TGamePage) and to the export actions. Every handler bound to
// a control runs through one guard that shows an error in a message box and lets the program go on.

#include "ExportActions.h"
#include "app/skins/SkinManager.h"
#include "games/GameCatalogue.h"

#include <QIcon>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class IDrawHost;
class IMessageBox;
class IRandomSource;
class ISaveDialog;
class ISettingsStore;
class TAboutBox;
class TGamePage;
class Tframe_ball;
class QAction;
class QMenu;
class QTabWidget;

// What the window reaches through an interface; a null member gets the real one.
struct TMainWindowServices {
  std::shared_ptr<IDrawHost> DrawHost;        // pumps and pauses of a run
  std::shared_ptr<IRandomSource> Random;      // the drawn numbers
  std::shared_ptr<ISaveDialog> SaveDialog;    // `sd`
  std::shared_ptr<IMessageBox> MessageBox;    // errors and questions
  std::shared_ptr<ISettingsStore> Settings;   // `AppRegedit`
};

class Tfrm_main : public QMainWindow {
  Q_OBJECT

public:
  static constexpr int ClientWidth = 830;
  static constexpr int ClientHeight = 541;
  // The one stored setting: the skin name, subkey "Nastavení", value "Vzhled".
  static const QString SkinSettingPath;
  static const QString SaveDialogTitle;

  explicit Tfrm_main(TMainWindowServices services = {}, QWidget *parent = nullptr);
  ~Tfrm_main() override;

  // The About box shown by "O nás" (created by the program entry after this window).
  void SetAboutBox(TAboutBox *box) { FAboutBox = box; }
  TAboutBox *AboutBox() const { return FAboutBox; }

  // Pages in tab order: frame_ball1 (Keno) ... frame_ball6 (Kostky).
  Tframe_ball *Frame(TGame game) const;
  TGamePage &Page(TGame game) const;

  // --- form events ---
  void FormShow();
  void FormCloseQuery();
  void onasClick();

  // --- generation: "Generovat", click into "Počet polí", changes of the two counts ---
  void keno_generateClick();
  void frame_ball2btn_generateClick();
  void frame_ball3btn_generateClick();
  void frame_ball4btn_generateClick();
  void frame_ball5btn_generateClick();
  void frame_ball6btn_generateClick();
  void keno_clearClick();
  void stastnych_clearClick();
  void euromiliony_ClearClick();
  void LuckyLines_clearClick();
  void Sportka_clearClick();
  void Kostky_clearClick();
  void keno_pocet_poliChange();
  void frame_ball2keno_pocet_poliChange();
  void frame_ball3keno_pocet_poliChange();
  void frame_ball4keno_pocet_poliChange();
  void frame_ball5keno_pocet_poliChange();
  void frame_ball6keno_pocet_poliChange();
  void keno_pocet_ciselChange();
  void frame_ball2keno_pocet_ciselChange();
  void euromiliony_pocet_ciselChange();
  void LuckyLines_pocet_ciselChange();
  void Sportka_pocet_ciselChange();
  void Kostky_pocet_ciselChange();

  // --- draw presentation and pauses of each page, by name ---
  // The page models run these steps during a run; here they can be reached as the window's own
  // routines. The die-face routines all serve the Kostky page: routine k sets die k.
  void Hide_ball1();
  void Hide_ball2();
  void Hide_Ball3();
  void Hide_Ball4();
  void Hide_ball5();
  void Hide_ball6();
  void Show_Ball1();
  void Show_Ball2();
  void Show_Ball3();
  void Show_Ball4();
  void Show_ball5();
  void Show_ball6();
  void frame_ball1spinChange();
  void frame_ball2spinChange();
  void frame_ball3spinChange();
  void frame_ball4spinChange();
  void frame_ball5spinChange();
  void frame_ball1KChange();
  void frame_ball2KChange();
  void frame_ball3KChange();
  void frame_ball4KChange();
  void frame_ball5KChange();
  void frame_ball6KChange();
  void Rychlost_Keno();
  void Rychlost_Stastnych();
  void Rychlost_Euromiliony();
  void Rychlost_LuckyLines();
  void Rychlost_Sportka();
  void Rychlost_Kostky();

  // --- export buttons: one procedure for all 36 ---
  void frame_ball1btn_xmlClick();
  void frame_ball1btn_xlsClick();
  void frame_ball1btn_docxClick();
  void frame_ball1btn_odtClick();
  void frame_ball1btn_odsClick();
  void frame_ball1btn_htmlClick();
  void frame_ball2btn_xmlClick();
  void frame_ball2btn_xlsClick();
  void frame_ball2btn_docxClick();
  void frame_ball2btn_odtClick();
  void frame_ball2btn_odsClick();
  void frame_ball2btn_htmlClick();
  void frame_ball3btn_xmlClick();
  void frame_ball3btn_xlsClick();
  void frame_ball3btn_docxClick();
  void frame_ball3btn_odtClick();
  void frame_ball3btn_odsClick();
  void frame_ball3btn_htmlClick();
  void frame_ball4btn_xmlClick();
  void frame_ball4btn_xlsClick();
  void frame_ball4btn_docxClick();
  void frame_ball4btn_odtClick();
  void frame_ball4btn_odsClick();
  void frame_ball4btn_htmlClick();
  void frame_ball5btn_xmlClick();
  void frame_ball5btn_xlsClick();
  void frame_ball5btn_docxClick();
  void frame_ball5btn_odtClick();
  void frame_ball5btn_odsClick();
  void frame_ball5btn_htmlClick();
  void frame_ball6btn_xmlClick();
  void frame_ball6btn_xlsClick();
  void frame_ball6btn_docxClick();
  void frame_ball6btn_odtClick();
  void frame_ball6btn_odsClick();
  void frame_ball6btn_htmlClick();
  // The export action of a page and format: the save dialog, then the exporter of the format bound
  // to the page's table and named after its game.
  void ExportTable(TGame game, TExportFormat format);
  // The exporter components `ExportXML` ... `ExportHTML`, shared by all pages.
  TExportComponents &ExportComponents() { return FExports; }

  // --- menu "Nastavení" ---
  void AcrylClick();
  void BluePlasticClick();
  void ElegantClick();
  void GoldenClick();
  void HeroesClick();
  void LikeOperaClick();
  void SteamClick();
  void WLMClick();
  void WoodClick();
  void NastaveniClick();
  void Save_as_regeditClick();
  // Selects a skin by name and refreshes the window (the nine skin handlers).
  void ChooseSkin(const QString &name);

  // Runs a handler; an error it raises is shown in a message box and the program goes on.
  void Guarded(const std::function<void()> &handler);

  // --- members ---
  QTabWidget *pc = nullptr;
  // The image list of the tab pictures, 50 x 50 logos: 0 Euromilióny, 1 Keno, 2 Šťastných 10,
  // 3 Kostky, 4 Sportka, 5 Lucky Lines. Each tab shows the picture at its game's index.
  std::array<QIcon, GameCount> il;
  std::array<QWidget *, GameCount> tabs{};  // tab_keno ... tab_kostky
  Tframe_ball *frame_ball1 = nullptr;
  Tframe_ball *frame_ball2 = nullptr;
  Tframe_ball *frame_ball3 = nullptr;
  Tframe_ball *frame_ball4 = nullptr;
  Tframe_ball *frame_ball5 = nullptr;
  Tframe_ball *frame_ball6 = nullptr;

  QMenu *Nastaveni = nullptr;
  QMenu *Vzhled = nullptr;
  QAction *Acryl = nullptr;
  QAction *BluePlastic = nullptr;
  QAction *Elegant = nullptr;
  QAction *Golden = nullptr;
  QAction *Heroes = nullptr;
  QAction *LikeOpera = nullptr;
  QAction *Steam = nullptr;
  QAction *WLM = nullptr;
  QAction *Wood = nullptr;
  QAction *N7 = nullptr;
  QAction *Save_as_regedit = nullptr;
  QAction *onas = nullptr;

  TSkinManager skin;
  // The skin items in menu order ("Acryl" ... "Wood").
  std::array<QAction *, 9> SkinItems() const;

protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  void BuildMenu();
  void BuildPages();
  void BindPage(Tframe_ball *frame, void (Tfrm_main::*generate)(), void (Tfrm_main::*clear)(),
                void (Tfrm_main::*poliChange)(), void (Tfrm_main::*ciselChange)(),
                const std::array<void (Tfrm_main::*)(), 6> &exports);
  // Calls a handler of this window through the guard.
  std::function<void()> Handler(void (Tfrm_main::*handler)());
  QAction *SkinItem(const QString &name, void (Tfrm_main::*handler)());
  void CenterOnScreen();
  void ApplySkin();

  TMainWindowServices FServices;
  std::array<std::unique_ptr<TGamePage>, GameCount> FPages;
  std::array<Tframe_ball *, GameCount> FFrames{};
  TExportComponents FExports;
  TAboutBox *FAboutBox = nullptr;
  bool FShown = false;
};
