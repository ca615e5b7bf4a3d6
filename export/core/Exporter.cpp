#include "Exporter.h"

#include "ExportError.h"
#include "ExportLocale.h"
#include "IniFile.h"
#include "SafeFile.h"
#include "ShellOpener.h"
#include "StringGrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QThread>

namespace {

const QString SectionIniVersion = QStringLiteral("IniVersion");
const QString SectionGeneral = QStringLiteral("GENERAL");
const QString SectionFields = QStringLiteral("FIELDS");
const QString SectionHeader = QStringLiteral("HEADER");
const QString SectionFooter = QStringLiteral("FOOTER");
const QString SectionCaptions = QStringLiteral("CAPTIONS");
const QString SectionFormats = QStringLiteral("FORMATS");
const QString SectionUserFormats = QStringLiteral("USER_FORMATS");
// Settings files of this version and later hold their strings UTF-8 encoded.
constexpr int IniVersionNumber = 400;

// A list setting as a section of its own: one key per entry, prefix and the entry's index.
void WriteList(TIniFile &ini, const QString &section, const QString &prefix, const QStringList &list) {
  ini.EraseSection(section);  // no stale entries of a longer list saved before
  for (int i = 0; i < list.size(); ++i)
    ini.WriteString(section, prefix + QString::number(i), list.at(i));
}

// The entries of a list section: of each line the text after its first "=".
QStringList ReadList(const TIniFile &ini, const QString &section) {
  QStringList list;
  for (const QString &line : ini.ReadSectionValues(section))
    list << line.mid(line.indexOf(QLatin1Char('=')) + 1);
  return list;
}

QChar ReadChar(const TIniFile &ini, const QString &section, const QString &key, QChar current) {
  const QString text = ini.ReadString(section, key, current.isNull() ? QString() : QString(current));
  return text.isEmpty() ? QChar() : text.at(0);
}

void WriteChar(TIniFile &ini, const QString &section, const QString &key, QChar value) {
  ini.WriteString(section, key, value.isNull() ? QString() : QString(value));
}

QString ProgramFolder() {
  if (QCoreApplication::instance())
    return QCoreApplication::applicationDirPath();
  return QDir::currentPath();
}

}  // namespace

// ===================================================================================== TExporter

TExporter::TExporter() : FColumns(this), FExportRow(&FColumns, &FFormats) {}

TExporter::~TExporter() = default;

TExposedSettings TExporter::ExposedSettings() const {
  static const TExposedSettings settings = {
      QStringLiteral("ExportSource"),      QStringLiteral("DataSet"),
      QStringLiteral("CustomSource"),      QStringLiteral("ListView"),
      QStringLiteral("DBGrid"),            QStringLiteral("StringGrid"),
      QStringLiteral("ExportedFields"),    QStringLiteral("CurrentRecordOnly"),
      QStringLiteral("GoToFirstRecord"),   QStringLiteral("ExportRecCount"),
      QStringLiteral("SkipRecCount"),      QStringLiteral("OnlyVisibleFields"),
      QStringLiteral("AutoCalcStrType"),   QStringLiteral("CaptionRow"),
      QStringLiteral("ExportEmpty"),       QStringLiteral("OnBeginExport"),
      QStringLiteral("OnEndExport"),       QStringLiteral("OnSkippedRecord"),
      QStringLiteral("OnExportedRecord"),  QStringLiteral("OnStopExport"),
      QStringLiteral("OnGetExportText"),   QStringLiteral("OnBeforeExportRow"),
      QStringLiteral("OnCustomFormat"),    QStringLiteral("OnFetchedRecord"),
  };
  return settings;
}

// --- public operations ---

QString TExporter::GetExportedValue(const TExportCol &col) {
  const QString text = FColumns.GetColumnIsNull(col.ColumnIndex) ? NormalString(FFormats.NULLString())
                                                                 : NormalString(col.Value);
  return CellValueText(text, col.ColumnIndex);
}

void TExporter::FireGetCellParams(int RecNo, int ColNo, const QString &Value, TExportColAlign &Align,
                                  TExportFont &AFont, TColor &Background) {
  if (OnGetCellParams)
    OnGetCellParams(this, RecNo, ColNo, Value, Align, AFont, Background);
}

void TExporter::ExportToStream(QIODevice *stream) {
  FWriter = WriterClass(stream);
  try {
    RunExport();
  } catch (...) {
    FWriter.reset();
    throw;
  }
  FWriter.reset();
}

void TExporter::SavePropertiesToFile(const QString &fileName) {
  TIniFile ini(fileName);
  ini.WriteInteger(SectionIniVersion, QStringLiteral("Number"), IniVersionNumber);
  SaveSettings(ini);
  ini.UpdateFile();
}

void TExporter::LoadPropertiesFromFile(const QString &fileName) {
  if (!QFileInfo(fileName).isFile())
    throw EExportError(QStringLiteral("Settings file \"%1\" not found").arg(QDir::toNativeSeparators(fileName)));
  TIniFile ini(fileName);
  // Files of an older version hold plain ANSI text, whatever their bytes look like. A file
  // without a version number is taken as UTF-8 when its bytes are valid UTF-8.
  if (ini.ReadInteger(SectionIniVersion, QStringLiteral("Number"), IniVersionNumber) < IniVersionNumber)
    ini.ReadAsAnsi();
  LoadSettings(ini);
}

// --- virtual hooks ---

void TExporter::AssignCharsetType(TExportCharsetType value) {
  if (FCharsetType != value)
    FCharsetType = value;
}

std::unique_ptr<TExportWriter> TExporter::WriterClass(QIODevice *stream) {
  return std::make_unique<TExportWriter>(this, stream);
}

void TExporter::StartExport() {
  FColumns.Fill();
  FExportRow.Clear();
  for (int i = 0; i < FColumns.Count(); ++i)
    FExportRow.Add(FColumns[i].Name, i);
  FExportRow.BuildIndex();
  FAborted = false;
  if (OnBeginExport)
    OnBeginExport(this);
}

void TExporter::AfterDataRows() { FFormats.RestoreSeparators(); }

void TExporter::CompleteExport() {
  if (OnEndExport)
    OnEndExport(this);
}

bool TExporter::SourceAtEnd() {
  if (FExportSource == esStringGrid)
    return FRecordCounter >= RecordLimit();
  return true;
}

QString TExporter::BuildCaptionLine() {
  QString line;
  for (int i = 0; i < FColumns.Count(); ++i)
    line += ColumnCaption(i);
  return line;
}

void TExporter::FetchRecord() {
  for (int i = 0; i < FColumns.Count(); ++i) {
    QString text;
    QVariant data;
    FColumns.ReadValue(i, text, data);
    if (OnGetExportText)
      OnGetExportText(this, i, text);
    FExportRow.SetValue(FColumns[i].Name, text, data);
  }
}

QString TExporter::BuildDataLine() {
  QString line;
  for (int i = 0; i < FExportRow.Count(); ++i)
    line += GetExportedValue(FExportRow[i]);
  return line;
}

QString TExporter::ColumnCaption(int index) { return NormalString(FColumns[index].Caption); }

QSet<QChar> TExporter::SpecialCharacters() const { return QSet<QChar>(); }

void TExporter::SaveSettings(TIniFile &ini) {
  ini.WriteBool(SectionGeneral, QStringLiteral("GoToFirstRecord"), FGoToFirstRecord);
  ini.WriteBool(SectionGeneral, QStringLiteral("ExportEmpty"), FExportEmpty);
  ini.WriteBool(SectionGeneral, QStringLiteral("CurrentRecordOnly"), FCurrentRecordOnly);
  ini.WriteInteger(SectionGeneral, QStringLiteral("ExportRecCount"), FExportRecCount);
  ini.WriteInteger(SectionGeneral, QStringLiteral("SkipRecCount"), FSkipRecCount);
  ini.WriteBool(SectionGeneral, QStringLiteral("OnlyVisibleFields"), FOnlyVisibleFields);
  ini.WriteBool(SectionGeneral, QStringLiteral("AutocalcStrType"), FAutoCalcStrType);
  ini.WriteInteger(SectionGeneral, QStringLiteral("CaptionRow"), FCaptionRow);
  WriteList(ini, SectionFields, QStringLiteral("field"), FExportedFields);
}

void TExporter::LoadSettings(TIniFile &ini) {
  FGoToFirstRecord = ini.ReadBool(SectionGeneral, QStringLiteral("GoToFirstRecord"), FGoToFirstRecord);
  FExportEmpty = ini.ReadBool(SectionGeneral, QStringLiteral("ExportEmpty"), FExportEmpty);
  FCurrentRecordOnly = ini.ReadBool(SectionGeneral, QStringLiteral("CurrentRecordOnly"), FCurrentRecordOnly);
  FExportRecCount = ini.ReadInteger(SectionGeneral, QStringLiteral("ExportRecCount"), FExportRecCount);
  FSkipRecCount = ini.ReadInteger(SectionGeneral, QStringLiteral("SkipRecCount"), FSkipRecCount);
  FOnlyVisibleFields = ini.ReadBool(SectionGeneral, QStringLiteral("OnlyVisibleFields"), FOnlyVisibleFields);
  FAutoCalcStrType = ini.ReadBool(SectionGeneral, QStringLiteral("AutocalcStrType"), FAutoCalcStrType);
  FCaptionRow = ini.ReadInteger(SectionGeneral, QStringLiteral("CaptionRow"), FCaptionRow);
  FExportedFields = ReadList(ini, SectionFields);
}

// --- the data source ---

bool TExporter::CheckSource() const {
  // The string grid is the one source kind this system binds; the others have no source object.
  return FExportSource == esStringGrid && FStringGrid != nullptr;
}

bool TExporter::SourceIsActive() const { return FExportSource == esStringGrid; }

bool TExporter::SourceIsEmpty() const {
  if (FExportSource == esStringGrid && FStringGrid)
    return FStringGrid->RowCount() <= FStringGrid->FixedRows();
  return true;
}

void TExporter::FirstRecord() {
  if (FExportSource == esStringGrid && FStringGrid)
    FStringGrid->SetRow(FStringGrid->FixedRows());
}

void TExporter::NextRecord() {
  ++FRecordCounter;
  if (FExportSource == esStringGrid && FStringGrid && FStringGrid->Row() < FStringGrid->RowCount() - 1)
    FStringGrid->SetRow(FStringGrid->Row() + 1);
}

void TExporter::SkipRecords(int n) {
  for (int i = 0; i < n; ++i) {
    NextRecord();
    if (OnSkippedRecord)
      OnSkippedRecord(this, FRecordCounter);
  }
}

int TExporter::RecordLimit() const {
  if (FExportSource != esStringGrid || !FStringGrid)
    return 0;
  int limit = FStringGrid->RowCount() - FStringGrid->FixedRows() - FSkipRecCount;
  if (FExportRecCount > 0)
    limit = qMin(FExportRecCount, limit);
  return qMax(limit, 0);
}

bool TExporter::ConfirmStop() {
  bool canContinue = !FAborted;
  if (OnStopExport)
    OnStopExport(this, canContinue);
  FAborted = !canContinue;
  return canContinue;
}

// --- the export run ---

void TExporter::RunExport() {
  FRecordCounter = 0;
  const QString sourceName = ExportSourceName(FExportSource);
  if (!CheckSource())
    RaiseExportError(SExportSourceNotAssigned, sourceName);
  if (!SourceIsActive())
    RaiseExportError(SExportSourceClosed, sourceName);
  if (!FExportEmpty && SourceIsEmpty())
    RaiseExportError(SExportSourceEmpty, sourceName);

  LockSource();
  try {
    RunLockedSteps();
  } catch (...) {
    UnlockSource();
    throw;
  }
  UnlockSource();
}

// Steps under the source lock: start, column widths, then the document under the completion guard.
void TExporter::RunLockedSteps() {
  StartExport();
  if (FAborted)
    return;
  if (FAutoCalcColWidth) {
    FColumns.AutoCalcColWidth();
    if (FAborted)
      return;
  }
  try {
    RunRecordSteps();
  } catch (...) {
    CompleteExport();
    throw;
  }
  CompleteExport();
}

// The caption row, positioning and skipping, the record loop and the end of the data rows.
void TExporter::RunRecordSteps() {
  if (FAllowCaptions) {
    WriteCaptions();
    if (FAborted)
      return;
  }
  if (FGoToFirstRecord)
    FirstRecord();
  BeforeDataRows();
  if (FAborted)
    return;
  SkipRecords(FSkipRecCount);
  if (FAborted)
    return;

  FRecordCounter = 0;
  for (;;) {
    if (SourceAtEnd())
      break;
    if (FExportRecCount != 0 && !(FExportRecCount > FRecordCounter))
      break;
    if (FAborted && !ConfirmStop())
      break;
    bool accept = true;
    FetchRecord();
    if (OnBeforeExportRow)
      OnBeforeExportRow(this, FExportRow, accept);
    if (accept) {
      WriteRecord();
      if (OnExportedRecord)
        OnExportedRecord(this, FRecordCounter);
    }
    if (FCurrentRecordOnly)
      break;
    NextRecord();
    QThread::yieldCurrentThread();
  }
  AfterDataRows();
}

// ================================================================================= TExporterText

TExposedSettings TExporterText::ExposedSettings() const {
  TExposedSettings settings = TExporter::ExposedSettings();
  settings << QStringLiteral("FileName") << QStringLiteral("ShowFile") << QStringLiteral("PrintFile");
  return settings;
}

void TExporterText::Execute() {
  ForceFileDirectory(FFileName);
  WriteFileSafely(FFileName, [this](QIODevice &file) { ExportToStream(&file); });
  ShowResultFile();
}

void TExporterText::ShowResultFile() {
  if (Aborted())
    return;
  if (FShowFile)
    ShellOpener().ShellExecute(QStringLiteral("open"), FileToOpen());
  if (FPrintFile)
    ShellOpener().ShellExecute(QStringLiteral("print"), FileToPrint());
}

void TExporterText::SaveSettings(TIniFile &ini) {
  TExporter::SaveSettings(ini);
  ini.WriteString(SectionGeneral, QStringLiteral("FileName"), FFileName);
  ini.WriteBool(SectionGeneral, QStringLiteral("ShowFile"), FShowFile);
  ini.WriteBool(SectionGeneral, QStringLiteral("PrintFile"), FPrintFile);
}

void TExporterText::LoadSettings(TIniFile &ini) {
  TExporter::LoadSettings(ini);
  FFileName = ini.ReadString(SectionGeneral, QStringLiteral("FileName"), FFileName);
  FShowFile = ini.ReadBool(SectionGeneral, QStringLiteral("ShowFile"), FShowFile);
  FPrintFile = ini.ReadBool(SectionGeneral, QStringLiteral("PrintFile"), FPrintFile);
}

void TExporterText::ForceFileDirectory(const QString &fileName) {
  const QString name = QDir::fromNativeSeparators(fileName);
  const int slash = name.lastIndexOf(QLatin1Char('/'));
  // A bare file name is checked against the program's folder; the file itself stays relative.
  const QString directory = slash < 0 ? ProgramFolder() : slash == 0 ? QStringLiteral("/") : name.left(slash);
  if (!QDir(directory).exists())
    QDir().mkpath(directory);
  if (!QFileInfo(directory).isDir())
    RaiseExportError(SDirectoryNotFound, QDir::toNativeSeparators(directory));
}

void TExporterText::WriteFileSafely(const QString &fileName,
                                    const std::function<void(QIODevice &)> &produce) {
  TSafeFile file(fileName);
  produce(file.Device());
  file.Commit();
}

// ========================================================================= TExporterAdvancedText

TExposedSettings TExporterAdvancedText::ExposedSettings() const {
  TExposedSettings settings = TExporterText::ExposedSettings();
  settings << QStringLiteral("Header") << QStringLiteral("Footer");
  return settings;
}

void TExporterAdvancedText::SaveSettings(TIniFile &ini) {
  TExporterText::SaveSettings(ini);
  WriteList(ini, SectionHeader, QStringLiteral("line"), Header());
  WriteList(ini, SectionFooter, QStringLiteral("line"), Footer());
}

void TExporterAdvancedText::LoadSettings(TIniFile &ini) {
  TExporterText::LoadSettings(ini);
  SetHeader(ReadList(ini, SectionHeader));
  SetFooter(ReadList(ini, SectionFooter));
}

// =========================================================================== TExporterFormatText

TExposedSettings TExporterFormatText::ExposedSettings() const {
  TExposedSettings settings = TExporterAdvancedText::ExposedSettings();
  settings << QStringLiteral("AllowCaptions") << QStringLiteral("Captions") << QStringLiteral("Formats")
           << QStringLiteral("UserFormats");
  return settings;
}

void TExporterFormatText::SaveSettings(TIniFile &ini) {
  TExporterAdvancedText::SaveSettings(ini);
  ini.WriteBool(SectionGeneral, QStringLiteral("AllowCaptions"), AllowCaptions());
  WriteList(ini, SectionCaptions, QStringLiteral("line"), Captions());
  const TExportFormats &f = Formats();
  ini.WriteString(SectionFormats, QStringLiteral("Integer"), f.IntegerFormat());
  ini.WriteString(SectionFormats, QStringLiteral("Float"), f.FloatFormat());
  ini.WriteString(SectionFormats, QStringLiteral("Date"), f.DateFormat());
  ini.WriteString(SectionFormats, QStringLiteral("Time"), f.TimeFormat());
  ini.WriteString(SectionFormats, QStringLiteral("DateTime"), f.DateTimeFormat());
  ini.WriteString(SectionFormats, QStringLiteral("Currency"), f.CurrencyFormat());
  ini.WriteString(SectionFormats, QStringLiteral("BooleanTrue"), f.BooleanTrue());
  ini.WriteString(SectionFormats, QStringLiteral("BooleanFalse"), f.BooleanFalse());
  ini.WriteString(SectionFormats, QStringLiteral("NullString"), f.NULLString());
  WriteChar(ini, SectionFormats, QStringLiteral("DecimalSeparator"), f.DecimalSeparator());
  WriteChar(ini, SectionFormats, QStringLiteral("ThousandSeparator"), f.ThousandSeparator());
  WriteChar(ini, SectionFormats, QStringLiteral("DateSeparator"), f.DateSeparator());
  WriteChar(ini, SectionFormats, QStringLiteral("TimeSeparator"), f.TimeSeparator());
  ini.WriteBool(SectionFormats, QStringLiteral("KeepOriginalFormat"), f.KeepOriginalFormat());
  WriteList(ini, SectionUserFormats, QStringLiteral("line"), UserFormats());
}

void TExporterFormatText::LoadSettings(TIniFile &ini) {
  TExporterAdvancedText::LoadSettings(ini);
  SetAllowCaptions(ini.ReadBool(SectionGeneral, QStringLiteral("AllowCaptions"), AllowCaptions()));
  SetCaptions(ReadList(ini, SectionCaptions));
  TExportFormats &f = Formats();
  f.SetIntegerFormat(ini.ReadString(SectionFormats, QStringLiteral("Integer"), f.IntegerFormat()));
  f.SetFloatFormat(ini.ReadString(SectionFormats, QStringLiteral("Float"), f.FloatFormat()));
  f.SetDateFormat(ini.ReadString(SectionFormats, QStringLiteral("Date"), f.DateFormat()));
  f.SetTimeFormat(ini.ReadString(SectionFormats, QStringLiteral("Time"), f.TimeFormat()));
  f.SetDateTimeFormat(ini.ReadString(SectionFormats, QStringLiteral("DateTime"), f.DateTimeFormat()));
  f.SetCurrencyFormat(ini.ReadString(SectionFormats, QStringLiteral("Currency"), f.CurrencyFormat()));
  f.SetBooleanTrue(ini.ReadString(SectionFormats, QStringLiteral("BooleanTrue"), f.BooleanTrue()));
  f.SetBooleanFalse(ini.ReadString(SectionFormats, QStringLiteral("BooleanFalse"), f.BooleanFalse()));
  f.SetNULLString(ini.ReadString(SectionFormats, QStringLiteral("NullString"), f.NULLString()));
  f.SetDecimalSeparator(ReadChar(ini, SectionFormats, QStringLiteral("DecimalSeparator"), f.DecimalSeparator()));
  f.SetThousandSeparator(ReadChar(ini, SectionFormats, QStringLiteral("ThousandSeparator"), f.ThousandSeparator()));
  f.SetDateSeparator(ReadChar(ini, SectionFormats, QStringLiteral("DateSeparator"), f.DateSeparator()));
  f.SetTimeSeparator(ReadChar(ini, SectionFormats, QStringLiteral("TimeSeparator"), f.TimeSeparator()));
  f.SetKeepOriginalFormat(ini.ReadBool(SectionFormats, QStringLiteral("KeepOriginalFormat"), f.KeepOriginalFormat()));
  SetUserFormats(ReadList(ini, SectionUserFormats));
}
