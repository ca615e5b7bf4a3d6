// Over many seeded runs every generated field must be a valid ticket for its game.
#include "games/GameCatalogue.h"
#include "games/TicketGenerator.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct TGameCase {
  const char *id;
  int numbers;  // values drawn from 1..max into columns 1..numbers
  int max;
  bool distinct;
};

const TGameCase GameCases[] = {
    {"keno", 10, 70, true},       {"keno", 3, 70, true},     {"keno", 1, 70, true},
    {"stastnych10", 10, 80, true}, {"stastnych10", 7, 80, true},
    {"euromiliony", 7, 35, true}, {"sportka", 6, 49, true},  {"kostky", 6, 6, false},
};

constexpr int Seeds = 12;
constexpr int Fields = 100;

}  // namespace

TEST(DrawValidity, ScanGamesDrawValidFieldsInDrawOrder) {
  for (const TGameCase &c : GameCases) {
    SCOPED_TRACE(std::string(c.id) + " with " + std::to_string(c.numbers) + " numbers");
    const TGameInfo &info = *FindGameById(c.id);
    QSet<int> seen;
    int unsortedFields = 0, fieldsWithRepeats = 0;
    for (int seed = 1; seed <= Seeds; ++seed) {
      TTicketTable table;
      GenerateTickets(table, {c.id, Fields, c.numbers, std::uint64_t(seed)});
      ASSERT_EQ(table.RowCount(), Fields + 1);
      for (int row = 1; row <= Fields; ++row) {
        QSet<int> field;
        bool ascending = true;
        int previous = 0, sum = 0;
        for (int col = 1; col <= c.numbers; ++col) {
          bool ok = false;
          const int value = table.Cells(col, row).toInt(&ok);
          ASSERT_TRUE(ok && value >= 1 && value <= c.max)
              << "seed " << seed << " row " << row << ": \"" << table.Cells(col, row).toStdString()
              << "\"";
          ascending &= value > previous;
          previous = value;
          sum += value;
          field.insert(value);
          seen.insert(value);
        }
        if (c.distinct) {
          ASSERT_EQ(field.size(), c.numbers) << "repeated number, seed " << seed << " row " << row;
        }
        fieldsWithRepeats += field.size() < c.numbers;
        unsortedFields += !ascending;
        if (info.Extra == TExtraValue::evPinkField) {
          const int pink = table.Cells(8, row).toInt();
          ASSERT_TRUE(pink >= 1 && pink <= 4);
        }
        if (info.Extra == TExtraValue::evSum) {
          ASSERT_EQ(table.Cells(7, row), QString::number(sum));
        }
        const int lastUsed = info.Extra == TExtraValue::evNone ? c.numbers : info.ExtraColumn;
        for (int col = lastUsed + 1; col <= 10; ++col) {
          ASSERT_TRUE(table.Cells(col, row).isEmpty()) << "column " << col;
        }
      }
    }
    EXPECT_EQ(seen.size(), c.max) << "every value from 1 to the maximum comes up";
    if (c.numbers > 1) {
      EXPECT_GT(unsortedFields, 0) << "values stay in draw order";
    }
    if (!c.distinct) {
      EXPECT_GT(fieldsWithRepeats, 0) << "dice may repeat";
    }
  }
}

TEST(DrawValidity, LuckyLinesTakesOneValueFromEachBand) {
  std::vector<QSet<int>> seen(9);
  for (int seed = 1; seed <= Seeds; ++seed) {
    TTicketTable table;
    GenerateTickets(table, {"luckylines", Fields, 0, std::uint64_t(seed)});
    for (int row = 1; row <= Fields; ++row) {
      for (int k = 1; k <= 8; ++k) {
        const int value = table.Cells(k, row).toInt();
        ASSERT_TRUE(value >= 5 * k - 4 && value <= 5 * k) << "row " << row << " band " << k;
        seen[k].insert(value);
      }
      ASSERT_TRUE(table.Cells(9, row).isEmpty());
    }
  }
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(seen[k].size(), 5) << "band " << k;
}
