#pragma once
// The HTML exporter: a page with a style sheet coloured by a template, the header lines, one table
// with a caption row and alternating row styles, and the footer lines. Optionally the records are
// split over numbered pages with navigation blocks and an index page, and the style sheet goes to
// a file of its own.

#include "HTMLOptions.h"
#include "HTMLWriter.h"
#include "export/core/Exporter.h"

#include <QByteArray>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class QBuffer;
class TSafeFile;
class THTMLOutput;

// One page of a multi-page export: its file and where its navigation blocks go.
class THTMLPageOption {
public:
  explicit THTMLPageOption(const QString &fileName);
  ~THTMLPageOption();

  QString FileName;
  qint64 FTopLocationLinkPos = -1;
  qint64 FBottomLocationLinkPos = -1;
  // The page's content while the run lasts; written to FileName when the run has finished.
  std::unique_ptr<QBuffer> Content;
};

class TExporterHTML : public TExporterFormatText {
public:
  TExporterHTML();
  ~TExporterHTML() override;

  TUsingCSS UsingCSS() const { return FUsingCSS; }
  void SetUsingCSS(TUsingCSS value) { FUsingCSS = value; }
  QString CSSFileName() const { return FCSSFileName; }
  void SetCSSFileName(const QString &value) { FCSSFileName = value; }
  bool OverwriteCSSFile() const { return FOverwriteCSSFile; }
  void SetOverwriteCSSFile(bool value) { FOverwriteCSSFile = value; }
  const TTableOptions &TableOptions() const { return FTableOptions; }
  TTableOptions &TableOptions() { return FTableOptions; }
  void SetTableOptions(const TTableOptions &value) { FTableOptions = value; }
  const THTMLOptions &HTMLOptions() const { return FHTMLOptions; }
  THTMLOptions &HTMLOptions() { return FHTMLOptions; }
  void SetHTMLOptions(const THTMLOptions &value) { FHTMLOptions = value; }
  THTMLTemplate HTMLTemplate() const { return FHTMLTemplate; }
  // A different template copies its colours into the options; htCustom copies nothing.
  void SetHTMLTemplate(THTMLTemplate value);
  int MaxRecords() const { return FMaxRecords; }
  void SetMaxRecords(int value) { FMaxRecords = value < 0 ? 0 : value; }
  bool GenerateIndex() const { return FGenerateIndex; }
  void SetGenerateIndex(bool value) { FGenerateIndex = value; }
  const TExportHTMLNavigation &Navigation() const { return FNavigation; }
  TExportHTMLNavigation &Navigation() { return FNavigation; }
  void SetNavigation(const TExportHTMLNavigation &value) { FNavigation = value; }
  bool BoolAsCheckBox() const { return FBoolAsCheckBox; }
  void SetBoolAsCheckBox(bool value) { FBoolAsCheckBox = value; }
  bool InterpretTags() const { return FInterpretTags; }
  void SetInterpretTags(bool value) { FInterpretTags = value; }

  // The style-sheet lines of the last run.
  const QStringList &SStyle() const { return FSStyle; }
  // The page files of the last multi-page run, in order.
  QStringList PageFiles() const;

  TExposedSettings ExposedSettings() const override;
  // Escapes markup and turns line breaks into "<br>" (only with InterpretTags); spaces always
  // become no-break spaces, and characters no page may carry become U+FFFD.
  QString NormalString(const QString &S) override;
  // Writes FileName (creating its folder), or the page files and the index of a multi-page run.
  void Execute() override;

  // The colour options in a small settings file of their own.
  void SaveTemplateToFile(const QString &fileName) const;
  void LoadTemplateFromFile(const QString &fileName);

protected:
  std::unique_ptr<TExportWriter> WriterClass(QIODevice *stream) override;
  void StartExport() override;
  void BeforeDataRows() override;
  void AfterDataRows() override;
  void CompleteExport() override;
  void WriteCaptions() override {}  // the caption row comes with the first record
  void WriteRecord() override;
  QString CellValueText(const QString &text, int column) override;
  QSet<QChar> SpecialCharacters() const override;
  QString FileToOpen() override;
  QString FileToPrint() override { return FileToOpen(); }

private:
  THTMLWriter &HTMLWriter() const;
  bool OutputIsFile() const { return FStr != nullptr; }
  bool MultiPage() const { return FMaxRecords > 0 && OutputIsFile(); }
  bool TableBackgroundExists() const;
  QString PageFileName(int page) const;
  // TrOdd for the first, third, fifth ... record of the page.
  bool OddRow() const;

  QStringList FontLines(int indent) const;
  QStringList CellClassRule(const QString &opening, TColor background, TColor color,
                            const QString &extra = QString()) const;
  void BuildStyleSheet();
  void WritePageHead();
  void WriteStyleSheet();
  void WriteStyleSheetLink();
  QString CSSLinkFrom(const QString &page) const;
  void WriteCSSFile(const QString &fileName);
  void StartPage();
  void WriteCaptionRow();
  void WritePageEnd();
  void WriteIndex();
  void InsertLocationLinks();
  void CommitFiles();
  void ReleaseOutput();

  TUsingCSS FUsingCSS = usInternal;
  QString FCSSFileName;
  bool FOverwriteCSSFile = true;
  TTableOptions FTableOptions;
  THTMLOptions FHTMLOptions;
  THTMLTemplate FHTMLTemplate = htCustom;
  int FMaxRecords = 0;
  bool FGenerateIndex = false;
  TExportHTMLNavigation FNavigation;
  bool FBoolAsCheckBox = false;
  bool FInterpretTags = true;

  // State of a run.
  QStringList FSStyle;
  int FCurrPass = 0;
  std::vector<std::unique_ptr<THTMLPageOption>> FPages;
  bool FUseBorderColor = false;
  bool FHeadWritten = false;  // of the current page
  bool FTableOpen = false;    // of the current page
  int FPageFirstRecord = 0;   // record counter of the current page's first record
  QString FRunCSSFileName;    // the style-sheet file of this run

  // Output of Execute: FStr is FileName's file; the writer writes through FOutput, which Execute
  // points at FStr or at the current page. Side files (the style sheet) wait in FSideFiles; nothing
  // replaces an existing file before the run has finished.
  std::unique_ptr<TSafeFile> FStr;
  std::unique_ptr<THTMLOutput> FOutput;
  std::map<QString, std::unique_ptr<TSafeFile>> FSideFiles;
};
