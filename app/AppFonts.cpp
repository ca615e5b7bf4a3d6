#include "AppFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QWidget>

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

void SetFontThroughout(QWidget *root, const QFont &font) {
  root->setFont(font);
  // Parents come before their children, so each widget takes its parent's font as settled here.
  for (QWidget *widget : root->findChildren<QWidget *>()) {
    if (widget->testAttribute(Qt::WA_SetFont) || !widget->parentWidget())
      continue;
    const QFont inherited = widget->parentWidget()->font();
    // A copy with every property set explicitly: a font that only inherits is not kept.
    QFont own(inherited.family());
    if (inherited.pixelSize() > 0)
      own.setPixelSize(inherited.pixelSize());
    else
      own.setPointSizeF(inherited.pointSizeF());
    own.setWeight(inherited.weight());
    own.setItalic(inherited.italic());
    widget->setFont(own);
  }
}
