#pragma once
// The exporter base class and its file-producing descendants. A format writer derives from one of
// them and overrides hooks only; the record loop and its order live here.

#include "ExportColumns.h"
#include "ExportFormats.h"
#include "ExportTypes.h"
#include "ExportWriter.h"

#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>

class IStringGrid;
class QIODevice;
class TIniFile;

// Settings the columns collection looks up on its exporter by name ("ExportedFields",
// "CaptionRow", "Formats", "ColumnsAlign", ...). A name an exporter class does not expose counts
// as absent.
using TExposedSettings = QSet<QString>;

class TExporter {
public:
  TExporter();
  virtual ~TExporter();
  TExporter(const TExporter &) = delete;
  TExporter &operator=(const TExporter &) = delete;

  // --- events: each is called only when assigned ---
  std::function<void(TExporter *Sender)> OnBeginExport;
  std::function<void(TExporter *Sender)> OnEndExport;
  std::function<void(TExporter *Sender, int RecNo)> OnSkippedRecord;
  std::function<void(TExporter *Sender, int RecNo)> OnExportedRecord;
  std::function<void(TExporter *Sender, bool &CanContinue)> OnStopExport;
  std::function<void(TExporter *Sender, int ColNo, QString &Text)> OnGetExportText;
  std::function<void(TExporter *Sender, int RecNo, int ColNo, const QString &Value,
                     TExportColAlign &Align, TExportFont &AFont, TColor &Background)>
      OnGetCellParams;
  std::function<void(TExporter *Sender, TExportRow &Row, bool &Accept)> OnBeforeExportRow;
  std::function<void(TExporter *Sender, int RecNo)> OnFetchedRecord;

  // --- properties ---
  TExportSource ExportSource() const { return FExportSource; }
  void SetExportSource(TExportSource value) { FExportSource = value; }
  IStringGrid *StringGrid() const { return FStringGrid; }
  void SetStringGrid(IStringGrid *value) { FStringGrid = value; }
  const QStringList &ExportedFields() const { return FExportedFields; }
  void SetExportedFields(const QStringList &value) { FExportedFields = value; }
  QString Title() const { return FTitle; }
  void SetTitle(const QString &value) { FTitle = value; }
  const QStringList &Header() const { return FHeader; }
  void SetHeader(const QStringList &value) { FHeader = value; }
  const QStringList &Footer() const { return FFooter; }
  void SetFooter(const QStringList &value) { FFooter = value; }
  const QStringList &Captions() const { return FCaptions; }
  void SetCaptions(const QStringList &value) { FCaptions = value; }
  bool AllowCaptions() const { return FAllowCaptions; }
  void SetAllowCaptions(bool value) { FAllowCaptions = value; }
  TExportFormats &Formats() { return FFormats; }
  const TExportFormats &Formats() const { return FFormats; }
  void SetFormats(const TExportFormats &value) { FFormats.Assign(value); }
  const QStringList &UserFormats() const { return FUserFormats; }
  void SetUserFormats(const QStringList &value) { FUserFormats = value; }
  const QStringList &ColumnsWidth() const { return FColumnsWidth; }
  void SetColumnsWidth(const QStringList &value) { FColumnsWidth = value; }
  const QStringList &ColumnsAlign() const { return FColumnsAlign; }
  void SetColumnsAlign(const QStringList &value) { FColumnsAlign = value; }
  const QStringList &ColumnsLength() const { return FColumnsLength; }
  void SetColumnsLength(const QStringList &value) { FColumnsLength = value; }
  bool CurrentRecordOnly() const { return FCurrentRecordOnly; }
  void SetCurrentRecordOnly(bool value) { FCurrentRecordOnly = value; }
  bool GoToFirstRecord() const { return FGoToFirstRecord; }
  void SetGoToFirstRecord(bool value) { FGoToFirstRecord = value; }
  int ExportRecCount() const { return FExportRecCount; }
  void SetExportRecCount(int value) { FExportRecCount = value; }
  int SkipRecCount() const { return FSkipRecCount; }
  void SetSkipRecCount(int value) { FSkipRecCount = value; }
  bool OnlyVisibleFields() const { return FOnlyVisibleFields; }
  void SetOnlyVisibleFields(bool value) { FOnlyVisibleFields = value; }
  bool AutoCalcStrType() const { return FAutoCalcStrType; }
  void SetAutoCalcStrType(bool value) { FAutoCalcStrType = value; }
  bool AutoCalcColWidth() const { return FAutoCalcColWidth; }
  void SetAutoCalcColWidth(bool value) { FAutoCalcColWidth = value; }
  int CaptionRow() const { return FCaptionRow; }
  void SetCaptionRow(int value) { FCaptionRow = value; }
  bool ExportEmpty() const { return FExportEmpty; }
  void SetExportEmpty(bool value) { FExportEmpty = value; }
  bool Aborted() const { return FAborted; }
  void SetAborted(bool value) { FAborted = value; }
  TExportCharsetType CharsetType() const { return FCharsetType; }
  void SetCharsetType(TExportCharsetType value) { AssignCharsetType(value); }

  int RecordCounter() const { return FRecordCounter; }
  TExportColumns &Columns() { return FColumns; }
  TExportRow &ExportRow() { return FExportRow; }
  TExportWriter *Writer() const { return FWriter.get(); }

  // Which of the settings above this class exposes to the columns collection.
  virtual TExposedSettings ExposedSettings() const;
  bool Exposes(const QString &setting) const { return ExposedSettings().contains(setting); }

  // --- public operations ---
  virtual void Execute() {}
  virtual void Abort() { FAborted = true; }
  virtual QString NormalString(const QString &S) { return S; }
  virtual QString GetExportedValue(const TExportCol &col);
  void ExportToStream(QIODevice *stream);
  void SavePropertiesToFile(const QString &fileName);
  void LoadPropertiesFromFile(const QString &fileName);
  // Calls OnGetCellParams when it is assigned.
  virtual void FireGetCellParams(int RecNo, int ColNo, const QString &Value, TExportColAlign &Align,
                                 TExportFont &AFont, TColor &Background);

protected:
  // --- virtual hooks, in slot order ---
  virtual void AssignCharsetType(TExportCharsetType value);
  virtual std::unique_ptr<TExportWriter> WriterClass(QIODevice *stream);
  virtual void StartExport();
  virtual void BeforeDataRows() {}
  virtual void AfterDataRows();
  virtual void CompleteExport();
  virtual bool SourceAtEnd();
  virtual QString BuildCaptionLine();
  virtual void WriteCaptions() {}
  virtual void FetchRecord();
  virtual QString BuildDataLine();
  virtual void WriteRecord() {}
  virtual QString ColumnCaption(int index);
  virtual QString CellValueText(const QString &text, int column) {
    Q_UNUSED(column);
    return text;
  }
  virtual QSet<QChar> SpecialCharacters() const;
  virtual void SaveSettings(TIniFile &ini);
  virtual void LoadSettings(TIniFile &ini);

  // --- the data source ---
  bool CheckSource() const;
  bool SourceIsActive() const;
  bool SourceIsEmpty() const;
  void LockSource() {}
  void UnlockSource() {}
  void FirstRecord();
  void NextRecord();
  void SkipRecords(int n);
  int RecordLimit() const;
  // Asks OnStopExport whether an aborted run goes on; true when it does.
  bool ConfirmStop();

private:
  friend class TExportColumns;  // walks the source for AutoCalcColWidth
  void RunExport();
  void RunLockedSteps();
  void RunRecordSteps();

  int FRecordCounter = 0;
  TExportColumns FColumns;
  TExportFormats FFormats;
  TExportRow FExportRow;
  TExportSource FExportSource = esDataSet;
  IStringGrid *FStringGrid = nullptr;
  QStringList FExportedFields;
  QString FTitle;
  QStringList FHeader;
  QStringList FCaptions;
  bool FAllowCaptions = true;
  QStringList FFooter;
  QStringList FUserFormats;
  QStringList FColumnsWidth;
  QStringList FColumnsAlign;
  QStringList FColumnsLength;
  bool FCurrentRecordOnly = false;
  bool FGoToFirstRecord = true;
  int FExportRecCount = 0;
  int FSkipRecCount = 0;
  bool FOnlyVisibleFields = false;
  bool FAutoCalcStrType = false;
  bool FAutoCalcColWidth = false;
  int FCaptionRow = -1;
  bool FExportEmpty = true;
  bool FAborted = false;
  std::unique_ptr<TExportWriter> FWriter;
  TExportCharsetType FCharsetType = ectUTF8;
};

// An exporter that writes one file, FileName, and may open it afterwards.
class TExporterText : public TExporter {
public:
  TExposedSettings ExposedSettings() const override;

  QString FileName() const { return FFileName; }
  void SetFileName(const QString &value) { FFileName = value; }
  bool ShowFile() const { return FShowFile; }
  void SetShowFile(bool value) { FShowFile = value; }
  bool PrintFile() const { return FPrintFile; }
  void SetPrintFile(bool value) { FPrintFile = value; }

  // Checks (and creates) the target folder, writes FileName, then shows the result.
  void Execute() override;

protected:
  virtual void ShowResultFile();
  virtual QString FileToOpen() { return FFileName; }
  virtual QString FileToPrint() { return FFileName; }
  void SaveSettings(TIniFile &ini) override;
  void LoadSettings(TIniFile &ini) override;

  // The folder check: creates the folder of fileName with its parents, or raises message 34025.
  static void ForceFileDirectory(const QString &fileName);

  // Writes fileName through a temporary file in the same folder: produce writes the content, and
  // only when it returns normally does the result replace fileName. When it raises, an existing
  // file stays untouched and nothing is left behind. See also TSafeFile (SafeFile.h) for writers
  // that produce several files or need a file name rather than a stream.
  static void WriteFileSafely(const QString &fileName,
                              const std::function<void(QIODevice &)> &produce);

private:
  QString FFileName;
  bool FShowFile = false;
  bool FPrintFile = false;
};

class TExporterAdvancedText : public TExporterText {
public:
  TExposedSettings ExposedSettings() const override;

protected:
  void SaveSettings(TIniFile &ini) override;
  void LoadSettings(TIniFile &ini) override;
};

class TExporterFormatText : public TExporterAdvancedText {
public:
  TExposedSettings ExposedSettings() const override;

protected:
  void SaveSettings(TIniFile &ini) override;
  void LoadSettings(TIniFile &ini) override;
};
