// The command line's CSV grid and the export action procedure it shares with the window.

#include "app/ExportActions.h"
#include "cli/CsvGrid.h"
#include "export/core/ExportError.h"
#include "export/core/ShellOpener.h"
#include "export/html/ExporterHTML.h"
#include "export/xml/ExporterXML.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TRecordingOpener : public IShellOpener {
public:
  void ShellExecute(const QString &verb, const QString &fileName) override { Calls << verb + ' ' + fileName; }
  QStringList Calls;
};

QByteArray ReadAll(const QString &fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(CsvGrid, ParsesQuotesLineEndsAndShortRows) {
  struct Case {
    QByteArray csv;
    QList<QStringList> rows;
  } cases[] = {
      {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
      {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
      {"\"x, y\",\"say \"\"hi\"\"\"\n", {{"x, y", "say \"hi\""}}},
      {"\"two\r\nlines\",\"lf\nonly\"\r\n", {{"two\r\nlines", "lf\nonly"}}},
      {",,\n", {{"", "", ""}}},
      {"a\n\nb\n", {{"a"}, {""}, {"b"}}},
      {"\"\"\n", {{""}}},
      {"\xEF\xBB\xBF" "cap\n", {{"cap"}}},
      {"it's,5\" x\n", {{"it's", "5\" x"}}},
      {"\"ab\"c,d\n", {{"abc", "d"}}},
      {"", {}},
      {"Š\xC5\xA5\n", {{QStringLiteral("Šť")}}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ParseCsv(c.csv), c.rows) << c.csv.toStdString();

  try {
    ParseCsv("a\n\"open,\nb\n");
    FAIL() << "an unclosed quote must be reported";
  } catch (const ECsvError &e) {
    EXPECT_STREQ(e.what(), "CSV: the quoted field that starts on line 2 is not closed");
  }
}

TEST(CsvGrid, IsAStringGridWithOneCaptionRow) {
  TCsvGrid grid({{"Sportka", "1. číslo", "2. číslo"}, {"Pole 1"}, {"Pole 2", "23", "42"}});
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Cells(2, 1), QString());
  EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("42"));
  EXPECT_EQ(grid.ColWidths(0), 72);
  EXPECT_EQ(grid.TextWidth(QStringLiteral("X")), HeadlessTextWidth(QStringLiteral("X")));

  TCsvGrid empty({});
  EXPECT_EQ(empty.RowCount(), 0);
  EXPECT_EQ(empty.FixedRows(), 0);
}

TEST(ExportActions, FormatTable) {
  const QStringList filters = {"dokument XML (xml)|*.xml",
                               "sešit MS Office Excel (xls)|*.xls",
                               "sešit MS Office Word (doc)|*.doc",
                               "dokument OpenOffice Writer (odt)|*.odt",
                               "sešit OpenOffice Calc (ods)|*.ods",
                               "dokument HTML (html)|*.html"};
  const QStringList extensions = {".xml", ".xls", ".doc", ".odt", ".ods", ".html"};
  const QStringList buttons = {"btn_xml", "btn_xls", "btn_docx", "btn_odt", "btn_ods", "btn_html"};
  const QStringList components = {"ExportXML", "ExportXLS", "ExportDOC", "ExportODT", "ExportODS", "ExportHTML"};
  ASSERT_EQ(ExportFormats().size(), 6);
  for (int i = 0; i < 6; ++i) {
    const TExportFormatInfo &info = ExportFormats()[i];
    EXPECT_EQ(info.Format, TExportFormat(i));
    EXPECT_EQ(info.Filter, filters[i]);
    EXPECT_EQ(info.Extension, extensions[i]);
    EXPECT_EQ(info.ButtonName, buttons[i]);
    EXPECT_EQ(info.ComponentName, components[i]);
    EXPECT_EQ(ExportFormatByKey(info.Key.toUpper()), info.Format);
  }
  EXPECT_EQ(ExportFormatInfo(efHTML).NameTarget, "Title");
  EXPECT_EQ(ExportFormatInfo(efXML).NameTarget, QString());
  EXPECT_FALSE(ExportFormatByKey("docx ").has_value());
}

TEST(ExportActions, ExtensionIsAppendedUnlessTheNameHasIt) {
  struct Case {
    QString chosen;
    TExportFormat format;
    QString fileName;
  } cases[] = {
      {"/tmp/tah", efXML, "/tmp/tah.xml"},
      {"/tmp/tah.xml", efXML, "/tmp/tah.xml"},
      {"/tmp/TAH.XML", efXML, "/tmp/TAH.XML"},
      {"/tmp/tah.htm", efHTML, "/tmp/tah.htm.html"},
      {"/tmp/tah.docx", efDOCX, "/tmp/tah.docx.doc"},
      {"/tmp/tah.Doc", efDOCX, "/tmp/tah.Doc"},
      {"/tmp/tah.xml.ods", efODS, "/tmp/tah.xml.ods"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ExportFileName(c.chosen, c.format), c.fileName) << c.chosen.toStdString();
}

TEST(ExportActions, ExportersCarryTheWindowsStoredSettings) {
  const auto xml = CreateExporter(efXML);
  const auto *exporterXML = dynamic_cast<TExporterXML *>(xml.get());
  ASSERT_NE(exporterXML, nullptr);
  EXPECT_EQ(exporterXML->Options().Version, "1.0");
  EXPECT_EQ(exporterXML->DocumentType(), xtDatapacket2);
  EXPECT_FALSE(exporterXML->ExportXSDSchema());

  const auto html = CreateExporter(efHTML);
  const auto *exporterHTML = dynamic_cast<TExporterHTML *>(html.get());
  ASSERT_NE(exporterHTML, nullptr);
  EXPECT_EQ(exporterHTML->HTMLTemplate(), htMS_Money);
  EXPECT_EQ(exporterHTML->TableOptions().HeadersRowBgColor, 11912910u);
  EXPECT_EQ(exporterHTML->Header(), QStringList{"<br>"});
  EXPECT_EQ(exporterHTML->Footer(), QStringList{"<br>"});
  EXPECT_EQ(exporterHTML->HTMLOptions().TextFont.Name, "Arial");
  EXPECT_EQ(exporterHTML->HTMLOptions().TextFont.Color, clBlack);
  EXPECT_EQ(exporterHTML->HTMLOptions().TextFont.Size, 8);
  EXPECT_EQ(exporterHTML->HTMLOptions().DefaultOptions, TDefaultOptions(doFontSize));
  EXPECT_TRUE(exporterHTML->GenerateIndex());
  EXPECT_EQ(exporterHTML->MaxRecords(), 0);
  EXPECT_EQ(exporterHTML->Navigation().NextLinkTitle, "Next");

  for (const auto &exporter : {xml.get(), html.get()}) {
    EXPECT_EQ(exporter->ExportSource(), esStringGrid);
    EXPECT_EQ(exporter->CaptionRow(), 0);
    EXPECT_TRUE(exporter->ShowFile());
  }
}

TEST(ExportActions, FormatsWithoutAWriterSayItInCzech) {
  const std::pair<TExportFormat, QString> cases[] = {
      {efXLS, "Export do formátu XLS zatím není k dispozici."},
      {efDOCX, "Export do formátu DOCX zatím není k dispozici."},
      {efODT, "Export do formátu ODT zatím není k dispozici."},
      {efODS, "Export do formátu ODS zatím není k dispozici."},
  };
  TExportComponents components;
  TCsvGrid grid({{"a"}, {"1"}});
  for (const auto &[format, message] : cases) {
    try {
      components.Execute(format, grid, "Sportka", "/nonexistent/x");
      FAIL() << message.toStdString();
    } catch (const EExportError &e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
}

TEST(ExportActions, EachActionRebindsTheSharedExporter) {
  QTemporaryDir dir;
  auto opener = std::make_shared<TRecordingOpener>();
  SetShellOpener(opener);
  TExportComponents components;
  TCsvGrid keno({{"KENO", "1. číslo"}, {"Pole 1", "7"}, {"Pole 2", "70"}});
  TCsvGrid sportka({{"Sportka", "1. číslo"}, {}});  // the caption row and the empty spare row

  components.Execute(efHTML, keno, "Keno", dir.filePath("keno.html"));
  TExporterText &exporter = components.Exporter(efHTML);
  EXPECT_EQ(exporter.ExportRecCount(), 3);
  components.Execute(efHTML, sportka, QStringLiteral("Šťastných 10"), dir.filePath("s10.html"));
  EXPECT_EQ(&components.Exporter(efHTML), &exporter);
  EXPECT_EQ(exporter.ExportRecCount(), 2);
  EXPECT_EQ(exporter.Title(), QStringLiteral("Šťastných 10"));
  EXPECT_EQ(exporter.StringGrid(), &sportka);

  const QString page = QString::fromUtf8(ReadAll(dir.filePath("s10.html")));
  EXPECT_TRUE(page.contains(QStringLiteral(" <Title>Šťastných 10</Title>")));
  EXPECT_FALSE(page.contains("KENO"));
  EXPECT_EQ(page.count("<td class=\"TrOdd\""), 2);
  EXPECT_TRUE(page.contains(QStringLiteral("<td class=\"TrOdd\" align=Left>&nbsp</td>")));
  EXPECT_EQ(opener->Calls, (QStringList{"open " + dir.filePath("keno.html"), "open " + dir.filePath("s10.html")}));
  SetShellOpener(nullptr);
}
