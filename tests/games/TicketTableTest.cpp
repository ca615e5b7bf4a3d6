#include "games/TicketTable.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Fills the given rows of one column (row -> text); other cells stay empty.
void Fill(TTicketTable &table, int col, const std::vector<std::pair<int, QString>> &cells) {
  for (const auto &[row, text] : cells) table.SetCell(col, row, text);
}

QStringList Column(const TTicketTable &table, int col) {
  QStringList texts;
  for (int row = 0; row < table.RowCount(); ++row) texts << table.Cells(col, row);
  return texts;
}

}  // namespace

TEST(TicketTable, IsCreatedWithTwoEmptyRowsOfElevenColumns) {
  TTicketTable table;
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.ColCount(), 11);
  EXPECT_EQ(table.FixedRows(), 1);
  EXPECT_EQ(table.Row(), 1);
  for (int col = 0; col < 11; ++col) {
    EXPECT_EQ(table.ColWidths(col), 72);
    EXPECT_TRUE(table.Cells(col, 0).isEmpty());
    EXPECT_TRUE(table.Cells(col, 1).isEmpty());
  }
  EXPECT_EQ(table.rowCount(), 2);
  EXPECT_EQ(table.columnCount(), 11);
}

struct TAppendCase {
  const char *name;
  int rows;
  std::vector<std::pair<int, QString>> filled;
  bool written;
  QStringList expected;
};

TEST(TicketTable, AppendToColumnWritesTheFirstEmptyCellFromRowZero) {
  const std::vector<TAppendCase> cases = {
      {"empty column: row 0", 2, {}, true, {"x", ""}},
      {"caption only: row 1", 2, {{0, "KENO"}}, true, {"KENO", "x"}},
      {"gap above a filled cell is filled first", 4, {{0, "c"}, {2, "7"}}, true,
       {"c", "x", "7", ""}},
      {"full column: nothing written", 3, {{0, "c"}, {1, "1"}, {2, "2"}}, false,
       {"c", "1", "2"}},
  };
  for (const TAppendCase &c : cases) {
    SCOPED_TRACE(c.name);
    TTicketTable table;
    table.SetRowCount(c.rows);
    Fill(table, 3, c.filled);
    EXPECT_EQ(table.AppendToColumn(3, "x"), c.written);
    EXPECT_EQ(Column(table, 3), c.expected);
    EXPECT_EQ(table.RowCount(), c.rows);
    for (int col : {2, 4}) EXPECT_EQ(Column(table, col).join(""), "") << "column " << col;
  }
}

TEST(TicketTable, SetColumnTextEmptiesTheWholeColumnThenWritesRowZero) {
  TTicketTable table;
  table.SetRowCount(4);
  Fill(table, 5, {{0, "old"}, {1, "1"}, {3, "3"}});
  Fill(table, 6, {{1, "kept"}});
  table.SetColumnText(5, "5. číslo");
  EXPECT_EQ(Column(table, 5), QStringList({"5. číslo", "", "", ""}));
  EXPECT_EQ(table.Cells(6, 1), "kept");

  table.ClearColumn(5);
  EXPECT_EQ(Column(table, 5), QStringList({"", "", "", ""}));
}

TEST(TicketTable, RowCountAddsAndRemovesRowsAtTheBottomButKeepsTwo) {
  TTicketTable table;
  table.SetCell(1, 1, "a");
  table.SetRowCount(5);
  table.SetCell(1, 4, "d");
  table.SetRow(4);
  EXPECT_EQ(table.RowCount(), 5);
  EXPECT_TRUE(table.Cells(1, 3).isEmpty());

  table.SetRowCount(3);
  EXPECT_EQ(table.RowCount(), 3);
  EXPECT_EQ(table.Cells(1, 1), "a");
  EXPECT_EQ(table.Row(), 2) << "the current row follows the last remaining row";

  table.SetRowCount(5);
  EXPECT_TRUE(table.Cells(1, 4).isEmpty()) << "rows added again come empty";

  table.SetRowCount(0);
  EXPECT_EQ(table.RowCount(), 2);
}

TEST(TicketTable, CellsOutsideTheTableReadEmptyAndCannotBeWritten) {
  TTicketTable table;
  EXPECT_TRUE(table.Cells(11, 0).isEmpty());
  EXPECT_TRUE(table.Cells(0, 2).isEmpty());
  EXPECT_TRUE(table.Cells(-1, 0).isEmpty());
  EXPECT_THROW(table.SetCell(0, 2, "x"), std::out_of_range);
  EXPECT_THROW(table.AppendToColumn(11, "x"), std::out_of_range);
  EXPECT_THROW(table.SetColumnText(-1, "x"), std::out_of_range);
}

TEST(TicketTable, TextWidthUsesTheHeadlessFontTableUnlessAMeasureIsInstalled) {
  TTicketTable table;
  EXPECT_EQ(table.TextWidth("X"), HeadlessTextWidth("X"));
  EXPECT_GT(table.TextWidth("Pole 10"), table.TextWidth("Pole"));

  table.SetTextMeasure([](const QString &text) { return 100 * text.size(); });
  EXPECT_EQ(table.TextWidth("XY"), 200);
  table.SetTextMeasure(nullptr);
  EXPECT_EQ(table.TextWidth("X"), HeadlessTextWidth("X"));
}

TEST(TicketTable, ModelShowsTextsAlignmentAndHeaderCells) {
  TTicketTable table;
  table.SetCell(0, 0, "KENO");
  table.SetCell(0, 1, "Pole 1");
  table.SetCell(3, 1, "42");

  EXPECT_EQ(table.data(table.index(1, 3)).toString(), "42");
  EXPECT_EQ(table.data(table.index(0, 0)).toString(), "KENO");
  EXPECT_EQ(table.data(table.index(1, 0), Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignLeft | Qt::AlignVCenter));
  EXPECT_EQ(table.data(table.index(1, 3), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
  EXPECT_EQ(table.data(table.index(0, 3), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

  EXPECT_TRUE(table.data(table.index(0, 5), TTicketTable::HeaderRole).toBool());
  EXPECT_TRUE(table.data(table.index(1, 0), TTicketTable::HeaderRole).toBool());
  EXPECT_FALSE(table.data(table.index(1, 5), TTicketTable::HeaderRole).toBool());
  EXPECT_FALSE(table.flags(table.index(1, 3)) & Qt::ItemIsEditable);
}

TEST(TicketTable, ModelReportsEveryChangeToTheView) {
  TTicketTable table;
  std::vector<std::pair<int, int>> changed;
  int inserted = 0, removed = 0;
  QObject::connect(&table, &QAbstractItemModel::dataChanged,
                   [&](const QModelIndex &from, const QModelIndex &) {
                     changed.emplace_back(from.row(), from.column());
                   });
  QObject::connect(&table, &QAbstractItemModel::rowsInserted,
                   [&](const QModelIndex &, int first, int last) { inserted += last - first + 1; });
  QObject::connect(&table, &QAbstractItemModel::rowsRemoved,
                   [&](const QModelIndex &, int first, int last) { removed += last - first + 1; });

  table.AppendToColumn(2, "7");
  table.SetRowCount(4);
  table.SetRowCount(3);
  EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{0, 2}}));
  EXPECT_EQ(inserted, 2);
  EXPECT_EQ(removed, 1);
  EXPECT_EQ(table.rowCount(), 3);
}
