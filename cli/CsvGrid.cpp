#include "CsvGrid.h"

#include <QFile>
#include <cstdio>

QList<QStringList> ParseCsv(const QByteArray &utf8) {
  QString text = QString::fromUtf8(utf8);
  if (text.startsWith(QChar(0xFEFF)))
    text.remove(0, 1);

  QList<QStringList> rows;
  QStringList row;
  QString field;
  bool quoted = false;       // inside a quoted field
  bool fieldQuoted = false;  // the current field began with a quote
  int line = 1, quoteLine = 1;
  auto endField = [&]() {
    row << field;
    field.clear();
    fieldQuoted = false;
  };
  auto endRecord = [&]() {
    endField();
    rows << row;
    row.clear();
  };

  const int n = text.size();
  for (int i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('\n'))
      ++line;
    if (quoted) {
      if (c != QLatin1Char('"'))
        field += c;
      else if (i + 1 < n && text[i + 1] == QLatin1Char('"'))
        field += text[++i];
      else
        quoted = false;
    } else if (c == QLatin1Char('"') && field.isEmpty() && !fieldQuoted) {
      quoted = fieldQuoted = true;
      quoteLine = line;
    } else if (c == QLatin1Char(',')) {
      endField();
    } else if (c == QLatin1Char('\n')) {
      endRecord();
    } else if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) {
      // the line feed ends the record
    } else {
      field += c;
    }
  }
  if (quoted)
    throw ECsvError(QStringLiteral("CSV: the quoted field that starts on line %1 is not closed")
                        .arg(quoteLine)
                        .toStdString());
  // A last record without line end.
  if (!field.isEmpty() || fieldQuoted || !row.isEmpty())
    endRecord();
  return rows;
}

TCsvGrid::TCsvGrid(QList<QStringList> rows) : FRows(std::move(rows)) {
  for (const QStringList &row : FRows)
    FColCount = qMax(FColCount, int(row.size()));
  FRow = FixedRows();
}

QList<QStringList> TCsvGrid::ReadFile(const QString &fileName) {
  QFile file;
  bool opened;
  if (fileName == QLatin1String("-")) {
    opened = file.open(stdin, QIODevice::ReadOnly);
  } else {
    file.setFileName(fileName);
    opened = file.open(QIODevice::ReadOnly);
  }
  if (!opened)
    throw ECsvError(QStringLiteral("Cannot read \"%1\": %2").arg(fileName, file.errorString()).toStdString());
  return ParseCsv(file.readAll());
}
