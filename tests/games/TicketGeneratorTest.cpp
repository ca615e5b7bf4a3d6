#include "games/GameCatalogue.h"
#include "games/GameError.h"
#include "games/TicketGenerator.h"

#include <gtest/gtest.h>

namespace {
QStringList AllCells(const TTicketTable &table) {
  QStringList cells;
  for (int row = 0; row < table.RowCount(); ++row)
    for (int col = 0; col < table.ColCount(); ++col) cells << table.Cells(col, row);
  return cells;
}
}  // namespace

TEST(TicketGenerator, SameSeedGivesTheSameTable) {
  for (const char *id : {"keno", "stastnych10", "euromiliony", "luckylines", "sportka", "kostky"}) {
    SCOPED_TRACE(id);
    TTicketTable first, second, other;
    GenerateTickets(first, {id, 5, 0, 42});
    GenerateTickets(second, {id, 5, 0, 42});
    GenerateTickets(other, {id, 5, 0, 43});
    EXPECT_EQ(AllCells(first), AllCells(second));
    EXPECT_NE(AllCells(first), AllCells(other));
    EXPECT_EQ(first.RowCount(), 6);
    EXPECT_EQ(first.Cells(0, 0), FindGameById(id)->Captions.first());
    EXPECT_EQ(first.Cells(0, 5), "Pole 5");
  }
}

TEST(TicketGenerator, ReplacesWhatTheTableHeld) {
  TTicketTable table;
  table.SetRowCount(30);
  table.SetCell(10, 29, "old");
  table.SetCell(10, 1, "old");
  GenerateTickets(table, {"sportka", 2, 6, 1});
  EXPECT_EQ(table.RowCount(), 3);
  EXPECT_TRUE(table.Cells(10, 1).isEmpty());
  EXPECT_FALSE(table.Cells(6, 2).isEmpty());
}

TEST(TicketGenerator, NumbersChooseTheKenoCount) {
  TTicketTable table;
  GenerateTickets(table, {"Keno", 3, 4, 9});
  for (int row = 1; row <= 3; ++row) {
    EXPECT_FALSE(table.Cells(4, row).isEmpty());
    EXPECT_TRUE(table.Cells(5, row).isEmpty());
  }
  GenerateTickets(table, {"stastnych10", 1, 0, 9});
  EXPECT_FALSE(table.Cells(1, 1).isEmpty());
  EXPECT_TRUE(table.Cells(2, 1).isEmpty()) << "one number by default";
}

TEST(TicketGenerator, RejectsRequestsTheGameCannotFill) {
  struct TCase {
    TTicketRequest request;
    const char *message;
  };
  const TCase cases[] = {
      {{"loto", 1, 0, 1},
       "Unknown game \"loto\"; the games are: keno, stastnych10, euromiliony, luckylines, "
       "sportka, kostky."},
      {{"keno", 0, 0, 1}, "The number of fields must be from 1 to 100, not 0."},
      {{"keno", 101, 0, 1}, "The number of fields must be from 1 to 100, not 101."},
      {{"keno", 1, 11, 1}, "Keno takes from 1 to 10 numbers per field, not 11."},
      {{"sportka", 1, 5, 1}, "Sportka always has 6 numbers per field, not 5."},
      {{"kostky", 1, -1, 1}, "Kostky always has 6 numbers per field, not -1."},
  };
  for (const TCase &c : cases) {
    TTicketTable table;
    try {
      GenerateTickets(table, c.request);
      ADD_FAILURE() << "accepted: " << c.message;
    } catch (const EGameError &e) {
      EXPECT_EQ(e.Message(), QString::fromUtf8(c.message));
    }
    EXPECT_EQ(table.RowCount(), 2) << "the table is untouched";
  }
}
