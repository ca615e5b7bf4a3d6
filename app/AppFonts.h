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
