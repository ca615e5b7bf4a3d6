// skin-preview: builds a mock of the main window (menu, picture tabs, one game page with the
// selection band, export buttons, ticket table, ball row and "Generovat"), plus the skin menu, a
// message box and the About box, and saves one screenshot per skin:
//
//   skin-preview <outdir>            ->  <outdir>/skin_WLM.png, skin_Acryl.png, ...
//   skin-preview <outdir> Steam Wood ->  only the skins named
//
// It needs no screen (QT_QPA_PLATFORM=offscreen is set when nothing else is).

#include "SkinManager.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextStream>

#include <cstdio>

namespace {

const QColor BallNumberColour(43, 53, 77);

QFont Tahoma(int pixelSize, bool bold = false)
{
  QFont f(QStringLiteral("Tahoma"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

// Tahoma comes with the Wine fonts, whose folder fontconfig may not list.
void LoadTahoma()
{
  if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
    return;
  for (const char *file : {"tahoma.ttf", "tahomabd.ttf"})
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file));
}

// Row 0 and column 0 of the ticket table are drawn as fixed (header) cells from the palette's
// button colours, the way the program's table draws them.
class TMockTicketDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
  {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const bool header = index.row() == 0 || index.column() == 0;
    const QPalette &pal = opt.palette;
    painter->save();
    painter->fillRect(opt.rect, header ? pal.button() : pal.base());
    if (header) {
      painter->setPen(pal.color(QPalette::Light));
      painter->drawLine(opt.rect.topLeft(), opt.rect.topRight());
      painter->drawLine(opt.rect.topLeft(), opt.rect.bottomLeft());
      painter->setPen(pal.color(QPalette::Mid));
      painter->drawLine(opt.rect.bottomLeft(), opt.rect.bottomRight());
      painter->drawLine(opt.rect.topRight(), opt.rect.bottomRight());
    }
    painter->setFont(index.row() == 0 ? Tahoma(11, true) : index.column() == 0 ? Tahoma(11) : Tahoma(16, true));
    painter->setPen(pal.color(header ? QPalette::ButtonText : QPalette::Text));
    painter->drawText(opt.rect.adjusted(4, 0, -4, 0),
                      index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter, opt.text);
    painter->restore();
  }
};

QLabel *Caption(const QString &text, QWidget *parent, int centreX)
{
  auto *label = new QLabel(text, parent);
  label->setFont(Tahoma(11));
  label->adjustSize();
  label->move(centreX - label->width() / 2, 9);
  return label;
}

QFrame *SelectionBand(QWidget *page)
{
  auto *band = new QFrame(page);
  band->setObjectName("pn_vyber");
  band->setGeometry(0, 0, 810, 54);

  Caption(QString::fromUtf8("Počet čísel"), band, 23 + 57 / 2);
  auto *count = new QSpinBox(band);
  count->setObjectName("keno_pocet_cisel");
  count->setGeometry(23, 26, 57, 24);
  count->setRange(1, 10);
  count->setValue(10);
  count->setAlignment(Qt::AlignCenter);
  count->setFont(Tahoma(13, true));

  Caption(QString::fromUtf8("Počet polí"), band, 94 + 66 / 2);
  auto *fields = new QSpinBox(band);
  fields->setObjectName("keno_pocet_poli");
  fields->setGeometry(94, 26, 66, 24);
  fields->setRange(0, 100);
  fields->setValue(4);
  fields->setAlignment(Qt::AlignCenter);
  fields->setButtonSymbols(QAbstractSpinBox::NoButtons);
  fields->setFont(Tahoma(13, true));

  Caption(QString::fromUtf8("Rychlost generování"), band, 175 + 145 / 2);
  auto *speed = new QComboBox(band);
  speed->setObjectName("cb_rychlost");
  speed->setGeometry(175, 26, 145, 24);
  speed->addItems({QString::fromUtf8("pomalé"), QString::fromUtf8("střední"), QString::fromUtf8("rychlé")});
  speed->setCurrentIndex(1);
  speed->setFont(Tahoma(13, true));

  auto *exportBand = new QFrame(band);
  exportBand->setObjectName("pn_export");
  exportBand->setGeometry(810 - 438 - 3, 3, 438, 48);
  auto *exportLabel = new QLabel("Export\ntabulky", exportBand);
  exportLabel->setFont(Tahoma(11, true));
  exportLabel->setGeometry(10, 4, 60, 40);
  const char *buttons[][2] = {{"btn_ods", "format_ods"},   {"btn_odt", "format_odt"},
                              {"btn_docx", "format_docx"}, {"btn_xls", "format_xls"},
                              {"btn_xml", "format_xml"},   {"btn_html", "format_html"}};
  for (int i = 0; i < 6; ++i) {
    auto *button = new QPushButton(exportBand);
    button->setObjectName(buttons[i][0]);
    button->setGeometry(80 + i * 58, 4, 48, 40);
    button->setIcon(QIcon(QString(":/img/%1.png").arg(buttons[i][1])));
    button->setIconSize(QSize(32, 32));
  }
  return band;
}

QTableWidget *TicketTable(QWidget *page, bool dice)
{
  auto *table = new QTableWidget(dice ? 4 : 5, 11, page);
  table->setObjectName("_sg");
  table->setGeometry(0, 54, 810, 259);
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  table->horizontalHeader()->setDefaultSectionSize(72);
  table->verticalHeader()->setDefaultSectionSize(22);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setItemDelegate(new TMockTicketDelegate(table));
  table->setItem(0, 0, new QTableWidgetItem(dice ? "Kostky" : "KENO"));
  for (int c = 1; c <= (dice ? 7 : 10); ++c)
    table->setItem(0, c, new QTableWidgetItem(dice && c == 7 ? QString::fromUtf8("Součet")
                                              : QString::fromUtf8(dice ? "%1. kostka" : "%1. číslo").arg(c)));
  const int rows[][10] = {{3, 17, 22, 28, 35, 41, 50, 58, 63, 70},
                          {5, 9, 14, 26, 33, 44, 47, 52, 61, 66},
                          {1, 12, 19, 24, 38, 40, 45, 56, 67, 69},
                          {7, 23, 5, 41, 70, 12, 38, 9, 66, 80}};
  for (int r = 1; r < table->rowCount(); ++r) {
    table->setItem(r, 0, new QTableWidgetItem(QString("Pole %1").arg(r)));
    for (int c = 1; c <= (dice ? 6 : 10); ++c)
      table->setItem(r, c, new QTableWidgetItem(QString::number(dice ? (rows[r - 1][c - 1] % 6) + 1 : rows[r - 1][c - 1])));
  }
  return table;
}

void BallRow(QWidget *page, bool dice)
{
  auto *row = new QFrame(page);
  row->setObjectName("pn_ball");
  row->setGeometry(0, 313, 816, 86);
  const int labelLeft[] = {21, 101, 182, 261, 342, 422, 502, 583, 662, 742};
  const int dieLeft[] = {20, 100, 180, 260, 341, 421, 501, 580, 660, 740};
  const int numbers[] = {7, 23, 5, 41, 70, 12, 38, 9, 66, 80};
  for (int k = 0; k < 10; ++k) {
    if (dice) {
      if (k >= 6)
        break;
      auto *die = new QLabel(row);
      die->setGeometry(dieLeft[k], 20, 45, 45);
      die->setPixmap(QPixmap(QString(":/img/IMG%1_CUBE.png").arg(numbers[k] % 6 + 1)));
      continue;
    }
    auto *ball = new QLabel(row);
    ball->setGeometry(3 + 80 * k, 1, 80, 80);
    ball->setPixmap(QPixmap(QString(":/img/IMG%1_BALL.png").arg(k + 1)));
    auto *number = new QLabel(QString::number(numbers[k]), row);
    number->setGeometry(labelLeft[k], 20, 42, 41);
    number->setAlignment(Qt::AlignCenter);
    number->setFont(Tahoma(27, true));
    QPalette pal = number->palette();
    pal.setColor(QPalette::WindowText, BallNumberColour);
    number->setPalette(pal);
  }
}

QWidget *GamePage(bool dice)
{
  auto *tab = new QWidget;
  auto *page = new QWidget(tab);
  page->setGeometry(3, 3, 816, 469);
  SelectionBand(page);
  TicketTable(page, dice);
  BallRow(page, dice);
  auto *buttonBand = new QFrame(page);
  buttonBand->setObjectName("pn_btn");
  buttonBand->setGeometry(0, 399, 816, 43);
  auto *generate = new QPushButton("Generovat", buttonBand);
  generate->setObjectName("btn_generate");
  generate->setGeometry(0, 3, 816, 37);
  return tab;
}

struct TMockWindow {
  QMainWindow *window;
  QMenu *settings;
  QMenu *looks;
};

TMockWindow MainWindow(const QString &skin)
{
  auto *window = new QMainWindow;
  window->setObjectName("frm_main");
  window->setWindowTitle(QString::fromUtf8("VORNA - generátor čísel - verze Dororede"));
  window->setFont(Tahoma(11));

  QMenu *settings = window->menuBar()->addMenu(QString::fromUtf8("Nastavení"));
  QMenu *looks = settings->addMenu("Vzhled");
  for (const char *name : {"Acryl", "BluePlastic", "Elegant", "Golden", "Heroes", "LikeOpera", "Steam", "WLM", "Wood"}) {
    QAction *item = looks->addAction(name);
    item->setCheckable(true);
    item->setChecked(skin == name);
    if (skin == name)
      looks->setActiveAction(item);
  }
  settings->addSeparator();
  QAction *store = settings->addAction(QString::fromUtf8("Ulkládat nastavení do registru"));
  store->setCheckable(true);
  store->setChecked(true);
  window->menuBar()->addAction(QString::fromUtf8("O nás"));

  auto *tabs = new QTabWidget;
  tabs->setObjectName("pc");
  tabs->setIconSize(QSize(50, 50));
  const char *logos[] = {"logo_keno", "logo_stastnych10", "logo_euromiliony", "logo_luckylines", "logo_sportka", "logo_kostky"};
  for (int i = 0; i < 6; ++i)
    tabs->addTab(GamePage(i == 5), QIcon(QString(":/img/%1.png").arg(logos[i])), QString());
  window->setCentralWidget(tabs);
  window->setFixedSize(830, 541 + window->menuBar()->sizeHint().height());
  return {window, settings, looks};
}

QDialog *AboutBox()
{
  auto *box = new QDialog;
  box->setObjectName("AboutBox");
  box->setWindowTitle(QString::fromUtf8("Výrobce - www.zuduvaro.cz"));
  box->setFixedSize(248, 207);
  auto *panel = new QFrame(box);
  panel->setObjectName("Panel1");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(8, 8, 232, 155);
  auto *icon = new QLabel(panel);
  icon->setPixmap(QPixmap(":/img/zuduvaro48.png"));
  icon->setGeometry(8, 8, 48, 48);
  auto *product = new QLabel("ZUDUVaro", panel);
  product->setFont(Tahoma(13, true));
  product->setGeometry(70, 10, 150, 18);
  (new QLabel("Verze 1.1 - Dororede", panel))->setGeometry(70, 32, 150, 16);
  (new QLabel("ZUDUVaro software", panel))->setGeometry(8, 66, 200, 16);
  (new QLabel(QString::fromUtf8("VORNA generátor čísel"), panel))->setGeometry(8, 86, 200, 16);
  auto *small = new QLabel(panel);
  small->setPixmap(QPixmap(":/img/zuduvaro32.png"));
  small->setGeometry(192, 60, 32, 32);
  auto *link = new QLabel("www.zuduvaro.cz", panel);
  link->setFont(Tahoma(19, true));
  link->setStyleSheet("color: rgb(0, 0, 255);");
  link->setGeometry(8, 112, 220, 28);
  auto *ok = new QPushButton("OK", box);
  ok->setDefault(true);
  ok->setGeometry(87, 172, 75, 25);
  return box;
}

QMessageBox *MessageBox()
{
  auto *box = new QMessageBox(QMessageBox::Critical, "ZUDUVaro",
                              QString::fromUtf8("Directory \"C:\\temp\" not found and cannot be created"),
                              QMessageBox::Ok);
  return box;
}

// Draws the grabbed widget into the sheet with a thin frame around it.
void Place(QPainter &p, const QPixmap &shot, QPoint at)
{
  p.drawPixmap(at, shot);
  p.setPen(QColor(0, 0, 0, 120));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(at, shot.deviceIndependentSize().toSize()).adjusted(-1, -1, 0, 0));
}

QPixmap Shot(QWidget *widget)
{
  widget->ensurePolished();
  widget->adjustSize();
  return widget->grab();
}

void SavePreview(const QString &skin, const QString &folder)
{
  TSkinManager manager;
  manager.SetSkinName(skin);
  manager.Apply();

  TMockWindow main = MainWindow(skin);
  main.window->show();
  QMessageBox *message = MessageBox();
  QDialog *about = AboutBox();
  about->show();
  message->show();
  QApplication::processEvents();

  const QPixmap window = main.window->grab();
  const QPixmap settings = Shot(main.settings);
  const QPixmap looks = Shot(main.looks);
  const QPixmap messageShot = message->grab();
  const QPixmap aboutShot = about->grab();

  auto *dicePage = qobject_cast<QTabWidget *>(main.window->centralWidget());
  dicePage->setCurrentIndex(5);
  QApplication::processEvents();
  const QPixmap kostky = dicePage->currentWidget()->grab(QRect(0, 300, 830, 150));

  const int right = window.width() + 30;
  QImage sheet(right + 420, std::max(window.height() + kostky.height() + 40, 720), QImage::Format_RGB32);
  sheet.fill(QColor(128, 128, 128));
  QPainter p(&sheet);
  Place(p, window, QPoint(10, 10));
  Place(p, kostky, QPoint(10, window.height() + 30));
  Place(p, settings, QPoint(right, 10));
  Place(p, looks, QPoint(right + settings.width() + 6, 10));
  Place(p, messageShot, QPoint(right, 10 + std::max(settings.height(), looks.height()) + 20));
  Place(p, aboutShot, QPoint(right, 10 + std::max(settings.height(), looks.height()) + messageShot.height() + 40));
  p.end();

  const QString path = QDir(folder).filePath(QString("skin_%1.png").arg(skin));
  sheet.save(path);
  QTextStream(stdout) << path << '\n';

  delete about;
  delete message;
  delete main.window;
}

}  // namespace

int main(int argc, char **argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: skin-preview <outdir> [skin ...]\n");
    return 2;
  }
  LoadTahoma();
  QApplication::setFont(Tahoma(11));
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  QStringList skins;
  for (int i = 2; i < argc; ++i)
    skins << QString::fromLocal8Bit(argv[i]);
  if (skins.isEmpty())
    skins = TSkinManager::SkinNames();
  for (const QString &skin : skins)
    SavePreview(skin, folder);
  return 0;
}
