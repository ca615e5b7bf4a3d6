#pragma once
// The ticket table of a game page (`_sg`): 11 text columns, row 0 the captions, column 0 the field
// labels, one row per generated field. It is a Qt table model, so a QTableView shows it directly
// (row 0 is an ordinary model row the view draws in the header style), and a string grid, so every
// exporter reads it directly.

#include "export/core/StringGrid.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>
#include <functional>

class TTicketTable : public QAbstractTableModel, public IStringGrid {
  Q_OBJECT

public:
  static constexpr int ColumnCount = 11;
  static constexpr int InitialRowCount = 2;  // caption row and one empty spare row
  static constexpr int DefaultColWidth = 72; // pixels, every column
  static constexpr int DefaultRowHeight = 22;

  // Extra model role: true for the cells drawn in the header style (row 0 and column 0).
  static constexpr int HeaderRole = Qt::UserRole + 1;

  // Measures a text in pixels in the table's font (Tahoma, height -11).
  using TTextMeasure = std::function<int(const QString &)>;

  explicit TTicketTable(QObject *parent = nullptr);

  // IStringGrid
  int ColCount() const override;
  int RowCount() const override;
  QString Cells(int col, int row) const override;  // empty outside the table
  int FixedRows() const override;
  int Row() const override;
  void SetRow(int row) override;                    // limited to the existing rows
  int ColWidths(int col) const override;
  int TextWidth(const QString &text) const override;

  // A larger count adds empty rows at the bottom, a smaller one removes rows from the bottom.
  // The count never goes below 2: the caption row and one row below it.
  void SetRowCount(int rows);
  // Writes one cell; throws std::out_of_range outside the table.
  void SetCell(int col, int row, const QString &text);
  // Empties every cell of the column, in all rows, then writes the text into row 0.
  void SetColumnText(int col, const QString &text);
  // Writes the text into the first empty cell of the column, scanning from row 0 down. Returns
  // false (and writes nothing) when the column has no empty cell.
  bool AppendToColumn(int col, const QString &text);
  // Empties every cell of the column.
  void ClearColumn(int col);
  // Writes the captions into row 0: SetColumnText for columns 0, 1, ... in order.
  void WriteCaptions(const QStringList &captions);

  // Replaces the text measure (the window installs one using the real font); null restores the
  // default, HeadlessTextWidth.
  void SetTextMeasure(TTextMeasure measure);

  // QAbstractTableModel
  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
  // The current row (Row) changed; the view may follow it.
  void currentRowChanged(int row);

private:
  void CheckColumn(int col) const;

  QVector<QStringList> FRows;  // FRows[row][col]
  int FRow = 1;
  TTextMeasure FTextMeasure;
};
