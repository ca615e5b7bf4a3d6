#pragma once
// What the core tests share: a tiny string grid, an exporter that records the order of its hooks
// and writes one line per caption row and record, and fixed number and date settings.

#include "export/core/ExportError.h"
#include "export/core/ExportFormats.h"
#include "export/core/Exporter.h"
#include "export/core/StringGrid.h"

#include <QBuffer>
#include <QStringList>
#include <QVector>
#include <functional>
#include <ostream>

// Readable test failures for Qt's texts.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray &b, std::ostream *os) { *os << '"' << b.toStdString() << '"'; }

// Rows of cells; row 0 is the fixed caption row unless Fixed says otherwise.
class TTestGrid : public IStringGrid {
public:
  TTestGrid() = default;
  explicit TTestGrid(QVector<QStringList> rows) : Rows(std::move(rows)) {}

  QVector<QStringList> Rows;
  int Fixed = 1;
  int Current = 0;
  int PixelWidth = 72;

  int ColCount() const override { return Rows.isEmpty() ? 0 : int(Rows.first().size()); }
  int RowCount() const override { return int(Rows.size()); }
  QString Cells(int col, int row) const override {
    if (row < 0 || row >= Rows.size() || col < 0 || col >= Rows.at(row).size())
      return QString();
    return Rows.at(row).at(col);
  }
  int FixedRows() const override { return Fixed; }
  int Row() const override { return Current; }
  void SetRow(int row) override { Current = row; }
  int ColWidths(int) const override { return PixelWidth; }
  int TextWidth(const QString &text) const override { return HeadlessTextWidth(text); }
};

// A one-column grid: caption "Label" and the data rows r1 ... rN.
inline TTestGrid NumberedGrid(int dataRows) {
  TTestGrid grid;
  grid.Rows << QStringList{QStringLiteral("Label")};
  for (int i = 1; i <= dataRows; ++i)
    grid.Rows << QStringList{QStringLiteral("r%1").arg(i)};
  return grid;
}

// Records every hook in Log and writes the caption row and each record as one line of values
// separated by "|". OnHook lets a test abort or raise at a given hook.
class TRecordingExporter : public TExporterFormatText {
public:
  QStringList Log;
  std::function<void(const QString &hook)> OnHook;
  TExposedSettings Extra;  // settings exposed on top of the class's own (as a writer adds them)

  TExposedSettings ExposedSettings() const override {
    TExposedSettings settings = TExporterFormatText::ExposedSettings();
    settings.unite(Extra);
    return settings;
  }

  // The text of a run to a memory stream, decoded as UTF-8.
  QString RunToText() { return QString::fromUtf8(RunToBytes()); }
  QByteArray RunToBytes() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ExportToStream(&buffer);
    return buffer.data();
  }

  using TExporter::ColumnCaption;

protected:
  void Hook(const QString &name) {
    Log << name;
    if (OnHook)
      OnHook(name);
  }
  void StartExport() override {
    TExporterFormatText::StartExport();
    Hook(QStringLiteral("StartExport"));
  }
  void WriteCaptions() override {
    QStringList cells;
    for (int i = 0; i < Columns().Count(); ++i)
      cells << ColumnCaption(i);
    Writer()->WriteLn(cells.join(QLatin1Char('|')));
    Hook(QStringLiteral("WriteCaptions"));
  }
  void BeforeDataRows() override { Hook(QStringLiteral("BeforeDataRows")); }
  void WriteRecord() override {
    QStringList cells;
    for (int i = 0; i < ExportRow().Count(); ++i)
      cells << GetExportedValue(ExportRow()[i]);
    Writer()->WriteLn(cells.join(QLatin1Char('|')));
    Hook(QStringLiteral("WriteRecord"));
  }
  void AfterDataRows() override {
    TExporterFormatText::AfterDataRows();
    Hook(QStringLiteral("AfterDataRows"));
  }
  void CompleteExport() override {
    TExporterFormatText::CompleteExport();
    Hook(QStringLiteral("CompleteExport"));
  }
};

// An exporter bound to grid the way the main window binds its exporters.
inline void BindGrid(TExporter &exporter, IStringGrid &grid) {
  exporter.SetExportSource(esStringGrid);
  exporter.SetStringGrid(&grid);
  exporter.SetCaptionRow(0);
}

// Fixes the process-wide separators and short patterns for the life of a test, so results do not
// depend on the machine's locale. Create exporters after it: their formats take these separators.
class TFixedFormatSettings {
public:
  TFixedFormatSettings() : FSaved(CurrentFormatSettings()) {
    TFormatSettings &fs = CurrentFormatSettings();
    fs.DecimalSeparator = QLatin1Char('.');
    fs.ThousandSeparator = QLatin1Char(',');
    fs.DateSeparator = QLatin1Char('/');
    fs.TimeSeparator = QLatin1Char(':');
    fs.ShortDateFormat = QStringLiteral("mm/dd/yyyy");
    fs.ShortTimeFormat = QStringLiteral("hh:nn");
  }
  ~TFixedFormatSettings() { CurrentFormatSettings() = FSaved; }

private:
  TFormatSettings FSaved;
};
