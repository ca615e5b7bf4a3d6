#include "TicketGrid.h"

#include "AppFonts.h"
#include "games/TicketTable.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>

QFont TTicketDelegate::CellFont(const QModelIndex &index) {
  if (index.row() == 0)
    return TahomaFont(11, true);
  if (index.column() == 0)
    return TahomaFont(11, false);
  return TahomaFont(16, true);
}

void TTicketDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const {
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  // No highlighted selection and no focus frame: the current row is the engine's business.
  opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
  opt.font = CellFont(index);
  opt.fontMetrics = QFontMetrics(opt.font);
  const QPalette &pal = opt.palette;
  const bool header = index.data(TTicketTable::HeaderRole).toBool();

  painter->save();
  if (header) {
    QStyleOptionHeader section;
    section.initFrom(FHeader);
    section.rect = opt.rect;
    section.state = QStyle::State_Enabled | QStyle::State_Raised;
    section.section = index.column();
    section.orientation = Qt::Horizontal;
    FHeader->style()->drawControl(QStyle::CE_HeaderSection, &section, painter, FHeader);
  } else {
    painter->fillRect(opt.rect, pal.base());
  }
  painter->setFont(opt.font);
  painter->setPen(pal.color(header ? QPalette::ButtonText : QPalette::Text));
  const QRect textRect = opt.rect.adjusted(4, 0, -4, 0);
  const QString text = opt.fontMetrics.elidedText(opt.text, Qt::ElideRight, textRect.width());
  painter->drawText(textRect, int(opt.displayAlignment), text);
  painter->restore();
}

TTicketGrid::TTicketGrid(TTicketTable &table, QWidget *parent)
    : QTableView(parent), FTable(table) {
  setObjectName(QStringLiteral("_sg"));
  setModel(&table);
  setItemDelegate(new TTicketDelegate(horizontalHeader(), this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(TTicketTable::DefaultColWidth);
  verticalHeader()->setDefaultSectionSize(TTicketTable::DefaultRowHeight);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  // New fields are added at the bottom: keep the newest one in sight.
  connect(&table, &QAbstractItemModel::rowsInserted, this,
          [this](const QModelIndex &, int, int last) {
            scrollTo(model()->index(last, 0));
          });
}
