#pragma once
// A string grid over a CSV file (RFC 4180, UTF-8): row 0 holds the captions, every further row is
// one record; short rows read as if padded with empty cells to the widest row.

#include "export/core/StringGrid.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <stdexcept>

// A CSV text that cannot be read; the message is what the user reads.
class ECsvError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The records of a CSV text: fields separated by commas, records ended by CRLF or LF, quoted
// fields with doubled quotes and line breaks inside. A leading byte-order mark is skipped.
QList<QStringList> ParseCsv(const QByteArray &utf8);

class TCsvGrid : public IStringGrid {
public:
  static constexpr int DefaultColWidth = 72;  // pixels, as the ticket table's columns

  explicit TCsvGrid(QList<QStringList> rows);
  // Reads fileName, or standard input for "-".
  static QList<QStringList> ReadFile(const QString &fileName);

  int ColCount() const override { return FColCount; }
  int RowCount() const override { return int(FRows.size()); }
  QString Cells(int col, int row) const override { return FRows.value(row).value(col); }
  int FixedRows() const override { return FRows.isEmpty() ? 0 : 1; }
  int Row() const override { return FRow; }
  void SetRow(int row) override { FRow = row; }
  int ColWidths(int) const override { return DefaultColWidth; }
  int TextWidth(const QString &text) const override { return HeadlessTextWidth(text); }

private:
  QList<QStringList> FRows;
  int FColCount = 0;
  int FRow = 0;
};
