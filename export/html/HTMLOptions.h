#pragma once
// The HTML exporter's option objects and its colour templates.

#include "export/core/ExportTypes.h"

#include <QFlags>
#include <QString>
#include <QStringList>

enum TUsingCSS { usInternal = 0, usExternal };

enum THTMLTemplate {
  htCustom = 0,
  htBW,
  htClassic,
  htColorFul,
  htGray,
  htMS_Money,
  htMurky,
  htOlive,
  htPlain,
  htSimple
};

// A member suppresses the matching font line of the style sheet.
enum TDefaultOption { doFontName = 0x1, doFontSize = 0x2 };
Q_DECLARE_FLAGS(TDefaultOptions, TDefaultOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDefaultOptions)

class TTableOptions {
public:
  int Border = 1;
  int CellPadding = 4;
  int CellSpacing = 1;
  QStringList AdvancedAttributes;  // kept and copied, never written
  TColor HeadersRowBgColor = clBlack;
  TColor HeadersRowFontColor = clWhite;
  TColor TableBgColor = clWhite;
  TColor TableFontColor = clBlack;
  TColor OddRowBgColor = clWhite;
  TColor BorderColor = clWhite;  // any other colour frames the table in it
  QString BackgroundFileName;
};

class THTMLOptions {
public:
  THTMLOptions() { TextFont.Name = QStringLiteral("Arial"); }

  TColor BackgroundColor = clWhite;
  TColor LinkColor = clBlack;
  TColor VLinkColor = clBlack;
  TColor ALinkColor = clBlack;
  QString BackgroundFileName;
  TExportFont TextFont;
  QStringList AdvancedAttributes;  // kept and copied, never written
  TDefaultOptions DefaultOptions = doFontSize;
};

class TExportHTMLNavigation {
public:
  QString IndexLinkTemplate;
  bool OnTop = true;
  bool OnBottom = true;
  QString IndexLinkTitle = QStringLiteral("Index");
  QString FirstLinkTitle = QStringLiteral("First");
  QString PriorLinkTitle = QStringLiteral("Prior");
  QString NextLinkTitle = QStringLiteral("Next");
  QString LastLinkTitle = QStringLiteral("Last");
};

// The eleven colour and font values a template sets.
struct THTMLTemplateColors {
  TColor BackgroundColor, LinkColor, VLinkColor, ALinkColor, TextFontColor;
  QString TextFontName;
  TColor HeadersRowBgColor, HeadersRowFontColor, TableBgColor, TableFontColor, OddRowBgColor;
};

// The values of a template; htCustom has none and gives the htClassic values.
THTMLTemplateColors TemplateColors(THTMLTemplate value);

// A colour in the style sheet's notation: "#" and red, green, blue as upper-case hex digits.
QString ColorToHTML(TColor color);
// Reads the notation back; false when text is not "#" followed by six hex digits.
bool HTMLToColor(const QString &text, TColor &color);
// The stored colour of a colour written in "#RRGGBB" order.
constexpr TColor RGBToColor(quint32 rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
