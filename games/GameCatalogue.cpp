#include "games/GameCatalogue.h"

namespace {

// "1. číslo" ... "N. číslo" (or "kostka"): the column number, a full stop, a blank and the word.
QStringList NumberedCaptions(const QString &first, int count, const QString &word) {
  QStringList captions{first};
  for (int k = 1; k <= count; ++k)
    captions << QStringLiteral("%1. %2").arg(k).arg(word);
  return captions;
}

std::array<TGameInfo, GameCount> MakeCatalogue() {
  const QString cislo = QStringLiteral("číslo");
  const QString kostka = QStringLiteral("kostka");
  return {{
      {TGame::Keno, "keno", "frame_ball1", "tab_keno", true, 1, 10, 1, 70, TDrawKind::dkScan,
       TExtraValue::evNone, 0, 10, NumberedCaptions("KENO", 10, cislo), "Keno", 1, "logo_keno", 10},
      {TGame::Stastnych10, "stastnych10", "frame_ball2", "tab_stastnych_10", true, 1, 10, 1, 80,
       TDrawKind::dkScan, TExtraValue::evNone, 0, 10,
       NumberedCaptions(QStringLiteral("Šťastných 10"), 10, cislo), QStringLiteral("Šťastných 10"),
       2, "logo_stastnych10", 10},
      {TGame::Euromiliony, "euromiliony", "frame_ball3", "tab_euro_miliony", false, 7, 7, 7, 35,
       TDrawKind::dkScan, TExtraValue::evPinkField, 8, 8,
       NumberedCaptions(QStringLiteral("Euromilióny"), 7, cislo) << QStringLiteral("růžové pole"),
       QStringLiteral("Euromilióny"), 0, "logo_euromiliony", 8},
      {TGame::LuckyLines, "luckylines", "frame_ball4", "tab_lucky_lines", false, 8, 8, 8, 40,
       TDrawKind::dkBand, TExtraValue::evNone, 0, 8, NumberedCaptions("Lucky Lines", 8, cislo),
       "Lucky Lines", 5, "logo_luckylines", 8},
      {TGame::Sportka, "sportka", "frame_ball5", "tab_sportka", false, 6, 6, 6, 49, TDrawKind::dkScan,
       TExtraValue::evNone, 0, 6, NumberedCaptions("Sportka", 6, cislo), "Sportka", 4,
       "logo_sportka", 6},
      {TGame::Kostky, "kostky", "frame_ball6", "tab_kostky", false, 6, 6, 6, 6, TDrawKind::dkScan,
       TExtraValue::evSum, 7, 7,
       NumberedCaptions("Kostky", 6, kostka) << QStringLiteral("součet"), "Kostky", 3,
       "logo_kostky", 6},
  }};
}

}  // namespace

const std::array<TGameInfo, GameCount> &GameCatalogue() {
  static const std::array<TGameInfo, GameCount> catalogue = MakeCatalogue();
  return catalogue;
}

const TGameInfo &GameInfo(TGame game) { return GameCatalogue()[PageNumber(game) - 1]; }

const TGameInfo *FindGameById(const QString &id) {
  for (const TGameInfo &info : GameCatalogue())
    if (info.Id.compare(id.trimmed(), Qt::CaseInsensitive) == 0) return &info;
  return nullptr;
}

int PageNumber(TGame game) { return static_cast<int>(game) + 1; }
