#pragma once
// The export actions behind the six export buttons of every game page, and the command line's
// export: one procedure for all of them. The window asks for the file name (through its save
// dialog), turns it into the file to write with ExportFileName, and hands it to RunExportAction
// together with the page's ticket table and the game's name. QtCore only.

#include "export/core/Exporter.h"

#include <QString>
#include <QVector>
#include <map>
#include <memory>
#include <optional>

class IStringGrid;

// The six formats, in the order of the page's buttons.
enum TExportFormat { efXML = 0, efXLS, efDOCX, efODT, efODS, efHTML };

struct TExportFormatInfo {
  TExportFormat Format;
  QString Key;            // "xml", "xls", "docx", "odt", "ods", "html": the command line's name
  QString ButtonName;     // "btn_xml", ...
  QString ComponentName;  // "ExportXML", ...
  QString ClassName;      // "TExporterXML", ...
  QString Extension;      // ".xml", ".xls", ".doc", ".odt", ".ods", ".html"
  QString Filter;         // the save dialog's filter: description, "|", mask
  QString NameTarget;     // the property that gets the game's name; empty when none does
};

// The six formats in button order.
const QVector<TExportFormatInfo> &ExportFormats();
const TExportFormatInfo &ExportFormatInfo(TExportFormat format);
// The format named key ("xml", "HTML", ...), ignoring case.
std::optional<TExportFormat> ExportFormatByKey(const QString &key);

// The file an action writes for the name chosen in the save dialog: the format's extension is
// appended unless the name already ends with it (in any case).
QString ExportFileName(const QString &chosenName, TExportFormat format);

// A new exporter of the format with the main window's stored settings. Raises EExportError for a
// format whose writer is not available yet.
std::unique_ptr<TExporterText> CreateExporter(TExportFormat format);

// One export action once the file name is known: binds the exporter to grid (ExportRecCount is
// the grid's whole row count), names the output after the game where the format takes a name,
// and runs it to fileName, which is used as it is.
void RunExportAction(TExporterText &exporter, TExportFormat format, IStringGrid &grid,
                     const QString &gameName, const QString &fileName);

// The main window's exporter components, one per format, shared by all pages: each is created on
// first use and keeps the values the last action set.
class TExportComponents {
public:
  TExporterText &Exporter(TExportFormat format);
  void Execute(TExportFormat format, IStringGrid &grid, const QString &gameName, const QString &fileName) {
    RunExportAction(Exporter(format), format, grid, gameName, fileName);
  }

private:
  std::map<TExportFormat, std::unique_ptr<TExporterText>> FExporters;
};
