#pragma once
// Fills a ticket table for a game without a window, animation or pauses: the command line's
// `--game GAME [--fields N] [--numbers K] [--seed S]`. It runs the same drawing routines as the
// window, with a host that neither pumps nor waits; the same seed gives the same table.

#include "games/TicketTable.h"

#include <QString>
#include <cstdint>
#include <optional>

struct TTicketRequest {
  QString GameId;                      // keno, stastnych10, euromiliony, luckylines, sportka, kostky
  int Fields = 1;                      // 1 to 100
  int Numbers = 0;                     // 0: the game's default; Keno, Šťastných 10: 1 to 10;
                                       // the other games accept only their fixed count
  std::optional<std::uint64_t> Seed;   // none: seeded from the clock
};

// The ids in page order, for help texts: "keno, stastnych10, ...".
QString TicketGameIds();

// Replaces the table's content with the captions and the generated fields (Fields + 1 rows).
// Throws EGameError with the user's text for an unknown game or a count out of range.
void GenerateTickets(TTicketTable &table, const TTicketRequest &request);
