#include "MainWindow.h"

#include "AboutBox.h"
#include "AppFonts.h"
#include "FieldCountEdit.h"
#include "FrameBall.h"
#include "MessageBoxes.h"
#include "SaveDialog.h"
#include "SettingsStore.h"
#include "games/GameError.h"
#include "games/GamePage.h"
#include "export/core/ExportError.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

const QString Tfrm_main::SkinSettingPath = QStringLiteral("Nastavení\\Vzhled");
const QString Tfrm_main::SaveDialogTitle = QStringLiteral("Uložení generovaných čísel");

Tfrm_main::Tfrm_main(TMainWindowServices services, QWidget *parent)
    : QMainWindow(parent), FServices(std::move(services)) {
  if (!FServices.DrawHost)
    FServices.DrawHost = std::make_shared<TEventLoopDrawHost>();
  if (!FServices.Random)
    FServices.Random = std::make_shared<TClockRandomSource>();
  if (!FServices.SaveDialog)
    FServices.SaveDialog = std::make_shared<TFileSaveDialog>(this);
  if (!FServices.MessageBox)
    FServices.MessageBox = std::make_shared<TQtMessageBox>(this);
  if (!FServices.Settings)
    FServices.Settings = std::make_shared<TAppRegistryStorage>();

  setObjectName(QStringLiteral("frm_main"));
  setWindowTitle(QStringLiteral("VORNA - generátor čísel - verze Dororede"));
  setWindowIcon(QIcon(QStringLiteral(":/img/zuduvaro.png")));
  // Fixed size: the title bar offers the system menu and the close button only.
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  BuildMenu();
  BuildPages();
  SetFontThroughout(this, TahomaFont(11));
  // The client area is fixed; the window is the client plus the menu bar and never resizes.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  CenterOnScreen();
}

Tfrm_main::~Tfrm_main() {
  // The frames refer to the page models: remove them first.
  delete pc;
  pc = nullptr;
}

void Tfrm_main::BuildMenu() {
  QMenuBar *mm = menuBar();
  mm->setObjectName(QStringLiteral("mm"));

  Nastaveni = mm->addMenu(QStringLiteral("Nastavení"));
  Nastaveni->setObjectName(QStringLiteral("Nastaveni"));
  Vzhled = Nastaveni->addMenu(QStringLiteral("Vzhled"));
  Vzhled->setObjectName(QStringLiteral("Vzhled"));
  Acryl = SkinItem(QStringLiteral("Acryl"), &Tfrm_main::AcrylClick);
  BluePlastic = SkinItem(QStringLiteral("BluePlastic"), &Tfrm_main::BluePlasticClick);
  Elegant = SkinItem(QStringLiteral("Elegant"), &Tfrm_main::ElegantClick);
  Golden = SkinItem(QStringLiteral("Golden"), &Tfrm_main::GoldenClick);
  Heroes = SkinItem(QStringLiteral("Heroes"), &Tfrm_main::HeroesClick);
  LikeOpera = SkinItem(QStringLiteral("LikeOpera"), &Tfrm_main::LikeOperaClick);
  Steam = SkinItem(QStringLiteral("Steam"), &Tfrm_main::SteamClick);
  WLM = SkinItem(QStringLiteral("WLM"), &Tfrm_main::WLMClick);
  Wood = SkinItem(QStringLiteral("Wood"), &Tfrm_main::WoodClick);
  N7 = Nastaveni->addSeparator();
  N7->setObjectName(QStringLiteral("N7"));
  Save_as_regedit = Nastaveni->addAction(QStringLiteral("Ulkládat nastavení do registru"));
  Save_as_regedit->setObjectName(QStringLiteral("Save_as_regedit"));
  Save_as_regedit->setCheckable(true);
  // A checkable QAction ticks itself when triggered; here only the handler sets the check mark,
  // so the automatic toggle is undone before the handler reads the item's state.
  connect(Save_as_regedit, &QAction::triggered, this, [this](bool checked) {
    Save_as_regedit->setChecked(!checked);
    Guarded([this] { Save_as_regeditClick(); });
  });
  // "Nastavení" sets its check marks whenever it opens.
  connect(Nastaveni, &QMenu::aboutToShow, this, Handler(&Tfrm_main::NastaveniClick));

  onas = mm->addAction(QStringLiteral("O nás"));
  onas->setObjectName(QStringLiteral("onas"));
  connect(onas, &QAction::triggered, this, Handler(&Tfrm_main::onasClick));
}

QAction *Tfrm_main::SkinItem(const QString &name, void (Tfrm_main::*handler)()) {
  QAction *item = Vzhled->addAction(name);
  item->setObjectName(name);
  item->setCheckable(true);
  connect(item, &QAction::triggered, this, [this, item, handler](bool checked) {
    item->setChecked(!checked);  // the check marks are NastaveniClick's alone
    Guarded([this, handler] { (this->*handler)(); });
  });
  return item;
}

void Tfrm_main::BuildPages() {
  pc = new QTabWidget(this);
  pc->setObjectName(QStringLiteral("pc"));
  pc->setFixedSize(ClientWidth, ClientHeight);
  pc->setIconSize(QSize(50, 50));
  pc->setUsesScrollButtons(false);
  setCentralWidget(pc);

  for (const TGameInfo &info : GameCatalogue())
    il[std::size_t(info.ImageIndex)] =
        QIcon(QStringLiteral(":/img/%1.png").arg(info.LogoName));

  for (const TGameInfo &info : GameCatalogue()) {
    const int index = PageNumber(info.Game) - 1;
    FPages[index] = std::make_unique<TGamePage>(info.Game, *FServices.DrawHost,
                                                *FServices.Random);
    auto *tab = new QWidget;
    tab->setObjectName(info.TabName);
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *frame = new Tframe_ball(*FPages[index], tab);
    layout->addWidget(frame, 0, Qt::AlignCenter);
    tabs[index] = tab;
    FFrames[index] = frame;
    // Each tab shows only its game's logo; the name is in the tooltip.
    pc->addTab(tab, il[std::size_t(info.ImageIndex)], QString());
    pc->setTabToolTip(index, info.ExportName);
  }
  frame_ball1 = FFrames[0];
  frame_ball2 = FFrames[1];
  frame_ball3 = FFrames[2];
  frame_ball4 = FFrames[3];
  frame_ball5 = FFrames[4];
  frame_ball6 = FFrames[5];

  using M = Tfrm_main;
  BindPage(frame_ball1, &M::keno_generateClick, &M::keno_clearClick, &M::keno_pocet_poliChange,
           &M::keno_pocet_ciselChange,
           {&M::frame_ball1btn_odsClick, &M::frame_ball1btn_odtClick, &M::frame_ball1btn_docxClick,
            &M::frame_ball1btn_xlsClick, &M::frame_ball1btn_xmlClick, &M::frame_ball1btn_htmlClick});
  BindPage(frame_ball2, &M::frame_ball2btn_generateClick, &M::stastnych_clearClick,
           &M::frame_ball2keno_pocet_poliChange, &M::frame_ball2keno_pocet_ciselChange,
           {&M::frame_ball2btn_odsClick, &M::frame_ball2btn_odtClick, &M::frame_ball2btn_docxClick,
            &M::frame_ball2btn_xlsClick, &M::frame_ball2btn_xmlClick, &M::frame_ball2btn_htmlClick});
  BindPage(frame_ball3, &M::frame_ball3btn_generateClick, &M::euromiliony_ClearClick,
           &M::frame_ball3keno_pocet_poliChange, &M::euromiliony_pocet_ciselChange,
           {&M::frame_ball3btn_odsClick, &M::frame_ball3btn_odtClick, &M::frame_ball3btn_docxClick,
            &M::frame_ball3btn_xlsClick, &M::frame_ball3btn_xmlClick, &M::frame_ball3btn_htmlClick});
  BindPage(frame_ball4, &M::frame_ball4btn_generateClick, &M::LuckyLines_clearClick,
           &M::frame_ball4keno_pocet_poliChange, &M::LuckyLines_pocet_ciselChange,
           {&M::frame_ball4btn_odsClick, &M::frame_ball4btn_odtClick, &M::frame_ball4btn_docxClick,
            &M::frame_ball4btn_xlsClick, &M::frame_ball4btn_xmlClick, &M::frame_ball4btn_htmlClick});
  BindPage(frame_ball5, &M::frame_ball5btn_generateClick, &M::Sportka_clearClick,
           &M::frame_ball5keno_pocet_poliChange, &M::Sportka_pocet_ciselChange,
           {&M::frame_ball5btn_odsClick, &M::frame_ball5btn_odtClick, &M::frame_ball5btn_docxClick,
            &M::frame_ball5btn_xlsClick, &M::frame_ball5btn_xmlClick, &M::frame_ball5btn_htmlClick});
  BindPage(frame_ball6, &M::frame_ball6btn_generateClick, &M::Kostky_clearClick,
           &M::frame_ball6keno_pocet_poliChange, &M::Kostky_pocet_ciselChange,
           {&M::frame_ball6btn_odsClick, &M::frame_ball6btn_odtClick, &M::frame_ball6btn_docxClick,
            &M::frame_ball6btn_xlsClick, &M::frame_ball6btn_xmlClick, &M::frame_ball6btn_htmlClick});

  pc->setCurrentWidget(tabs[PageNumber(TGame::Kostky) - 1]);
}

void Tfrm_main::BindPage(Tframe_ball *frame, void (Tfrm_main::*generate)(),
                         void (Tfrm_main::*clear)(), void (Tfrm_main::*poliChange)(),
                         void (Tfrm_main::*ciselChange)(),
                         const std::array<void (Tfrm_main::*)(), 6> &exports) {
  connect(frame->btn_generate, &QAbstractButton::clicked, this, Handler(generate));
  connect(frame, &Tframe_ball::pocetPoliClicked, this, Handler(clear));
  connect(frame->keno_pocet_poli, &TFieldCountEdit::textEditedByUser, this, Handler(poliChange));
  connect(frame->keno_pocet_cisel, &QSpinBox::valueChanged, this, Handler(ciselChange));
  const auto buttons = frame->ExportButtons();
  for (std::size_t b = 0; b < buttons.size(); ++b)
    connect(buttons[b], &QAbstractButton::clicked, this, Handler(exports[b]));
}

std::function<void()> Tfrm_main::Handler(void (Tfrm_main::*handler)()) {
  return [this, handler] { Guarded([this, handler] { (this->*handler)(); }); };
}

void Tfrm_main::Guarded(const std::function<void()> &handler) {
  try {
    handler();
  } catch (const EExportError &e) {
    FServices.MessageBox->ShowError(e.Message());
  } catch (const EGameError &e) {
    FServices.MessageBox->ShowError(e.Message());
  } catch (const std::exception &e) {
    FServices.MessageBox->ShowError(QString::fromUtf8(e.what()));
  }
}

void Tfrm_main::CenterOnScreen() {
  if (const QScreen *screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    const QSize size = frameGeometry().size().expandedTo(this->size());
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
  }
}

Tframe_ball *Tfrm_main::Frame(TGame game) const { return FFrames[PageNumber(game) - 1]; }

TGamePage &Tfrm_main::Page(TGame game) const { return *FPages[PageNumber(game) - 1]; }

std::array<QAction *, 9> Tfrm_main::SkinItems() const {
  return {Acryl, BluePlastic, Elegant, Golden, Heroes, LikeOpera, Steam, WLM, Wood};
}

// ---------------------------------------------------------------------------------------------
// Form events

void Tfrm_main::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (!FShown) {
    FShown = true;
    Guarded([this] { FormShow(); });
  }
}

void Tfrm_main::FormShow() {
  // Captions of the six tables and the arrows of "Počet polí" hidden on every page; "Počet čísel"
  // loses its arrows where the count is fixed.
  for (std::size_t p = 0; p < FPages.size(); ++p) {
    FPages[p]->FirstShow();
    if (!FPages[p]->PocetCiselVisible())
      FFrames[p]->keno_pocet_cisel->setButtonSymbols(QAbstractSpinBox::NoButtons);
  }
  // The stored skin; a name that matches no skin gives "WLM".
  const QString stored = FServices.Settings->ReadString(SkinSettingPath, QString());
  Save_as_regedit->setChecked(!stored.isEmpty());
  if (!stored.isEmpty())
    skin.SetSkinName(stored);
  ApplySkin();
  CenterOnScreen();  // the skin may have changed the window's height
}

void Tfrm_main::ApplySkin() {
  skin.Apply();
  // A skin may change the menu bar's height: the fixed window size follows at once.
  layout()->activate();
}

void Tfrm_main::closeEvent(QCloseEvent *event) {
  FormCloseQuery();
  event->accept();
}

void Tfrm_main::FormCloseQuery() {
  // Closing ends the program at once: a run in progress stops where it is instead of drawing its
  // remaining fields behind a closed window.
  for (const auto &page : FPages)
    page->Stop();
  if (FAboutBox)
    FAboutBox->hide();
  QCoreApplication::exit(0);
}

void Tfrm_main::onasClick() {
  showMinimized();
  if (FAboutBox)
    FAboutBox->ShowModal();
}

// ---------------------------------------------------------------------------------------------
// Generation

void Tfrm_main::keno_generateClick() { Page(TGame::Keno).GenerateClick(); }
void Tfrm_main::frame_ball2btn_generateClick() { Page(TGame::Stastnych10).GenerateClick(); }
void Tfrm_main::frame_ball3btn_generateClick() { Page(TGame::Euromiliony).GenerateClick(); }
void Tfrm_main::frame_ball4btn_generateClick() { Page(TGame::LuckyLines).GenerateClick(); }
void Tfrm_main::frame_ball5btn_generateClick() { Page(TGame::Sportka).GenerateClick(); }
void Tfrm_main::frame_ball6btn_generateClick() { Page(TGame::Kostky).GenerateClick(); }

void Tfrm_main::keno_clearClick() { Page(TGame::Keno).ClearClick(); }
void Tfrm_main::stastnych_clearClick() { Page(TGame::Stastnych10).ClearClick(); }
void Tfrm_main::euromiliony_ClearClick() { Page(TGame::Euromiliony).ClearClick(); }
void Tfrm_main::LuckyLines_clearClick() { Page(TGame::LuckyLines).ClearClick(); }
void Tfrm_main::Sportka_clearClick() { Page(TGame::Sportka).ClearClick(); }
void Tfrm_main::Kostky_clearClick() { Page(TGame::Kostky).ClearClick(); }

namespace {
// The text the user typed into "Počet polí" reaches the page, which runs its change handler.
void PocetPoliEdited(Tframe_ball *frame) {
  frame->Page().SetPocetPoliText(frame->keno_pocet_poli->text());
}
// The arrows of "Počet čísel" changed the count.
void PocetCiselStepped(Tframe_ball *frame) {
  frame->Page().SetPocetCisel(frame->keno_pocet_cisel->value());
}
}  // namespace

void Tfrm_main::keno_pocet_poliChange() { PocetPoliEdited(frame_ball1); }
void Tfrm_main::frame_ball2keno_pocet_poliChange() { PocetPoliEdited(frame_ball2); }
void Tfrm_main::frame_ball3keno_pocet_poliChange() { PocetPoliEdited(frame_ball3); }
void Tfrm_main::frame_ball4keno_pocet_poliChange() { PocetPoliEdited(frame_ball4); }
void Tfrm_main::frame_ball5keno_pocet_poliChange() { PocetPoliEdited(frame_ball5); }
void Tfrm_main::frame_ball6keno_pocet_poliChange() { PocetPoliEdited(frame_ball6); }

void Tfrm_main::keno_pocet_ciselChange() { PocetCiselStepped(frame_ball1); }
void Tfrm_main::frame_ball2keno_pocet_ciselChange() { PocetCiselStepped(frame_ball2); }
void Tfrm_main::euromiliony_pocet_ciselChange() { PocetCiselStepped(frame_ball3); }
void Tfrm_main::LuckyLines_pocet_ciselChange() { PocetCiselStepped(frame_ball4); }
void Tfrm_main::Sportka_pocet_ciselChange() { PocetCiselStepped(frame_ball5); }
void Tfrm_main::Kostky_pocet_ciselChange() { PocetCiselStepped(frame_ball6); }

// ---------------------------------------------------------------------------------------------
// Draw presentation and pauses

namespace {
void HideBalls(TGamePage &page) { page.Display().Hide(); }
void ShowBalls(TGamePage &page) { page.Display().Show(page.PocetCiselText()); }
}  // namespace

void Tfrm_main::Hide_ball1() { HideBalls(Page(TGame::Keno)); }
void Tfrm_main::Hide_ball2() { HideBalls(Page(TGame::Stastnych10)); }
void Tfrm_main::Hide_Ball3() { HideBalls(Page(TGame::Euromiliony)); }
void Tfrm_main::Hide_Ball4() { HideBalls(Page(TGame::LuckyLines)); }
void Tfrm_main::Hide_ball5() { HideBalls(Page(TGame::Sportka)); }
void Tfrm_main::Hide_ball6() { HideBalls(Page(TGame::Kostky)); }
void Tfrm_main::Show_Ball1() { ShowBalls(Page(TGame::Keno)); }
void Tfrm_main::Show_Ball2() { ShowBalls(Page(TGame::Stastnych10)); }
void Tfrm_main::Show_Ball3() { ShowBalls(Page(TGame::Euromiliony)); }
void Tfrm_main::Show_Ball4() { ShowBalls(Page(TGame::LuckyLines)); }
void Tfrm_main::Show_ball5() { ShowBalls(Page(TGame::Sportka)); }
void Tfrm_main::Show_ball6() { ShowBalls(Page(TGame::Kostky)); }
void Tfrm_main::frame_ball1spinChange() { Page(TGame::Keno).Display().SpinChange(); }
void Tfrm_main::frame_ball2spinChange() { Page(TGame::Stastnych10).Display().SpinChange(); }
void Tfrm_main::frame_ball3spinChange() { Page(TGame::Euromiliony).Display().SpinChange(); }
void Tfrm_main::frame_ball4spinChange() { Page(TGame::LuckyLines).Display().SpinChange(); }
void Tfrm_main::frame_ball5spinChange() { Page(TGame::Sportka).Display().SpinChange(); }
void Tfrm_main::frame_ball1KChange() { Page(TGame::Kostky).Display().DieFaceChange(1); }
void Tfrm_main::frame_ball2KChange() { Page(TGame::Kostky).Display().DieFaceChange(2); }
void Tfrm_main::frame_ball3KChange() { Page(TGame::Kostky).Display().DieFaceChange(3); }
void Tfrm_main::frame_ball4KChange() { Page(TGame::Kostky).Display().DieFaceChange(4); }
void Tfrm_main::frame_ball5KChange() { Page(TGame::Kostky).Display().DieFaceChange(5); }
void Tfrm_main::frame_ball6KChange() { Page(TGame::Kostky).Display().DieFaceChange(6); }
void Tfrm_main::Rychlost_Keno() { Page(TGame::Keno).Pause(); }
void Tfrm_main::Rychlost_Stastnych() { Page(TGame::Stastnych10).Pause(); }
void Tfrm_main::Rychlost_Euromiliony() { Page(TGame::Euromiliony).Pause(); }
void Tfrm_main::Rychlost_LuckyLines() { Page(TGame::LuckyLines).Pause(); }
void Tfrm_main::Rychlost_Sportka() { Page(TGame::Sportka).Pause(); }
void Tfrm_main::Rychlost_Kostky() { Page(TGame::Kostky).Pause(); }

// ---------------------------------------------------------------------------------------------
// Export buttons

void Tfrm_main::frame_ball1btn_xmlClick() { ExportTable(TGame::Keno, efXML); }
void Tfrm_main::frame_ball1btn_xlsClick() { ExportTable(TGame::Keno, efXLS); }
void Tfrm_main::frame_ball1btn_docxClick() { ExportTable(TGame::Keno, efDOCX); }
void Tfrm_main::frame_ball1btn_odtClick() { ExportTable(TGame::Keno, efODT); }
void Tfrm_main::frame_ball1btn_odsClick() { ExportTable(TGame::Keno, efODS); }
void Tfrm_main::frame_ball1btn_htmlClick() { ExportTable(TGame::Keno, efHTML); }
void Tfrm_main::frame_ball2btn_xmlClick() { ExportTable(TGame::Stastnych10, efXML); }
void Tfrm_main::frame_ball2btn_xlsClick() { ExportTable(TGame::Stastnych10, efXLS); }
void Tfrm_main::frame_ball2btn_docxClick() { ExportTable(TGame::Stastnych10, efDOCX); }
void Tfrm_main::frame_ball2btn_odtClick() { ExportTable(TGame::Stastnych10, efODT); }
void Tfrm_main::frame_ball2btn_odsClick() { ExportTable(TGame::Stastnych10, efODS); }
void Tfrm_main::frame_ball2btn_htmlClick() { ExportTable(TGame::Stastnych10, efHTML); }
void Tfrm_main::frame_ball3btn_xmlClick() { ExportTable(TGame::Euromiliony, efXML); }
void Tfrm_main::frame_ball3btn_xlsClick() { ExportTable(TGame::Euromiliony, efXLS); }
void Tfrm_main::frame_ball3btn_docxClick() { ExportTable(TGame::Euromiliony, efDOCX); }
void Tfrm_main::frame_ball3btn_odtClick() { ExportTable(TGame::Euromiliony, efODT); }
void Tfrm_main::frame_ball3btn_odsClick() { ExportTable(TGame::Euromiliony, efODS); }
void Tfrm_main::frame_ball3btn_htmlClick() { ExportTable(TGame::Euromiliony, efHTML); }
void Tfrm_main::frame_ball4btn_xmlClick() { ExportTable(TGame::LuckyLines, efXML); }
void Tfrm_main::frame_ball4btn_xlsClick() { ExportTable(TGame::LuckyLines, efXLS); }
void Tfrm_main::frame_ball4btn_docxClick() { ExportTable(TGame::LuckyLines, efDOCX); }
void Tfrm_main::frame_ball4btn_odtClick() { ExportTable(TGame::LuckyLines, efODT); }
void Tfrm_main::frame_ball4btn_odsClick() { ExportTable(TGame::LuckyLines, efODS); }
void Tfrm_main::frame_ball4btn_htmlClick() { ExportTable(TGame::LuckyLines, efHTML); }
void Tfrm_main::frame_ball5btn_xmlClick() { ExportTable(TGame::Sportka, efXML); }
void Tfrm_main::frame_ball5btn_xlsClick() { ExportTable(TGame::Sportka, efXLS); }
void Tfrm_main::frame_ball5btn_docxClick() { ExportTable(TGame::Sportka, efDOCX); }
void Tfrm_main::frame_ball5btn_odtClick() { ExportTable(TGame::Sportka, efODT); }
void Tfrm_main::frame_ball5btn_odsClick() { ExportTable(TGame::Sportka, efODS); }
void Tfrm_main::frame_ball5btn_htmlClick() { ExportTable(TGame::Sportka, efHTML); }
void Tfrm_main::frame_ball6btn_xmlClick() { ExportTable(TGame::Kostky, efXML); }
void Tfrm_main::frame_ball6btn_xlsClick() { ExportTable(TGame::Kostky, efXLS); }
void Tfrm_main::frame_ball6btn_docxClick() { ExportTable(TGame::Kostky, efDOCX); }
void Tfrm_main::frame_ball6btn_odtClick() { ExportTable(TGame::Kostky, efODT); }
void Tfrm_main::frame_ball6btn_odsClick() { ExportTable(TGame::Kostky, efODS); }
void Tfrm_main::frame_ball6btn_htmlClick() { ExportTable(TGame::Kostky, efHTML); }

void Tfrm_main::ExportTable(TGame game, TExportFormat format) {
  const TExportFormatInfo &info = ExportFormatInfo(format);
  const std::optional<QString> chosen =
      FServices.SaveDialog->Execute(SaveDialogTitle, info.Filter, 0);
  if (!chosen)
    return;
  const QString fileName = ExportFileName(*chosen, format);
  // The dialog saw the name before the extension was added: ask about the file really written.
  if (QFileInfo::exists(fileName) &&
      !FServices.MessageBox->Confirm(
          SaveDialogTitle, QStringLiteral("Soubor \"%1\" již existuje.\nChcete ho nahradit?")
                               .arg(QDir::toNativeSeparators(fileName))))
    return;
  TGamePage &page = Page(game);
  FExports.Execute(format, page._sg(), page.Info().ExportName, fileName);
}

// ---------------------------------------------------------------------------------------------
// Menu "Nastavení"

void Tfrm_main::AcrylClick() { ChooseSkin(QStringLiteral("Acryl")); }
void Tfrm_main::BluePlasticClick() { ChooseSkin(QStringLiteral("BluePlastic")); }
void Tfrm_main::ElegantClick() { ChooseSkin(QStringLiteral("Elegant")); }
void Tfrm_main::GoldenClick() { ChooseSkin(QStringLiteral("Golden")); }
void Tfrm_main::HeroesClick() { ChooseSkin(QStringLiteral("Heroes")); }
void Tfrm_main::LikeOperaClick() { ChooseSkin(QStringLiteral("LikeOpera")); }
void Tfrm_main::SteamClick() { ChooseSkin(QStringLiteral("Steam")); }
void Tfrm_main::WLMClick() { ChooseSkin(QStringLiteral("WLM")); }
void Tfrm_main::WoodClick() { ChooseSkin(QStringLiteral("Wood")); }

void Tfrm_main::ChooseSkin(const QString &name) {
  skin.SetSkinName(name);
  ApplySkin();
  NastaveniClick();
}

void Tfrm_main::NastaveniClick() {
  for (QAction *item : SkinItems())
    item->setChecked(item->objectName() == skin.SkinName());
  if (Save_as_regedit->isChecked())
    FServices.Settings->WriteString(SkinSettingPath, skin.SkinName());
}

void Tfrm_main::Save_as_regeditClick() {
  if (Save_as_regedit->isChecked()) {
    FServices.Settings->DeleteValue(SkinSettingPath);
    Save_as_regedit->setChecked(false);
  } else {
    FServices.Settings->WriteString(SkinSettingPath, skin.SkinName());
    Save_as_regedit->setChecked(true);
  }
}
