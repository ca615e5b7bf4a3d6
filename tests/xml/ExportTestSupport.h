#pragma once
// What the exporter tests share: an in-memory string grid, a shell opener that only records, and
// small file helpers.

#include "export/core/Exporter.h"
#include "export/core/ShellOpener.h"
#include "export/core/StringGrid.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>
#include <memory>
#include <utility>

// A grid of text rows; row 0 is the caption row, the only fixed row.
class TTestGrid : public IStringGrid {
public:
  explicit TTestGrid(QList<QStringList> rows) : FRows(std::move(rows)) {}

  int ColCount() const override {
    int count = 0;
    for (const QStringList &row : FRows)
      count = qMax(count, int(row.size()));
    return count;
  }
  int RowCount() const override { return int(FRows.size()); }
  QString Cells(int col, int row) const override { return FRows.value(row).value(col); }
  int FixedRows() const override { return 1; }
  int Row() const override { return FRow; }
  void SetRow(int row) override { FRow = row; }
  int ColWidths(int) const override { return 72; }
  int TextWidth(const QString &text) const override { return HeadlessTextWidth(text); }

private:
  QList<QStringList> FRows;
  int FRow = 1;
};

// The three-column Sportka table of the worked examples: two fields.
inline TTestGrid SportkaGrid() {
  return TTestGrid({{QStringLiteral("Sportka"), QStringLiteral("1. číslo"), QStringLiteral("2. číslo")},
                    {QStringLiteral("Pole 1"), QStringLiteral("5"), QStringLiteral("17")},
                    {QStringLiteral("Pole 2"), QStringLiteral("23"), QStringLiteral("42")}});
}

// The settings every exporter of the main window is stored with, bound to grid as an export
// action binds it.
inline void BindLikeTheWindow(TExporterText &exporter, IStringGrid &grid, const QString &fileName) {
  exporter.SetExportSource(esStringGrid);
  exporter.SetCaptionRow(0);
  exporter.SetShowFile(true);
  exporter.SetFileName(fileName);
  exporter.SetStringGrid(&grid);
  exporter.SetExportRecCount(grid.RowCount());
}

// Records what the exporter asks the shell to open, and opens nothing.
class TRecordingOpener : public IShellOpener {
public:
  void ShellExecute(const QString &verb, const QString &fileName) override {
    Calls << verb + QLatin1Char(' ') + fileName;
  }
  QStringList Calls;
};

// Installs a recording opener for the lifetime of the object.
class TOpenerScope {
public:
  TOpenerScope() : FOpener(std::make_shared<TRecordingOpener>()) { SetShellOpener(FOpener); }
  ~TOpenerScope() { SetShellOpener(nullptr); }
  const QStringList &Calls() const { return FOpener->Calls; }

private:
  std::shared_ptr<TRecordingOpener> FOpener;
};

inline QByteArray ReadAll(const QString &fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    return QByteArray("<missing>");
  return file.readAll();
}

inline void WriteAll(const QString &fileName, const QByteArray &bytes) {
  QFile file(fileName);
  if (file.open(QIODevice::WriteOnly))
    file.write(bytes);
}

// Lines joined with carriage return and line feed, each one ended by them.
inline QByteArray CrLfLines(const QStringList &lines) {
  QByteArray bytes;
  for (const QString &line : lines)
    bytes += line.toUtf8() + "\r\n";
  return bytes;
}

inline QStringList FilesIn(const QString &dir) {
  return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
