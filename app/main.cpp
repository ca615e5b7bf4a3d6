// The program ZUDUVaro: the main window with its six game pages and the hidden About box.

#include "AboutBox.h"
#include "AppFonts.h"
#include "DesktopServices.h"
#include "MainWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZUDUVaro"));
  QApplication::setOrganizationName(QStringLiteral("ZUDUVaro"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/img/zuduvaro.png")));
  // Qt's own texts (standard buttons, dialog columns) in Czech when the translations are installed.
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTranslator);
  LoadWindowFonts();
  // The program's own dialogs (message boxes, the save dialog) share the window's font.
  QApplication::setFont(TahomaFont(11));
  // Written files are opened in the desktop's application for their type.
  SetShellOpener(std::make_shared<TDesktopShellOpener>());

  Tfrm_main frm_main;
  TAboutBox AboutBox(&frm_main);
  frm_main.SetAboutBox(&AboutBox);
  frm_main.show();
  return app.exec();
}
