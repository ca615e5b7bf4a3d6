#pragma once
// The view of a ticket table (`_sg`): 72-pixel columns, 22-pixel rows, no Qt headers. Row 0 (the
// captions) and column 0 (the field labels) are ordinary model cells drawn in the header style by
// TTicketDelegate; the user neither selects nor edits cells.

#include <QStyledItemDelegate>
#include <QTableView>

class QHeaderView;

class TTicketTable;

class TTicketDelegate : public QStyledItemDelegate {
  Q_OBJECT

public:
  // Header cells are drawn as sections of `header`, so they take the look the skin gives headers.
  TTicketDelegate(QHeaderView *header, QObject *parent = nullptr)
      : QStyledItemDelegate(parent), FHeader(header) {}

  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override;

  // The font of a cell: header cells bold 11 px, field labels regular 11 px, values bold 16 px.
  static QFont CellFont(const QModelIndex &index);

private:
  QHeaderView *FHeader;
};

class TTicketGrid : public QTableView {
  Q_OBJECT

public:
  explicit TTicketGrid(TTicketTable &table, QWidget *parent = nullptr);
  TTicketTable &Table() const { return FTable; }

private:
  TTicketTable &FTable;
};
