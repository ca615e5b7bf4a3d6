#pragma once
// The window is laid out for Tahoma (and the About box for MS Sans Serif). On Linux these come from
// the Wine font package, whose folder fontconfig does not always list; the program then loads the
// files itself so the captions keep the widths they were laid out for.

#include <QFont>
#include <QString>

// Registers tahoma.ttf and ms_sans_serif.ttf from the folder when the font database
// does not know Tahoma yet. Returns true when Tahoma is available afterwards.
bool LoadWindowFonts(const QString &folder = QStringLiteral("/usr/share/wine/fonts"));

// Tahoma at the given pixel height (the window's font heights are pixel heights).
QFont TahomaFont(int pixelSize, bool bold = false);

// Gives root the font, and every widget under it without a font of its own the font of its
// parent as its own. While the application has a style sheet (every skin is one), Qt passes no
// font from parent to child, so each widget holds its font itself.
class QWidget;
void SetFontThroughout(QWidget *root, const QFont &font);
