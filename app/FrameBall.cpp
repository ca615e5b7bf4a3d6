#include "FrameBall.h"

#include "AppFonts.h"
#include "FieldCountEdit.h"
#include "TicketGrid.h"
#include "games/GamePage.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

const std::array<int, Tframe_ball::SlotCount> Tframe_ball::LabelLefts = {
    21, 101, 182, 261, 342, 422, 502, 583, 662, 742};
const std::array<int, Tframe_ball::SlotCount> Tframe_ball::DieLefts = {
    20, 100, 180, 260, 341, 421, 501, 580, 660, 740};

namespace {
constexpr int Margin = 3;
constexpr int InputTop = 26;
constexpr int InputHeight = 24;

QFrame *NamedPanel(const char *name, QWidget *parent) {
  auto *panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  return panel;
}

// A caption centred above its input.
QLabel *CaptionAbove(const char *name, const QString &text, const QRect &input, QWidget *parent) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  const int width = input.width() + 12;
  label->setGeometry(input.center().x() + 1 - width / 2, 6, width, 18);
  return label;
}

// The inner line edit of a spin input (QSpinBox keeps it protected).
QLineEdit *SpinEditor(QAbstractSpinBox *spin) { return spin->findChild<QLineEdit *>(); }
}  // namespace

Tframe_ball::Tframe_ball(TGamePage &page, QWidget *parent) : QFrame(parent), FPage(page) {
  setObjectName(page.Info().FrameName);
  setFixedSize(FrameWidth, FrameHeight);

  BuildSelectionBand();
  BuildExportBand();

  _sg = new TTicketGrid(page._sg(), this);
  _sg->setGeometry(Margin, pn_vyber->geometry().bottom() + 1 + 2 * Margin, 810, 259);

  BuildSlotRow();
  BuildButtonBand();
  BindModel();
}

void Tframe_ball::BuildSelectionBand() {
  pn_vyber = NamedPanel("pn_vyber", this);
  pn_vyber->setGeometry(Margin, Margin, 810, 54);
  const QFont valueFont = TahomaFont(13, true);

  const QRect cislaRect(23, InputTop, 57, InputHeight);
  lbl_pocet_cisel = CaptionAbove("lbl_pocet_cisel", QStringLiteral("Počet čísel"), cislaRect,
                                 pn_vyber);
  keno_pocet_cisel = new QSpinBox(pn_vyber);
  keno_pocet_cisel->setObjectName(QStringLiteral("keno_pocet_cisel"));
  keno_pocet_cisel->setGeometry(cislaRect);
  keno_pocet_cisel->setFont(valueFont);
  keno_pocet_cisel->setAlignment(Qt::AlignCenter);
  // The count is changed with the arrows only; typing is disabled.
  SpinEditor(keno_pocet_cisel)->setReadOnly(true);

  const QRect poliRect(94, InputTop, 66, InputHeight);
  lbl_pocet_poli = CaptionAbove("lbl_pocet_poli", QStringLiteral("Počet polí"), poliRect,
                                pn_vyber);
  keno_pocet_poli = new TFieldCountEdit(pn_vyber);
  keno_pocet_poli->setObjectName(QStringLiteral("keno_pocet_poli"));
  keno_pocet_poli->setGeometry(poliRect);
  keno_pocet_poli->setFont(valueFont);
  keno_pocet_poli->SetRange(TGamePage::PocetPoliMin, TGamePage::PocetPoliMax);
  // A click into the input clears the table: watch presses on the input and on its text.
  keno_pocet_poli->installEventFilter(this);
  keno_pocet_poli->Editor()->installEventFilter(this);

  const QRect rychlostRect(175, InputTop, 145, InputHeight);
  lbl_rychlost = CaptionAbove("lbl_rychlost", QStringLiteral("Rychlost generování"),
                              rychlostRect, pn_vyber);
  cb_rychlost = new QComboBox(pn_vyber);
  cb_rychlost->setObjectName(QStringLiteral("cb_rychlost"));
  cb_rychlost->setGeometry(rychlostRect);
  cb_rychlost->setFont(valueFont);
  cb_rychlost->addItems(TGamePage::SpeedItems());
}

void Tframe_ball::BuildExportBand() {
  pn_export = NamedPanel("pn_export", pn_vyber);
  pn_export->setGeometry(pn_vyber->width() - 438 - Margin, Margin, 438, 48);

  lbl_export = new QLabel(QStringLiteral("Export\ntabulky"), pn_export);
  lbl_export->setObjectName(QStringLiteral("lbl_export"));
  lbl_export->setFont(TahomaFont(13, true));
  lbl_export->setAlignment(Qt::AlignCenter);
  lbl_export->setGeometry(4, 4, 88, 40);

  struct TButtonInfo {
    QPushButton **Button;
    const char *Name;
    const char *Icon;
    const char *Hint;
  };
  const TButtonInfo buttons[] = {
      {&btn_ods, "btn_ods", "format_ods", "Uložit tabulku jako sešit OpenOffice Calc (ods)"},
      {&btn_odt, "btn_odt", "format_odt", "Uložit tabulku jako dokument OpenOffice Writer (odt)"},
      {&btn_docx, "btn_docx", "format_docx", "Uložit tabulku jako dokument MS Office Word (doc)"},
      {&btn_xls, "btn_xls", "format_xls", "Uložit tabulku jako sešit MS Office Excel (xls)"},
      {&btn_xml, "btn_xml", "format_xml", "Uložit tabulku jako dokument XML (xml)"},
      {&btn_html, "btn_html", "format_html", "Uložit tabulku jako dokument HTML (html)"},
  };
  constexpr int buttonWidth = 48;
  constexpr int gap = 8;
  int left = pn_export->width() - 6 * buttonWidth - 5 * gap - 4;
  for (const TButtonInfo &info : buttons) {
    auto *button = new QPushButton(pn_export);
    button->setObjectName(QString::fromLatin1(info.Name));
    button->setIcon(QIcon(QStringLiteral(":/img/%1.png").arg(QLatin1String(info.Icon))));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(QString::fromUtf8(info.Hint));
    button->setGeometry(left, 4, buttonWidth, 40);
    *info.Button = button;
    left += buttonWidth + gap;
  }
}

void Tframe_ball::BuildSlotRow() {
  pn_ball = NamedPanel("pn_ball", this);
  pn_ball->setGeometry(0, _sg->geometry().bottom() + 1 + Margin, FrameWidth, 86);

  // Balls first, then labels, then dice: each later element lies above the earlier ones.
  for (int s = 0; s < SlotCount; ++s) {
    i[s] = new QLabel(pn_ball);
    i[s]->setObjectName(QStringLiteral("i%1").arg(s + 1));
    i[s]->setGeometry(3 + 80 * s, 1, 80, 80);
    i[s]->setAlignment(Qt::AlignCenter);
  }
  const QFont numberFont = TahomaFont(27, true);
  for (int s = 0; s < SlotCount; ++s) {
    c[s] = new QLabel(pn_ball);
    c[s]->setObjectName(QStringLiteral("c%1").arg(s + 1));
    c[s]->setGeometry(LabelLefts[s], 20, 42, 41);
    c[s]->setFont(numberFont);
    c[s]->setAlignment(Qt::AlignCenter);
    // Label 10 shows the system's window-text colour, black; the skins' own text colour would
    // vanish on the light disc of the ball in the dark skins.
    c[s]->setStyleSheet(FPage.Display().LabelSlateBlue(s + 1)
                            ? QStringLiteral("color: rgb(43, 53, 77); background: transparent;")
                            : QStringLiteral("color: black; background: transparent;"));
  }
  for (int s = 0; s < SlotCount; ++s) {
    k[s] = new QLabel(pn_ball);
    k[s]->setObjectName(QStringLiteral("k%1").arg(s + 1));
    k[s]->setGeometry(DieLefts[s], 20, 45, 45);
    k[s]->setAlignment(Qt::AlignCenter);
  }
  for (int slot = 1; slot <= SlotCount; ++slot)
    UpdateSlot(slot);
}

void Tframe_ball::BuildButtonBand() {
  pn_btn = NamedPanel("pn_btn", this);
  pn_btn->setGeometry(0, pn_ball->geometry().bottom() + 1, FrameWidth, 43);
  btn_generate = new QPushButton(QStringLiteral("Generovat"), pn_btn);
  btn_generate->setObjectName(QStringLiteral("btn_generate"));
  btn_generate->setGeometry(Margin, Margin, FrameWidth - 2 * Margin, 37);
  btn_generate->setFont(TahomaFont(13, true));
}

void Tframe_ball::BindModel() {
  TGamePage &page = FPage;

  keno_pocet_cisel->setRange(page.PocetCiselMin(), page.PocetCiselMax());
  keno_pocet_cisel->setValue(page.PocetCisel());
  keno_pocet_cisel->setVisible(page.PocetCiselVisible());
  lbl_pocet_cisel->setVisible(page.PocetCiselVisible());
  connect(&page, &TGamePage::pocetCiselChanged, keno_pocet_cisel, [this](int value) {
    const QSignalBlocker blocker(keno_pocet_cisel);
    keno_pocet_cisel->setValue(value);
  });

  keno_pocet_poli->SetText(page.PocetPoliText());
  keno_pocet_poli->setEnabled(page.PocetPoliEnabled());
  keno_pocet_poli->SetArrowsVisible(page.PocetPoliArrowsVisible());
  connect(&page, &TGamePage::pocetPoliTextChanged, keno_pocet_poli, &TFieldCountEdit::SetText);
  connect(&page, &TGamePage::pocetPoliEnabledChanged, keno_pocet_poli, &QWidget::setEnabled);
  connect(&page, &TGamePage::pocetPoliArrowsVisibleChanged, keno_pocet_poli,
          &TFieldCountEdit::SetArrowsVisible);
  // Leaving the input limits a typed count to 0..100.
  connect(keno_pocet_poli, &QAbstractSpinBox::editingFinished, &page,
          &TGamePage::PocetPoliFocusOut);

  cb_rychlost->setCurrentIndex(page.SpeedIndex());
  connect(&page, &TGamePage::speedChanged, cb_rychlost, [this](int index) {
    const QSignalBlocker blocker(cb_rychlost);
    cb_rychlost->setCurrentIndex(index);
  });
  connect(cb_rychlost, &QComboBox::currentIndexChanged, &page, &TGamePage::SetSpeed);

  btn_generate->setEnabled(page.GenerateEnabled());
  connect(&page, &TGamePage::generateEnabledChanged, btn_generate, &QWidget::setEnabled);

  connect(&page.Display(), &TDrawDisplay::slotChanged, this, &Tframe_ball::UpdateSlot);
}

void Tframe_ball::UpdateSlot(int slot) {
  if (slot < 1 || slot > SlotCount)
    return;
  const TDrawDisplay &display = FPage.Display();
  const int s = slot - 1;
  // Pictures are decoded from the resources on every change; nothing is kept between changes.
  const QString ball = display.BallPicture(slot);
  i[s]->setPixmap(ball.isEmpty() ? QPixmap() : QPixmap(QStringLiteral(":/img/%1.png").arg(ball)));
  i[s]->setVisible(display.BallVisible(slot));
  c[s]->setText(display.LabelText(slot));
  c[s]->setVisible(display.LabelVisible(slot));
  const QString die = display.DiePicture(slot);
  k[s]->setPixmap(die.isEmpty() ? QPixmap() : QPixmap(QStringLiteral(":/img/%1.png").arg(die)));
  k[s]->setVisible(display.DieVisible(slot));
}

std::array<QPushButton *, 6> Tframe_ball::ExportButtons() const {
  return {btn_ods, btn_odt, btn_docx, btn_xls, btn_xml, btn_html};
}

bool Tframe_ball::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::MouseButtonPress &&
      (watched == keno_pocet_poli || watched == keno_pocet_poli->Editor()) &&
      keno_pocet_poli->isEnabled() &&
      static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
    emit pocetPoliClicked();
  return QFrame::eventFilter(watched, event);
}
