#include "ExportActions.h"

#include "export/core/ExportError.h"
#include "export/core/StringGrid.h"
#include "export/html/ExporterHTML.h"
#include "export/xml/ExporterXML.h"

namespace {

[[noreturn]] void RaiseNotAvailable(TExportFormat format) {
  throw EExportError(QStringLiteral("Export do formátu %1 zatím není k dispozici.")
                         .arg(ExportFormatInfo(format).Key.toUpper()));
}

// What every exporter component of the main window is stored with.
void ApplyCommonSettings(TExporterText &exporter) {
  exporter.SetExportSource(esStringGrid);
  exporter.SetCaptionRow(0);
  exporter.SetShowFile(true);
}

std::unique_ptr<TExporterText> CreateExportXML() {
  auto exporter = std::make_unique<TExporterXML>();
  ApplyCommonSettings(*exporter);
  exporter->Options().Version = QStringLiteral("1.0");
  return exporter;
}

std::unique_ptr<TExporterText> CreateExportHTML() {
  auto exporter = std::make_unique<TExporterHTML>();
  ApplyCommonSettings(*exporter);
  exporter->SetHeader({QStringLiteral("<br>")});
  exporter->SetFooter({QStringLiteral("<br>")});
  exporter->SetHTMLTemplate(htMS_Money);
  TExportFont &font = exporter->HTMLOptions().TextFont;
  font.Name = QStringLiteral("Arial");
  font.Color = clBlack;
  font.Size = 8;
  exporter->HTMLOptions().DefaultOptions = doFontSize;
  exporter->SetGenerateIndex(true);
  return exporter;
}

}  // namespace

const QVector<TExportFormatInfo> &ExportFormats() {
  static const QVector<TExportFormatInfo> formats = {
      {efXML, "xml", "btn_xml", "ExportXML", "TExporterXML", ".xml", "dokument XML (xml)|*.xml", ""},
      {efXLS, "xls", "btn_xls", "ExportXLS", "TExporterXLS", ".xls", "sešit MS Office Excel (xls)|*.xls",
       "Sheets[0].Title"},
      {efDOCX, "docx", "btn_docx", "ExportDOC", "TExporterDocx", ".doc", "sešit MS Office Word (doc)|*.doc", ""},
      {efODT, "odt", "btn_odt", "ExportODT", "TExporterODT", ".odt", "dokument OpenOffice Writer (odt)|*.odt",
       "TableName"},
      {efODS, "ods", "btn_ods", "ExportODS", "TExporterODS", ".ods", "sešit OpenOffice Calc (ods)|*.ods",
       "SheetName"},
      {efHTML, "html", "btn_html", "ExportHTML", "TExporterHTML", ".html", "dokument HTML (html)|*.html", "Title"},
  };
  return formats;
}

const TExportFormatInfo &ExportFormatInfo(TExportFormat format) { return ExportFormats().at(int(format)); }

std::optional<TExportFormat> ExportFormatByKey(const QString &key) {
  for (const TExportFormatInfo &info : ExportFormats())
    if (info.Key.compare(key, Qt::CaseInsensitive) == 0)
      return info.Format;
  return std::nullopt;
}

QString ExportFileName(const QString &chosenName, TExportFormat format) {
  const QString &extension = ExportFormatInfo(format).Extension;
  return chosenName.endsWith(extension, Qt::CaseInsensitive) ? chosenName : chosenName + extension;
}

std::unique_ptr<TExporterText> CreateExporter(TExportFormat format) {
  switch (format) {
  case efXML: return CreateExportXML();
  case efHTML: return CreateExportHTML();
  case efXLS:
  case efDOCX:
  case efODT:
  case efODS: break;
  }
  RaiseNotAvailable(format);
}

void RunExportAction(TExporterText &exporter, TExportFormat format, IStringGrid &grid,
                     const QString &gameName, const QString &fileName) {
  exporter.SetFileName(fileName);
  exporter.SetStringGrid(&grid);
  exporter.SetExportRecCount(grid.RowCount());
  switch (format) {
  case efXML:
  case efDOCX: break;  // these take no name
  case efHTML: exporter.SetTitle(gameName); break;
  case efXLS:
  case efODT:
  case efODS: RaiseNotAvailable(format);
  }
  exporter.Execute();
}

TExporterText &TExportComponents::Exporter(TExportFormat format) {
  std::unique_ptr<TExporterText> &exporter = FExporters[format];
  if (!exporter)
    exporter = CreateExporter(format);
  return *exporter;
}
