#include "AboutBox.h"

#include "AppFonts.h"
#include "DesktopServices.h"

#include <QEnterEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

TWebLabel::TWebLabel(const QString &text, const QUrl &url, IUrlOpener &opener, QWidget *parent)
    : QLabel(text, parent), FUrl(url), FOpener(opener) {
  setObjectName(QStringLiteral("WebLabel"));
  setFont(TahomaFont(19, true));
  setCursor(Qt::PointingHandCursor);
  setToolTip(url.toString());
  SetHovered(false);
}

void TWebLabel::enterEvent(QEnterEvent *event) {
  SetHovered(true);
  QLabel::enterEvent(event);
}

void TWebLabel::leaveEvent(QEvent *event) {
  SetHovered(false);
  QLabel::leaveEvent(event);
}

void TWebLabel::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    FOpener.OpenUrl(FUrl);
  QLabel::mouseReleaseEvent(event);
}

void TWebLabel::SetHovered(bool hovered) {
  FHovered = hovered;
  // A style sheet of its own, so no skin recolours the link.
  setStyleSheet(hovered ? QStringLiteral("color: rgb(255, 0, 0);")
                        : QStringLiteral("color: rgb(0, 0, 255);"));
}

namespace {
QLabel *PictureLabel(const QString &resource, int size, QWidget *parent) {
  auto *label = new QLabel(parent);
  label->setPixmap(QPixmap(resource).scaled(size, size, Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation));
  label->setAlignment(Qt::AlignCenter);
  return label;
}
}  // namespace

TAboutBox::TAboutBox(QWidget *mainWindow, std::shared_ptr<IUrlOpener> opener)
    : QDialog(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::MSWindowsFixedSizeDialogHint),
      FMainWindow(mainWindow),
      FOpener(opener ? std::move(opener) : std::make_shared<TDesktopUrlOpener>()) {
  const QString address = QString::fromLatin1(MakerAddress);
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("Výrobce - ") + address);
  setWindowIcon(QIcon(QStringLiteral(":/img/zuduvaro.png")));
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFixedSize(248, 207);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setGeometry(8, 8, 232, 158);

  ProgramIcon = PictureLabel(QStringLiteral(":/img/zuduvaro48.png"), 48, Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(8, 8, 48, 48);

  QFont bold = font;
  bold.setBold(true);
  ProductName = new QLabel(QStringLiteral("ZUDUVaro"), Panel1);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  ProductName->setFont(bold);
  ProductName->setGeometry(68, 12, 156, 16);
  Version = new QLabel(QStringLiteral("Verze 1.1 - Dororede"), Panel1);
  Version->setObjectName(QStringLiteral("Version"));
  Version->setGeometry(68, 34, 156, 16);
  Copyright = new QLabel(QStringLiteral("Výrobce: ZUDUVaro, ") + address, Panel1);
  Copyright->setObjectName(QStringLiteral("Copyright"));
  Copyright->setGeometry(8, 68, 216, 16);
  Comments = new QLabel(QStringLiteral("VORNA generátor čísel"), Panel1);
  Comments->setObjectName(QStringLiteral("Comments"));
  Comments->setGeometry(8, 88, 216, 16);

  SmallIcon = PictureLabel(QStringLiteral(":/img/zuduvaro32.png"), 32, Panel1);
  SmallIcon->setObjectName(QStringLiteral("SmallIcon"));
  SmallIcon->setGeometry(8, 116, 32, 32);
  WebLabel = new TWebLabel(address,
                           QUrl(QStringLiteral("https://%1/ZUDUVaro-Dororede").arg(address)),
                           *FOpener, Panel1);
  WebLabel->setGeometry(46, 118, 182, 28);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(86, 174, 75, 25);
  OKButton->setDefault(true);
  OKButton->setAutoDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
  SetFontThroughout(this, font);
}

void TAboutBox::ShowModal() {
  setWindowModality(Qt::ApplicationModal);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
  show();
  raise();
  activateWindow();
  OKButton->setFocus();
}

void TAboutBox::OKButtonClick() { done(QDialog::Accepted); }

void TAboutBox::done(int result) {
  QDialog::done(result);
  if (FMainWindow) {
    FMainWindow->showNormal();
    FMainWindow->activateWindow();
  }
}
