#include "ExportColumns.h"

#include "ExportFormats.h"
#include "Exporter.h"
#include "StringGrid.h"

#include <QThread>
#include <algorithm>

namespace {

constexpr int DefaultLength = 255;

// The value of the first entry "name=value" of list whose name equals name ignoring case, as the
// override lists (Captions, UserFormats, ColumnsWidth, ...) are read.
bool FindEntry(const QStringList &list, const QString &name, QString &value) {
  for (const QString &entry : list) {
    const int eq = entry.indexOf(QLatin1Char('='));
    if (eq < 0)
      continue;
    if (entry.left(eq).compare(name, Qt::CaseInsensitive) == 0) {
      value = entry.mid(eq + 1);
      return true;
    }
  }
  return false;
}

int ToIntDef(const QString &text, int def) {
  int value = def;
  return TryStrToInt(text, value) ? value : def;
}

// The source column an ExportedFields entry names: a number, or "Field" and a number.
int ExportedFieldNumber(const QString &entry, int columnCount) {
  QString text = entry;
  if (text.size() >= 6) {
    const int at = text.indexOf(QLatin1String("Field"));
    if (at >= 0)
      text.remove(at, 5);
  }
  const int number = ToIntDef(text, -1);
  return number >= 0 && number < columnCount ? number : -1;
}

TExportColAlign AlignFromWord(const QString &word) {
  const QChar first = word.trimmed().isEmpty() ? QChar() : word.trimmed().at(0).toUpper();
  if (first == QLatin1Char('C'))
    return ecaCenter;
  if (first == QLatin1Char('R'))
    return ecaRight;
  return ecaLeft;
}

// Restores the process-wide separators when a value has been formatted, also when formatting
// raised.
class TSeparatorScope {
public:
  explicit TSeparatorScope(const TExportFormats &formats) : FSaved(CurrentFormatSettings()) {
    formats.ApplyParams();
  }
  ~TSeparatorScope() { CurrentFormatSettings() = FSaved; }

private:
  TFormatSettings FSaved;
};

}  // namespace

// --- TExportColumn ---

QString TExportColumn::GetDefaultFormat() const {
  if (!AllowFormat() || !FColumns || !FColumns->Holder())
    return QString();
  const TExportFormats &formats = FColumns->Holder()->Formats();
  switch (ColType) {
  case ectInteger:
  case ectBigint: return formats.IntegerFormat();
  case ectFloat: return formats.FloatFormat();
  case ectCurrency: return formats.CurrencyFormat();
  case ectDate: return formats.DateFormat();
  case ectTime: return formats.TimeFormat();
  case ectDateTime: return formats.DateTimeFormat();
  default: return QString();
  }
}

bool TExportColumn::IsDefaultFormat() const { return AllowFormat() && Format == GetDefaultFormat(); }

// --- TExportColumns ---

TExportColumns::TExportColumns(TExporter *holder) : FHolder(holder) {}

TExportColumn &TExportColumns::Add() {
  FItems.push_back(std::make_unique<TExportColumn>(this));
  return *FItems.back();
}

int TExportColumns::IndexOfName(const QString &name) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i]->Name.compare(name, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

void TExportColumns::EmptyTags() {
  for (auto &column : FItems)
    column->Tag = 0;
}

// Only data-set fields can hold no value; grid cells are texts.
bool TExportColumns::GetColumnIsNull(int index) const {
  Q_UNUSED(index);
  return false;
}

QVariant TExportColumns::GetColumnData(int index) const {
  Q_UNUSED(index);
  return QVariant(QString());
}

bool TExportColumns::ContainsBLOB() const {
  return std::any_of(FItems.begin(), FItems.end(), [](const auto &c) { return c->IsBlob(); });
}

bool TExportColumns::ContainsMEMO() const {
  return std::any_of(FItems.begin(), FItems.end(), [](const auto &c) { return c->IsMemo(); });
}

IStringGrid *TExportColumns::HolderGrid() const {
  if (!FHolder || !FHolder->Exposes(QStringLiteral("ExportSource")) ||
      FHolder->ExportSource() != esStringGrid || !FHolder->Exposes(QStringLiteral("StringGrid")))
    return nullptr;
  return FHolder->StringGrid();
}

QStringList TExportColumns::Setting(const char *name, const QStringList &value) const {
  return FHolder->Exposes(QLatin1String(name)) ? value : QStringList();
}

TExportColType TExportColumns::GuessType(const QString &sample) const {
  if (sample.isEmpty())
    return ectString;
  const TExportFormats defaults;
  const TExportFormats &formats =
      FHolder->Exposes(QStringLiteral("Formats")) ? FHolder->Formats() : defaults;
  if (sample.compare(formats.BooleanTrue(), Qt::CaseInsensitive) == 0 ||
      sample.compare(formats.BooleanFalse(), Qt::CaseInsensitive) == 0)
    return ectBoolean;
  int i = 0;
  if (TryStrToInt(sample, i))
    return ectInteger;
  double d = 0;
  if (TryStrToFloat(sample, d))
    return ectFloat;
  QDateTime dt;
  if (TryStrToDateTime(sample, dt)) {
    if (dt.time() == QTime(0, 0))
      return ectDate;
    if (dt.date() == ZeroDate())
      return ectTime;
    return ectDateTime;
  }
  return ectString;
}

void TExportColumns::Fill() {
  Clear();
  FGrid = nullptr;
  if (!FHolder)
    return;
  IStringGrid *grid = HolderGrid();
  FGrid = grid;
  FFetchedRecordExposed = FHolder->Exposes(QStringLiteral("OnFetchedRecord"));
  FSkipRecCount = FHolder->Exposes(QStringLiteral("SkipRecCount")) ? FHolder->SkipRecCount() : 0;
  const QStringList exportedFields =
      Setting("ExportedFields", FHolder->ExportedFields());
  const bool autoCalcStrType =
      FHolder->Exposes(QStringLiteral("AutoCalcStrType")) && FHolder->AutoCalcStrType();
  const int captionRow =
      FHolder->Exposes(QStringLiteral("CaptionRow")) ? FHolder->CaptionRow() : -1;
  const QStringList captions = Setting("Captions", FHolder->Captions());
  const QStringList userFormats = Setting("UserFormats", FHolder->UserFormats());
  const QStringList columnsWidth = Setting("ColumnsWidth", FHolder->ColumnsWidth());
  const QStringList columnsLength = Setting("ColumnsLength", FHolder->ColumnsLength());
  const bool exposesAlign = FHolder->Exposes(QStringLiteral("ColumnsAlign"));
  const QStringList columnsAlign = exposesAlign ? FHolder->ColumnsAlign() : QStringList();
  const bool exposesFormats = FHolder->Exposes(QStringLiteral("Formats"));

  const int gridColumns = grid ? grid->ColCount() : 0;
  const int sourceCount = exportedFields.isEmpty() ? gridColumns : int(exportedFields.size());
  // The type guess samples the row that is current before the run moves the grid.
  const int sampleRow = grid ? grid->Row() : -1;

  for (int i = 0; i < sourceCount; ++i) {
    const int number = exportedFields.isEmpty() ? i : ExportedFieldNumber(exportedFields.at(i), gridColumns);
    if (number < 0)
      continue;
    TExportColumn &column = Add();
    column.Number = number;
    column.Name = QStringLiteral("Field%1").arg(number);

    column.ColType = ectString;
    if (autoCalcStrType && grid && sampleRow >= 0 && sampleRow < grid->RowCount())
      column.ColType = GuessType(grid->Cells(number, sampleRow));

    QString value;
    if (FindEntry(captions, column.Name, value))
      column.Caption = value;
    else if (captionRow >= 0)
      column.Caption = grid && captionRow < grid->RowCount() ? grid->Cells(number, captionRow) : QString();
    else
      column.Caption = QStringLiteral("ColNo_%1").arg(number);

    if (FindEntry(columnsWidth, column.Name, value)) {
      column.Width = ToIntDef(value, 0);
    } else if (grid) {
      const int charWidth = grid->TextWidth(QStringLiteral("X"));
      column.Width = charWidth > 0 ? grid->ColWidths(number) / charWidth : 0;
    }

    column.Format.clear();
    if (exposesFormats && column.AllowFormat())
      column.Format = column.GetDefaultFormat();
    if (FindEntry(userFormats, column.Name, value))
      column.Format = value;

    column.ColAlign = ecaLeft;
    if (exposesAlign) {
      if (FindEntry(columnsAlign, column.Name, value))
        column.ColAlign = AlignFromWord(value);
      else if (column.IsNumeric())
        column.ColAlign = ecaRight;
      else if (column.ColType == ectBoolean)
        column.ColAlign = ecaCenter;
    }

    if (column.IsString())
      column.Length = FindEntry(columnsLength, column.Name, value) ? ToIntDef(value, DefaultLength)
                                                                   : DefaultLength;
  }
}

void TExportColumns::ReadValue(int index, QString &text, QVariant &data) const {
  const TExportColumn &column = *FItems.at(index);
  text.clear();
  data = QVariant();
  IStringGrid *grid = FGrid;
  if (grid && column.Number < grid->ColCount() && grid->Row() >= 0 && grid->Row() < grid->RowCount())
    text = grid->Cells(column.Number, grid->Row());
  if (!column.AllowFormat())
    return;  // strings, booleans and unknown values stay as they are

  const TExportFormats &formats = FHolder->Formats();
  const QString pattern = column.Format.isEmpty() ? column.GetDefaultFormat() : column.Format;
  switch (column.ColType) {
  case ectInteger: {
    int value = 0;
    TryStrToInt(text, value);  // no whole number: 0
    data = value;
    if (!formats.KeepOriginalFormat()) {
      TSeparatorScope scope(formats);
      text = FormatInt64(pattern, value);
    }
    break;
  }
  case ectBigint: {
    qint64 value = 0;
    TryStrToInt64(text, value);
    data = value;
    if (!formats.KeepOriginalFormat()) {
      TSeparatorScope scope(formats);
      text = FormatInt64(pattern, value);
    }
    break;
  }
  case ectFloat:
  case ectCurrency: {
    double value = 0;
    if (!TryStrToFloat(text, value))
      break;  // exported as it stands
    data = value;
    if (!formats.KeepOriginalFormat()) {
      TSeparatorScope scope(formats);
      text = FormatNumber(pattern, value);
    }
    break;
  }
  default: {
    QDateTime value;
    if (!TryStrToDateTime(text, value))
      break;
    data = value;
    if (!formats.KeepOriginalFormat()) {
      TSeparatorScope scope(formats);
      text = FormatDateTime(pattern, value);
    }
  }
  }
}

void TExportColumns::AutoCalcColWidth() {
  if (!FHolder)
    return;
  for (auto &column : FItems)
    column->Width = qMax(column->Width, int(column->Caption.size()));
  IStringGrid *grid = FGrid;
  if (!grid)
    return;
  const int savedRow = grid->Row();
  const int skip = FSkipRecCount;
  const int limit = FHolder->RecordLimit();
  // Walk the rows the run will export, with a counter of our own.
  grid->SetRow(grid->FixedRows());
  for (int i = 0; i < skip; ++i)
    if (grid->Row() < grid->RowCount() - 1)
      grid->SetRow(grid->Row() + 1);
  for (FRecordCounter = 0; FRecordCounter < limit; ++FRecordCounter) {
    for (int i = 0; i < Count(); ++i) {
      QString text;
      QVariant data;
      ReadValue(i, text, data);
      FItems[i]->Width = qMax(FItems[i]->Width, int(FHolder->NormalString(text).size()));
    }
    if (FFetchedRecordExposed && FHolder->OnFetchedRecord)
      FHolder->OnFetchedRecord(FHolder, FRecordCounter);
    QThread::yieldCurrentThread();
    if (grid->Row() < grid->RowCount() - 1)
      grid->SetRow(grid->Row() + 1);
  }
  grid->SetRow(savedRow);
}

// --- TExportRow ---

namespace {

bool NameLess(const std::pair<QString, int> &a, const QString &b) {
  return a.first.compare(b, Qt::CaseInsensitive) < 0;
}

}  // namespace

TExportCol &TExportRow::Add(const QString &name, int columnIndex) {
  FItems.push_back(std::make_unique<TExportCol>(this, name));
  FItems.back()->ColumnIndex = columnIndex;
  return *FItems.back();
}

void TExportRow::Clear() {
  FItems.clear();
  FIndex.clear();
}

void TExportRow::Delete(int index) {
  FItems.erase(FItems.begin() + index);
  BuildIndex();
}

TExportCol *TExportRow::ColByName(const QString &name) {
  for (auto &item : FItems)
    if (item->Name().compare(name, Qt::CaseInsensitive) == 0)
      return item.get();
  return nullptr;
}

void TExportRow::SetValue(const QString &name, const QString &value, const QVariant &data) {
  // Columns that share a name read the same source column, so all of them take the value.
  for (auto it = std::lower_bound(FIndex.begin(), FIndex.end(), name, NameLess);
       it != FIndex.end() && it->first.compare(name, Qt::CaseInsensitive) == 0; ++it) {
    TExportCol &col = *FItems.at(it->second);
    col.Value = value;
    col.Data = data;
  }
}

void TExportRow::ClearValues() {
  for (auto &item : FItems)
    item->Value.clear();
}

void TExportRow::BuildIndex() {
  FIndex.clear();
  for (int i = 0; i < Count(); ++i)
    FIndex.emplace_back(FItems[i]->Name(), i);
  std::stable_sort(FIndex.begin(), FIndex.end(), [](const auto &a, const auto &b) {
    return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
  });
}
