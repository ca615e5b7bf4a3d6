#pragma once
// Export columns (what each column reads and how it is captioned and formatted) and the export
// row (the values of the current record).

#include "ExportTypes.h"

#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class TExporter;
class TExportColumns;
class TExportRow;

class TExportColumn {
public:
  explicit TExportColumn(TExportColumns *columns) : FColumns(columns) {}

  TExportColumns *Columns() const { return FColumns; }
  int Number = 0;
  TExportColType ColType = ectString;
  QString Name;
  QString Caption;
  int Width = 0;
  TExportColAlign ColAlign = ecaLeft;
  QString Format;
  QString SQLType;
  int Length = 255;
  int Tag = 0;
  bool IsExported = false;

  bool AllowFormat() const { return ColType <= ectDateTime; }
  bool IsNumeric() const { return ColType <= ectCurrency; }
  bool IsString() const { return ColType == ectString; }
  bool IsBlob() const { return false; }
  bool IsMemo() const { return false; }
  bool IsVisible() const { return true; }
  bool IsDefaultFormat() const;
  QString GetDefaultFormat() const;
  void SetDefaultFormat() { Format = GetDefaultFormat(); }

private:
  TExportColumns *FColumns;
};

class TExportColumns {
public:
  explicit TExportColumns(TExporter *holder);

  TExporter *Holder() const { return FHolder; }
  int Count() const { return int(FItems.size()); }
  TExportColumn &operator[](int index) { return *FItems.at(index); }
  const TExportColumn &operator[](int index) const { return *FItems.at(index); }

  TExportColumn &Add();
  void Clear() { FItems.clear(); }
  void Fill();              // rebuilds the collection from the exporter's source
  void AutoCalcColWidth();  // widens every column to its longest caption or value
  int IndexOfName(const QString &name) const;
  void EmptyTags();
  bool GetColumnIsNull(int index) const;
  QVariant GetColumnData(int index) const;
  bool ContainsBLOB() const;
  bool ContainsMEMO() const;
  // Reads the value of column index at the source's current record and converts and formats it
  // by the column's type: the text a writer gets and the typed value (empty when none).
  void ReadValue(int index, QString &text, QVariant &data) const;
  // The type of a column whose sample value is sample (AutoCalcStrType).
  TExportColType GuessType(const QString &sample) const;
  int RecordCounter() const { return FRecordCounter; }

private:
  // The grid the exporter reads, or null when its source is not a bound string grid.
  class IStringGrid *HolderGrid() const;
  // A list setting of the exporter, empty when its class does not expose the setting.
  QStringList Setting(const char *name, const QStringList &value) const;

  TExporter *FHolder;
  std::vector<std::unique_ptr<TExportColumn>> FItems;
  int FRecordCounter = 0;
  // Copies of the exporter's settings taken by Fill, read once per value afterwards.
  class IStringGrid *FGrid = nullptr;
  bool FFetchedRecordExposed = false;
  int FSkipRecCount = 0;
};

class TExportCol {
public:
  TExportCol(TExportRow *row, const QString &name) : FRow(row), FName(name.trimmed()) {}
  const QString &Name() const { return FName; }
  TExportRow *Row() const { return FRow; }
  QString Value;
  int ColumnIndex = -1;
  QVariant Data;

private:
  TExportRow *FRow;
  QString FName;
};

class TExportRow {
public:
  TExportRow(TExportColumns *columns, class TExportFormats *formats)
      : FColumns(columns), FFormats(formats) {}

  TExportColumns *Columns() const { return FColumns; }
  TExportFormats *Formats() const { return FFormats; }
  int Count() const { return int(FItems.size()); }
  TExportCol &operator[](int index) { return *FItems.at(index); }
  const TExportCol &operator[](int index) const { return *FItems.at(index); }

  TExportCol &Add(const QString &name, int columnIndex);
  void Clear();
  void Delete(int index);
  TExportCol *ColByName(const QString &name);
  void SetValue(const QString &name, const QString &value, const QVariant &data);
  void ClearValues();
  // Rebuilds the sorted name index after the entries were added.
  void BuildIndex();

private:
  TExportColumns *FColumns;
  TExportFormats *FFormats;
  std::vector<std::unique_ptr<TExportCol>> FItems;
  std::vector<std::pair<QString, int>> FIndex;  // names sorted ignoring case, with positions
};
