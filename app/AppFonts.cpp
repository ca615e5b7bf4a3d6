#include "AppFonts.h"

#include <QDir>
#include <QFontDatabase>

bool LoadWindowFonts(const QString &folder) {
  if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
    return true;
  const QDir dir(folder);
  // Wine's tahomabd.ttf draws hardly heavier than the regular face at these sizes; without it the
  // bold texts (table values, ball numbers) are emboldened from tahoma.ttf and read as bold.
  for (const char *file : {"tahoma.ttf", "ms_sans_serif.ttf"}) {
    const QString path = dir.filePath(QString::fromLatin1(file));
    if (QFile::exists(path))
      QFontDatabase::addApplicationFont(path);
  }
  return QFontDatabase::families().contains(QStringLiteral("Tahoma"));
}

QFont TahomaFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}
