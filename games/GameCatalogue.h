#pragma once
// The six draw games as data, in page order (the order of the tabs). Every fixed value a game page,
// its drawing routine, its captions and its export need is read from here.

#include <QString>
#include <QStringList>
#include <array>

enum class TGame { Keno, Stastnych10, Euromiliony, LuckyLines, Sportka, Kostky };

// How the values of one field are drawn.
enum class TDrawKind {
  dkScan,  // Od values from 1 to Max (RndList_Keno, _Stastnych, _Euromiliony, _Sportka, _Kostky)
  dkBand   // one value from each band of five between 1 and 40 (RndList_LuckyLines)
};

// The value a game adds after its drawn numbers.
enum class TExtraValue {
  evNone,
  evPinkField,  // Euromilióny: "růžové pole", 1 to 4, column 8
  evSum         // Kostky: the sum of the six dice, column 7
};

struct TGameInfo {
  TGame Game;
  QString Id;            // command-line id: "keno", "stastnych10", ...
  QString FrameName;     // "frame_ball1" ... "frame_ball6"
  QString TabName;       // "tab_keno", "tab_stastnych_10", ...
  bool NumbersChosen;    // Keno and Šťastných 10: "Počet čísel" is visible and can be changed
  int NumbersMin;        // range and start value of "Počet čísel" (1..10 start 1, or the fixed count)
  int NumbersMax;
  int NumbersDefault;
  int Max;               // largest drawn value (values run from 1); Lucky Lines 40
  TDrawKind Draw;
  TExtraValue Extra;
  int ExtraColumn;       // table column of the extra value, 0 when none
  int LastCaptionedColumn;
  QStringList Captions;  // row 0 of the ticket table, columns 0 .. LastCaptionedColumn
  QString ExportName;    // sheet / table / page title of an export: "Keno", "Šťastných 10", ...
  int ImageIndex;        // index of the tab picture in the window's image list
  QString LogoName;      // base name of the tab logo file: "logo_keno", ...
  int SlotsUsed;         // ball slots the game uses at most (10, 8 or 6)
};

constexpr int GameCount = 6;

// All six games in page order.
const std::array<TGameInfo, GameCount> &GameCatalogue();
const TGameInfo &GameInfo(TGame game);
// The game with the given command-line id (case-insensitive), or null.
const TGameInfo *FindGameById(const QString &id);
// Page number 1..6 (frame_ball1 ... frame_ball6) of a game.
int PageNumber(TGame game);
