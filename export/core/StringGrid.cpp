#include "StringGrid.h"

namespace {

// Advance widths in pixels of the printable ASCII characters (32 to 126) of Tahoma at a height of
// 11 pixels, the grid font of the ticket tables.
constexpr unsigned char TahomaAdvance[95] = {
    3, 3, 4, 8, 6, 11, 8, 2, 4, 4, 6, 8, 3, 4, 3, 4,
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 4, 4, 8, 8, 8, 6,
    11, 7, 6, 7, 7, 6, 6, 7, 7, 4, 5, 6, 5, 9, 7, 8,
    6, 8, 7, 6, 6, 7, 7, 10, 6, 6, 6, 4, 4, 4, 8, 6,
    6, 6, 6, 5, 6, 6, 3, 6, 6, 3, 3, 6, 3, 9, 6, 6,
    6, 6, 4, 5, 4, 6, 6, 8, 6, 6, 5, 6, 5, 6, 8,
};

// Width of characters outside the table: an average lower-case letter.
constexpr int DefaultAdvance = 6;

int Advance(QChar c) {
  const ushort code = c.unicode();
  if (code >= 32 && code <= 126)
    return TahomaAdvance[code - 32];
  // Accented letters are as wide as their base letter ("č" as "c").
  const QString decomposed = c.decomposition();
  if (!decomposed.isEmpty()) {
    const ushort base = decomposed.at(0).unicode();
    if (base >= 32 && base <= 126)
      return TahomaAdvance[base - 32];
  }
  return DefaultAdvance;
}

}  // namespace

int HeadlessTextWidth(const QString &text) {
  int width = 0;
  for (QChar c : text) {
    if (c.isLowSurrogate())
      continue;  // a pair counts once, as its high half
    width += Advance(c);
  }
  return width;
}
