#include "games/TicketTable.h"

#include <stdexcept>

TTicketTable::TTicketTable(QObject *parent) : QAbstractTableModel(parent) {
  for (int r = 0; r < InitialRowCount; ++r) FRows.append(QStringList(QVector<QString>(ColumnCount)));
}

int TTicketTable::ColCount() const { return ColumnCount; }
int TTicketTable::RowCount() const { return FRows.size(); }

QString TTicketTable::Cells(int col, int row) const {
  if (col < 0 || col >= ColumnCount || row < 0 || row >= FRows.size()) return QString();
  return FRows[row][col];
}

int TTicketTable::FixedRows() const { return 1; }
int TTicketTable::Row() const { return FRow; }

void TTicketTable::SetRow(int row) {
  row = qBound(0, row, RowCount() - 1);
  if (row == FRow) return;
  FRow = row;
  emit currentRowChanged(FRow);
}

int TTicketTable::ColWidths(int col) const {
  Q_UNUSED(col);
  return DefaultColWidth;
}

int TTicketTable::TextWidth(const QString &text) const {
  return FTextMeasure ? FTextMeasure(text) : HeadlessTextWidth(text);
}

void TTicketTable::SetTextMeasure(TTextMeasure measure) { FTextMeasure = std::move(measure); }

void TTicketTable::SetRowCount(int rows) {
  rows = qMax(rows, FixedRows() + 1);
  const int old = RowCount();
  if (rows > old) {
    beginInsertRows(QModelIndex(), old, rows - 1);
    while (FRows.size() < rows) FRows.append(QStringList(QVector<QString>(ColumnCount)));
    endInsertRows();
  } else if (rows < old) {
    beginRemoveRows(QModelIndex(), rows, old - 1);
    FRows.resize(rows);
    endRemoveRows();
    if (FRow >= rows) SetRow(rows - 1);
  }
}

void TTicketTable::CheckColumn(int col) const {
  if (col < 0 || col >= ColumnCount)
    throw std::out_of_range("ticket table column " + std::to_string(col) + " does not exist");
}

void TTicketTable::SetCell(int col, int row, const QString &text) {
  CheckColumn(col);
  if (row < 0 || row >= RowCount())
    throw std::out_of_range("ticket table row " + std::to_string(row) + " does not exist");
  if (FRows[row][col] == text) return;
  FRows[row][col] = text;
  const QModelIndex cell = index(row, col);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void TTicketTable::ClearColumn(int col) {
  CheckColumn(col);
  for (int row = 0; row < RowCount(); ++row) SetCell(col, row, QString());
}

void TTicketTable::SetColumnText(int col, const QString &text) {
  ClearColumn(col);
  SetCell(col, 0, text);
}

bool TTicketTable::AppendToColumn(int col, const QString &text) {
  CheckColumn(col);
  for (int row = 0; row < RowCount(); ++row) {
    if (FRows[row][col].isEmpty()) {
      SetCell(col, row, text);
      return true;
    }
  }
  return false;
}

void TTicketTable::WriteCaptions(const QStringList &captions) {
  for (int col = 0; col < captions.size(); ++col) SetColumnText(col, captions[col]);
}

int TTicketTable::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : RowCount();
}

int TTicketTable::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant TTicketTable::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= RowCount() || index.column() >= ColumnCount)
    return QVariant();
  switch (role) {
    case Qt::DisplayRole:
      return FRows[index.row()][index.column()];
    case Qt::TextAlignmentRole:
      return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                 : int(Qt::AlignCenter);
    case HeaderRole:
      return index.row() < FixedRows() || index.column() == 0;
    default:
      return QVariant();
  }
}

Qt::ItemFlags TTicketTable::flags(const QModelIndex &index) const {
  // The user reads the table but never edits or selects its cells.
  return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}
