#include "DesktopServices.h"

#include <QDesktopServices>

void TDesktopUrlOpener::OpenUrl(const QUrl &url) { QDesktopServices::openUrl(url); }

void TDesktopShellOpener::ShellExecute(const QString &verb, const QString &fileName) {
  Q_UNUSED(verb);
  QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}
