// The HTML exporter: the page of a ticket table byte for byte, escaping, the colour templates,
// cell parameters, the border frame, and multi-page output with navigation and index.

#include "ExportTestSupport.h"
#include "export/core/ExportError.h"
#include "export/html/ExporterHTML.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The main window's stored settings of its HTML exporter.
void StoredHTMLSettings(TExporterHTML &exporter) {
  exporter.SetHTMLTemplate(htMS_Money);
  exporter.HTMLOptions().TextFont.Name = QStringLiteral("Arial");
  exporter.HTMLOptions().TextFont.Color = clBlack;
  exporter.HTMLOptions().TextFont.Size = 8;
  exporter.HTMLOptions().DefaultOptions = doFontSize;
  exporter.SetGenerateIndex(true);
}

class HtmlExport : public ::testing::Test {
protected:
  QString Path(const QString &name) const { return FDir.filePath(name); }

  // Exports grid with the window's settings and Title "Sportka" to out.html; returns its lines.
  QStringList Export(TTestGrid grid, const std::function<void(TExporterHTML &)> &configure = {}) {
    TExporterHTML exporter;
    BindLikeTheWindow(exporter, grid, Path(QStringLiteral("out.html")));
    StoredHTMLSettings(exporter);
    exporter.SetTitle(QStringLiteral("Sportka"));
    if (configure)
      configure(exporter);
    exporter.Execute();
    return Lines(ReadAll(Path(QStringLiteral("out.html"))));
  }

  static QStringList Lines(const QByteArray &bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString()) << "the last line ends with CR LF";
    return lines;
  }

  QTemporaryDir FDir;
  TOpenerScope FOpener;
};

QStringList DataCells(const QStringList &lines) {
  QStringList cells;
  for (const QString &line : lines)
    if (line.startsWith(QLatin1String("    <td class=\"Tr")))
      cells << line;
  return cells;
}

const QStringList SportkaPage = {
    "<HTML>",
    "<HEAD>",
    R"(<META http-equiv="content-type" content="text/html; charset=UTF-8">)",
    " <Title>Sportka</Title>",
    R"(<Style type="text/css">)",
    "  BODY { background: #FFFFFF; color: #000000;",
    "         font-family: Arial;",
    "  }",
    "  A:link { color: #FF0000 }",
    "  A:visited { color: #800080 }",
    "  A:active { color: #0000FF }",
    "  .ThRows { ",
    "            background-color: #CEC6B5;",
    "            color: #000000;",
    "            font-weight: bold; text-align: center;",
    "            font-family: Arial;",
    "  }",
    "  .TrRows {",
    "            background-color: #DEE7DE;",
    "            color: #000000;",
    "            font-family: Arial;",
    "  }",
    "  .TrOdd  {",
    "            background-color: #FFFBF0;",
    "            color: #000000;",
    "            font-family: Arial;",
    "  }",
    "</STYLE>",
    "</HEAD>",
    "<BODY>",
    "<br>",
    R"(<Table Border="1" Cellpadding="4" Cellspacing="1">)",
    "  <tr>",
    R"(    <td class="ThRows">Sportka</td>)",
    R"(    <td class="ThRows">1.&#160;číslo</td>)",
    R"(    <td class="ThRows">2.&#160;číslo</td>)",
    "  </tr>",
    "  <tr>",
    R"(    <td class="TrOdd" align=Left>Pole&#160;1</td>)",
    R"(    <td class="TrOdd" align=Left>5</td>)",
    R"(    <td class="TrOdd" align=Left>17</td>)",
    "  </tr>",
    "  <tr>",
    R"(    <td class="TrRows" align=Left>Pole&#160;2</td>)",
    R"(    <td class="TrRows" align=Left>23</td>)",
    R"(    <td class="TrRows" align=Left>42</td>)",
    "  </tr>",
    "</Table>",
    "<br>",
    "</BODY>",
    "</HTML>",
};

}  // namespace

TEST_F(HtmlExport, SportkaTableGivesTheFiftyOneLinePage) {
  ASSERT_EQ(SportkaPage.size(), 51);
  Export(SportkaGrid());
  EXPECT_EQ(ReadAll(Path(QStringLiteral("out.html"))), CrLfLines(SportkaPage));
  EXPECT_EQ(FOpener.Calls(), QStringList{QStringLiteral("open ") + Path(QStringLiteral("out.html"))});

  // The same bytes reach a stream the caller owns.
  TTestGrid grid = SportkaGrid();
  TExporterHTML exporter;
  BindLikeTheWindow(exporter, grid, QString());
  StoredHTMLSettings(exporter);
  exporter.SetTitle(QStringLiteral("Sportka"));
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  exporter.ExportToStream(&buffer);
  EXPECT_EQ(buffer.data(), CrLfLines(SportkaPage));
}

TEST(HtmlNormalString, EscapesWithAndWithoutInterpretTags) {
  struct Case {
    QString text, interpreted, literal;
  } cases[] = {
      {"a<b", "a&lt;b", "a<b"},
      {"x & \"y\" > z", "x&#160;&amp;&#160;&quot;y&quot;&#160;&gt;&#160;z", "x&#160;&&#160;\"y\"&#160;>&#160;z"},
      {"a\r\nb", "a<br>b", "a\r\nb"},
      {"a\nb\rc", "a\nb\rc", "a\nb\rc"},
      {"&#160;", "&amp;#160;", "&#160;"},
      {"'", "'", "'"},
      {QStringLiteral("bell\x07") + QChar(0xDC00), "bell\uFFFD\uFFFD", "bell\uFFFD\uFFFD"},
  };
  TExporterHTML exporter;
  for (const Case &c : cases) {
    exporter.SetInterpretTags(true);
    EXPECT_EQ(exporter.NormalString(c.text), c.interpreted) << c.text.toStdString();
    exporter.SetInterpretTags(false);
    EXPECT_EQ(exporter.NormalString(c.text), c.literal) << c.text.toStdString();
  }
}

TEST_F(HtmlExport, CellsEscapeMarkupButTheTitleIsWrittenAsItIs) {
  const QStringList lines = Export(TTestGrid({{"a<b", "", "c"}, {"x < y", "", "a\r\nb"}}), [](TExporterHTML &e) {
    e.SetTitle(QStringLiteral("Tom & Jerry"));
  });
  EXPECT_TRUE(lines.contains(" <Title>Tom & Jerry</Title>"));
  EXPECT_TRUE(lines.contains(R"(    <td class="ThRows">a&lt;b</td>)"));
  EXPECT_TRUE(lines.contains(R"(    <td class="ThRows"></td>)"));
  EXPECT_EQ(DataCells(lines), (QStringList{R"(    <td class="TrOdd" align=Left>x&#160;&lt;&#160;y</td>)",
                                           R"(    <td class="TrOdd" align=Left>&nbsp</td>)",
                                           R"(    <td class="TrOdd" align=Left>a<br>b</td>)"}));

  const QStringList literal =
      Export(TTestGrid({{"a<b"}, {"x < y"}}), [](TExporterHTML &e) { e.SetInterpretTags(false); });
  EXPECT_TRUE(literal.contains(R"(    <td class="ThRows">a<b</td>)"));
  EXPECT_EQ(DataCells(literal), QStringList{R"(    <td class="TrOdd" align=Left>x&#160;<&#160;y</td>)"});
}

TEST_F(HtmlExport, WithoutCaptionsThereIsNoCaptionRowAndNoCaptionStyle) {
  const QStringList lines = Export(SportkaGrid(), [](TExporterHTML &e) { e.SetAllowCaptions(false); });
  EXPECT_FALSE(lines.contains("  .ThRows { "));
  for (const QString &line : lines)
    EXPECT_FALSE(line.contains(QLatin1String("ThRows"))) << line.toStdString();
  EXPECT_EQ(DataCells(lines).size(), 6);
  const int table = lines.indexOf(R"(<Table Border="1" Cellpadding="4" Cellspacing="1">)");
  EXPECT_EQ(lines.value(table + 1), "  <tr>");
  EXPECT_EQ(lines.value(table + 2), R"(    <td class="TrOdd" align=Left>Pole&#160;1</td>)");
}

TEST_F(HtmlExport, TemplatesColourTheStyleSheet) {
  struct Case {
    THTMLTemplate htmlTemplate;
    QStringList lines;
  } cases[] = {
      {htClassic,
       {"  BODY { background: #333399; color: #FFFFFF;", "  A:link { color: #69EF7D }",
        "            background-color: #FF0000;", "            background-color: #007AEC;",
        "            background-color: #006BCE;", "            color: #FFFFFF;"}},
      {htMurky,
       {"  BODY { background: #317676; color: #FFFFFF;", "  A:visited { color: #CCCC39 }",
        "            background-color: #3A9393;", "            background-color: #276262;",
        "            color: #FFE760;", "            background-color: #367800;"}},
      {htOlive,
       {"  BODY { background: #FFFFFF; color: #5F605F;", "  A:active { color: #0000FF }",
        "            background-color: #CFC890;", "            background-color: #FFFFCF;"}},
  };
  for (const Case &c : cases) {
    const QStringList lines = Export(SportkaGrid(), [&c](TExporterHTML &e) { e.SetHTMLTemplate(c.htmlTemplate); });
    for (const QString &line : c.lines)
      EXPECT_TRUE(lines.contains(line)) << int(c.htmlTemplate) << ": " << line.toStdString();
  }

  // Colours are stored with red in the low byte; htCustom copies nothing.
  TExporterHTML exporter;
  EXPECT_EQ(exporter.HTMLTemplate(), htClassic);
  exporter.SetHTMLTemplate(htMS_Money);
  EXPECT_EQ(exporter.TableOptions().HeadersRowBgColor, 11912910u);
  EXPECT_EQ(exporter.TableOptions().TableBgColor, 14608350u);
  EXPECT_EQ(exporter.TableOptions().OddRowBgColor, 0xF0FBFFu);
  exporter.TableOptions().OddRowBgColor = 0x123456;
  exporter.SetHTMLTemplate(htCustom);
  EXPECT_EQ(exporter.TableOptions().OddRowBgColor, 0x123456u);
  EXPECT_EQ(ColorToHTML(0x123456), "#563412");
}

TEST_F(HtmlExport, FontLinesFollowTheDefaultOptions) {
  const QStringList lines = Export(SportkaGrid(), [](TExporterHTML &e) {
    e.HTMLOptions().DefaultOptions = doFontName;
    e.HTMLOptions().TextFont.Size = 10;
    e.HTMLOptions().BackgroundFileName = QStringLiteral("paper.png");
  });
  EXPECT_EQ(lines.mid(5, 4), (QStringList{"  BODY { background: #FFFFFF; color: #000000;", "         font-size: 10pt;",
                                          "background-image: url(paper.png)", "  }"}));
  EXPECT_FALSE(lines.join('\n').contains("font-family"));
}

TEST_F(HtmlExport, CellParametersBecomeAlignAndStyleAttributes) {
  const QStringList lines = Export(SportkaGrid(), [](TExporterHTML &e) {
    e.OnGetCellParams = [](TExporter *, int RecNo, int ColNo, const QString &Value, TExportColAlign &Align,
                           TExportFont &AFont, TColor &Background) {
      if (ColNo == 1)
        Align = ecaRight;
      if (ColNo == 2 && RecNo == 0) {
        Background = RGBToColor(0xFF0000);
        AFont.Bold = true;
        AFont.Size = 12;
      }
      if (ColNo == 2 && RecNo == 1 && Value == QLatin1String("42")) {
        AFont.Color = RGBToColor(0x00FF00);
        AFont.Name = QStringLiteral("Verdana");
        AFont.Italic = true;
        AFont.Underline = true;
      }
    };
  });
  EXPECT_EQ(DataCells(lines),
            (QStringList{
                R"(    <td class="TrOdd" align=Left>Pole&#160;1</td>)",
                R"(    <td class="TrOdd" align=Right>5</td>)",
                R"(    <td class="TrOdd" align=Left style="background-color: #FF0000; font-size: 12pt; font-weight: bold">17</td>)",
                R"(    <td class="TrRows" align=Left>Pole&#160;2</td>)",
                R"(    <td class="TrRows" align=Right>23</td>)",
                R"(    <td class="TrRows" align=Left style="font-family: Verdana; color: #00FF00; font-style: italic; text-decoration: underline">42</td>)",
            }));
}

TEST_F(HtmlExport, BooleanColumnsBecomeCheckBoxesInAForm) {
  const QStringList lines = Export(TTestGrid({{"ok"}, {"true"}, {"FALSE"}}), [](TExporterHTML &e) {
    e.SetAutoCalcStrType(true);
    e.SetBoolAsCheckBox(true);
  });
  EXPECT_EQ(DataCells(lines), (QStringList{R"(    <td class="TrOdd" align=Center><Input type="checkbox" checked=""/></td>)",
                                           R"(    <td class="TrRows" align=Center><Input type="checkbox"/></td>)"}));
  const int form = lines.indexOf("<Form>");
  EXPECT_EQ(lines.value(form - 1), R"(<Table Border="1" Cellpadding="4" Cellspacing="1">)");
  EXPECT_EQ(lines.value(lines.indexOf("</Form>") + 1), "</Table>");
}

TEST_F(HtmlExport, BorderColourFramesTheTableAndClosesTheFrame) {
  const QStringList lines = Export(SportkaGrid(), [](TExporterHTML &e) {
    e.TableOptions().BorderColor = RGBToColor(0x336699);
  });
  EXPECT_TRUE(lines.contains("  .TrBC { background-color: #336699 }"));
  const int frame = lines.indexOf(R"(<Table cellspacing=0 cellpadding=0 class="TrBC">)");
  ASSERT_GT(frame, 0);
  EXPECT_EQ(lines.mid(frame - 1, 3), (QStringList{"<br>", R"(<Table cellspacing=0 cellpadding=0 class="TrBC">)",
                                                  "<tr><td>"}));
  EXPECT_EQ(lines.mid(lines.size() - 7), (QStringList{"  </tr>", "</Table>", "</td></tr>", "</Table>", "<br>",
                                                      "</BODY>", "</HTML>"}));
}

TEST_F(HtmlExport, TablesWithoutRecordsStillGiveAClosedPage) {
  // Only the caption row: the source is empty. With ExportRecCount -1 no record is taken.
  for (int recCount : {0, -1}) {
    TTestGrid grid = recCount == 0 ? TTestGrid({{"Sportka"}}) : SportkaGrid();
    const QStringList lines = Export(grid, [recCount](TExporterHTML &e) {
      if (recCount < 0)
        e.SetExportRecCount(recCount);
    });
    EXPECT_EQ(lines.mid(28), (QStringList{"</HEAD>", "<BODY>", "<br>", "<br>", "</BODY>", "</HTML>"}))
        << recCount;
    EXPECT_EQ(lines.first(), "<HTML>");
  }
}

TEST_F(HtmlExport, RejectedFirstRecordStillGivesAWholePage) {
  // The page starts with the first record written, not with record 0 as such.
  const QStringList lines = Export(SportkaGrid(), [](TExporterHTML &e) {
    e.OnBeforeExportRow = [](TExporter *, TExportRow &row, bool &accept) { accept = row[0].Value != "Pole 1"; };
  });
  EXPECT_EQ(lines.mid(0, 31), SportkaPage.mid(0, 31));
  EXPECT_EQ(lines.count(R"(    <td class="ThRows">Sportka</td>)"), 1);
  EXPECT_EQ(DataCells(lines), (QStringList{R"(    <td class="TrOdd" align=Left>Pole&#160;2</td>)",
                                           R"(    <td class="TrOdd" align=Left>23</td>)",
                                           R"(    <td class="TrOdd" align=Left>42</td>)"}));
  EXPECT_EQ(lines.mid(lines.size() - 5), SportkaPage.mid(SportkaPage.size() - 5));
}

TEST_F(HtmlExport, ExternalStyleSheetGoesBesideThePage) {
  const QStringList lines = Export(SportkaGrid(), [](TExporterHTML &e) { e.SetUsingCSS(usExternal); });
  EXPECT_EQ(lines.mid(3, 3), (QStringList{" <Title>Sportka</Title>",
                                          R"( <link rel="stylesheet" type="text/css" href="out.css">)", "</HEAD>"}));
  EXPECT_EQ(ReadAll(Path(QStringLiteral("out.css"))), CrLfLines(SportkaPage.mid(5, 22)));

  WriteAll(Path(QStringLiteral("mine.css")), "kept");
  Export(SportkaGrid(), [this](TExporterHTML &e) {
    e.SetUsingCSS(usExternal);
    e.SetCSSFileName(Path(QStringLiteral("mine.css")));
    e.SetOverwriteCSSFile(false);
  });
  EXPECT_EQ(ReadAll(Path(QStringLiteral("mine.css"))), QByteArray("kept"));
}

TEST_F(HtmlExport, MaxRecordsSplitsThePagesWithNavigationAndIndex) {
  TTestGrid grid({{"Sportka", "1. číslo"}, {"Pole 1", "1"}, {"Pole 2", "2"}, {"Pole 3", "3"}, {"Pole 4", "4"}, {"Pole 5", "5"}});
  Export(grid, [](TExporterHTML &e) { e.SetMaxRecords(2); });

  const QStringList pageNames = {"out01.html", "out02.html", "out03.html"};
  EXPECT_EQ(FilesIn(FDir.path()), QStringList{"out.html"} + pageNames);
  const int rows[] = {2, 2, 1};
  for (int p = 0; p < 3; ++p) {
    const QStringList lines = Lines(ReadAll(Path(pageNames[p])));
    const QStringList cells = DataCells(lines);
    ASSERT_EQ(cells.size(), rows[p] * 2) << p;
    EXPECT_EQ(cells[0], QStringLiteral(R"(    <td class="TrOdd" align=Left>Pole&#160;%1</td>)").arg(2 * p + 1));
    EXPECT_EQ(lines.count(R"(<Table Border="0" Cellpadding="4" Cellspacing="1">)"), 2) << p;
    EXPECT_EQ(lines.count(R"(    <td class="ThRows">Sportka</td>)"), 1) << p;
  }

  // Page 2 of 3: the top block follows <BODY>, the bottom block precedes </BODY>.
  const QStringList page2 = Lines(ReadAll(Path(pageNames[1])));
  const QStringList block = {
      R"(<Table Border="0" Cellpadding="4" Cellspacing="1">)",
      "  <tr>",
      R"(    <td><a href="out.html">Index</a></td>)",
      R"(    <td><a href="out01.html">First</a></td>)",
      R"(    <td><a href="out01.html">Prior</a></td>)",
      R"(    <td><a href="out01.html">1</a></td>)",
      "    <td><b>2</b></td>",
      R"(    <td><a href="out03.html">3</a></td>)",
      R"(    <td><a href="out03.html">Next</a></td>)",
      R"(    <td><a href="out03.html">Last</a></td>)",
      "  </tr>",
      "</Table>",
  };
  const int body = page2.indexOf("<BODY>");
  EXPECT_EQ(page2.mid(body + 1, block.size() + 2), (block + QStringList{"<br>", "<br>"}));
  EXPECT_EQ(page2.mid(page2.size() - block.size() - 4),
            (QStringList{"<br>", "<br>"} + block + QStringList{"</BODY>", "</HTML>"}));
  // Prior of the first page and Next of the last page wrap round.
  EXPECT_TRUE(Lines(ReadAll(Path(pageNames[0]))).contains(R"(    <td><a href="out03.html">Prior</a></td>)"));
  EXPECT_TRUE(Lines(ReadAll(Path(pageNames[2]))).contains(R"(    <td><a href="out01.html">Next</a></td>)"));

  const QStringList index = Lines(ReadAll(Path("out.html")));
  EXPECT_EQ(index.count("<LI>"), 3);
  EXPECT_TRUE(index.contains(R"(<a href="out02.html">out02.html</a>)"));
  EXPECT_EQ(index.first(), "<HTML>");
  EXPECT_FALSE(index.join('\n').contains("<Title>"));
  EXPECT_EQ(FOpener.Calls(), QStringList{"open " + Path("out.html")});
}

TEST_F(HtmlExport, PagesWithoutIndexLeaveFileNameEmptyAndOpenTheFirstPage) {
  TTestGrid grid({{"A"}, {"1"}, {"2"}, {"3"}});
  Export(grid, [](TExporterHTML &e) {
    e.SetMaxRecords(2);
    e.SetGenerateIndex(false);
    e.Navigation().IndexLinkTemplate = QStringLiteral("Strana ");
    e.Navigation().OnTop = false;
  });
  EXPECT_EQ(ReadAll(Path("out.html")), QByteArray());
  EXPECT_EQ(FOpener.Calls(), QStringList{"open " + Path("out01.html")});
  const QStringList page1 = Lines(ReadAll(Path("out01.html")));
  EXPECT_EQ(page1.count(R"(<Table Border="0" Cellpadding="4" Cellspacing="1">)"), 1);
  EXPECT_FALSE(page1.join('\n').contains("Index"));
}

TEST_F(HtmlExport, IndexLinkTemplateNumbersTheLinks) {
  TTestGrid grid({{"A"}, {"1"}, {"2"}, {"3"}});
  Export(grid, [](TExporterHTML &e) {
    e.SetMaxRecords(1);
    e.Navigation().IndexLinkTemplate = QStringLiteral("Strana ");
  });
  const QStringList index = Lines(ReadAll(Path("out.html")));
  EXPECT_TRUE(index.contains(R"(<a href="out03.html">Strana 03</a>)"));
}

TEST_F(HtmlExport, NavigationBlocksTakeThePagesEncoding) {
  struct Case {
    TExportCharsetType charset;
    QStringDecoder::Encoding encoding;
  } cases[] = {{ectUTF8, QStringDecoder::Utf8}, {ectUTF16, QStringDecoder::Utf16LE}};
  for (const Case &c : cases) {
    TTestGrid grid({{"A"}, {"1"}, {"2"}});
    TExporterHTML exporter;
    BindLikeTheWindow(exporter, grid, Path("out.html"));
    exporter.SetMaxRecords(1);
    exporter.SetCharsetType(c.charset);
    exporter.Navigation().PriorLinkTitle = QStringLiteral("Předchozí");
    exporter.Execute();

    QStringDecoder decode(c.encoding);
    const QString page = decode(ReadAll(Path("out02.html")));
    EXPECT_FALSE(decode.hasError()) << c.charset;
    EXPECT_EQ(page.count(QStringLiteral(R"(    <td><a href="out01.html">Předchozí</a></td>)")), 2) << c.charset;
    EXPECT_TRUE(page.endsWith(QStringLiteral("</Table>\r\n</BODY>\r\n</HTML>\r\n"))) << c.charset;
  }
}

TEST_F(HtmlExport, FailedRunLeavesEveryOldFileUntouched) {
  WriteAll(Path("out.html"), "old page");
  WriteAll(Path("out01.html"), "old first page");
  TTestGrid grid({{"A"}, {"1"}, {"2"}, {"3"}});
  for (int maxRecords : {0, 1}) {
    TExporterHTML exporter;
    BindLikeTheWindow(exporter, grid, Path("out.html"));
    exporter.SetMaxRecords(maxRecords);
    exporter.OnExportedRecord = [](TExporter *, int RecNo) {
      if (RecNo == 1)
        throw EExportError(QStringLiteral("stopped"));
    };
    EXPECT_THROW(exporter.Execute(), EExportError);
  }
  EXPECT_EQ(ReadAll(Path("out.html")), QByteArray("old page"));
  EXPECT_EQ(ReadAll(Path("out01.html")), QByteArray("old first page"));
  EXPECT_EQ(FilesIn(FDir.path()), (QStringList{"out.html", "out01.html"}));
  EXPECT_TRUE(FOpener.Calls().isEmpty());
}

TEST_F(HtmlExport, MissingFolderIsCreated) {
  TTestGrid grid = SportkaGrid();
  TExporterHTML exporter;
  BindLikeTheWindow(exporter, grid, Path("a/b/page.html"));
  exporter.Execute();
  EXPECT_TRUE(ReadAll(Path("a/b/page.html")).startsWith("<HTML>\r\n"));

  WriteAll(Path("plain"), "a file");
  exporter.SetFileName(Path("plain/sub/page.html"));
  try {
    exporter.Execute();
    FAIL() << "a folder under a file cannot be created";
  } catch (const EExportError &e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Directory \"%1\" not found and cannot be created").arg(Path("plain/sub")));
  }
}

TEST_F(HtmlExport, TemplateFileKeepsTheColours) {
  TExporterHTML source;
  source.SetHTMLTemplate(htMurky);
  source.TableOptions().BorderColor = RGBToColor(0x102030);
  source.SaveTemplateToFile(Path("murky.ini"));

  TExporterHTML target;
  target.LoadTemplateFromFile(Path("murky.ini"));
  EXPECT_EQ(target.HTMLTemplate(), htCustom);
  EXPECT_EQ(target.HTMLOptions().BackgroundColor, source.HTMLOptions().BackgroundColor);
  EXPECT_EQ(target.HTMLOptions().TextFont, source.HTMLOptions().TextFont);
  EXPECT_EQ(target.TableOptions().TableFontColor, RGBToColor(0xFFE760));
  EXPECT_EQ(target.TableOptions().OddRowBgColor, RGBToColor(0x367800));
  EXPECT_EQ(target.TableOptions().BorderColor, RGBToColor(0x102030));
  EXPECT_TRUE(ReadAll(Path("murky.ini")).contains("OddRowBgColor=#367800"));
  EXPECT_THROW(target.LoadTemplateFromFile(Path("missing.ini")), EExportError);
}
