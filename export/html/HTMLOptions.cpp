#include "HTMLOptions.h"

namespace {

THTMLTemplateColors Colors(quint32 background, quint32 link, quint32 vlink, quint32 alink,
                           quint32 textColor, quint32 headersBg, quint32 headersFont, quint32 tableBg,
                           quint32 tableFont, quint32 oddRowBg) {
  return {RGBToColor(background), RGBToColor(link),      RGBToColor(vlink),
          RGBToColor(alink),      RGBToColor(textColor), QStringLiteral("Arial"),
          RGBToColor(headersBg),  RGBToColor(headersFont), RGBToColor(tableBg),
          RGBToColor(tableFont),  RGBToColor(oddRowBg)};
}

}  // namespace

THTMLTemplateColors TemplateColors(THTMLTemplate value) {
  // Background, link, visited, active, text; headers row background and font, table background
  // and font, odd row background.
  switch (value) {
  case htBW:
    return Colors(0xFFFFFF, 0xFF0000, 0x800080, 0x0000FF, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xF3F3F3);
  case htColorFul:
    return Colors(0x339966, 0x0066CC, 0x923FC1, 0x0000FF, 0xFFFFFF, 0xCC0033, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xFAF100);
  case htGray:
    return Colors(0xFFFFFF, 0xFF0000, 0x800080, 0x0000FF, 0x000000, 0x808080, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xEEEEEE);
  case htMS_Money:
    return Colors(0xFFFFFF, 0xFF0000, 0x800080, 0x0000FF, 0x000000, 0xCEC6B5, 0x000000, 0xDEE7DE, 0x000000, 0xFFFBF0);
  case htMurky:
    return Colors(0x317676, 0xFFE760, 0xCCCC39, 0xFFFF00, 0xFFFFFF, 0x3A9393, 0xFFFFFF, 0x276262, 0xFFE760, 0x367800);
  case htOlive:
    return Colors(0xFFFFFF, 0xFF0000, 0x800080, 0x0000FF, 0x5F605F, 0xCFC890, 0x000000, 0xFFFFFF, 0x5F605F, 0xFFFFCF);
  case htPlain:
    return Colors(0xFFFFFF, 0xFF0000, 0x800080, 0x0000FF, 0x000000, 0x068FE6, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xFFFCD9);
  case htSimple:
    return Colors(0xFFFFFF, 0xFF0000, 0x800080, 0x0000FF, 0x004080, 0x336699, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xFFFFCF);
  case htClassic:
  case htCustom:
    break;
  }
  return Colors(0x333399, 0x69EF7D, 0xFF00FF, 0x00FF00, 0xFFFFFF, 0xFF0000, 0xFFFFFF, 0x007AEC, 0xFFFFFF, 0x006BCE);
}

QString ColorToHTML(TColor color) {
  // Red and blue change places; a system colour's high byte stays and is printed as it is.
  const quint32 rgb = (color & 0xFF000000u) | ((color & 0xFF) << 16) | (color & 0xFF00) |
                      ((color >> 16) & 0xFF);
  return QLatin1Char('#') + QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

bool HTMLToColor(const QString &text, TColor &color) {
  if (text.size() != 7 || !text.startsWith(QLatin1Char('#')))
    return false;
  bool ok = false;
  const quint32 rgb = text.mid(1).toUInt(&ok, 16);
  if (!ok)
    return false;
  color = RGBToColor(rgb);
  return true;
}
