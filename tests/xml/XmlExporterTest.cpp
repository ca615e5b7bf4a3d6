// The XML exporter: the data-packet document of a ticket table byte for byte, escaping, the
// declaration options, the Access layout with its schema, and what a failed run leaves behind.

#include "ExportTestSupport.h"
#include "export/core/ExportError.h"
#include "export/xml/ExporterXML.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

class XmlExport : public ::testing::Test {
protected:
  QString Path(const QString &name) const { return FDir.filePath(name); }

  // Exports grid with the window's settings to a file and returns the bytes.
  QByteArray Export(TTestGrid grid, const std::function<void(TExporterXML &)> &configure = {}) {
    TExporterXML exporter;
    BindLikeTheWindow(exporter, grid, Path(QStringLiteral("out.xml")));
    if (configure)
      configure(exporter);
    exporter.Execute();
    return ReadAll(Path(QStringLiteral("out.xml")));
  }

  QTemporaryDir FDir;
  TOpenerScope FOpener;
};

// The ROW lines of a data-packet document.
QStringList RowLines(const QByteArray &document) {
  QStringList rows;
  for (const QString &line : QString::fromUtf8(document).split(QStringLiteral("\r\n")))
    if (line.startsWith(QLatin1String("<ROW ")))
      rows << line;
  return rows;
}

// Attribute values of every element named tag, read back by Qt's XML reader.
QList<QStringList> ReadAttributes(const QByteArray &document, const QString &tag) {
  QList<QStringList> result;
  QXmlStreamReader reader(document);
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == tag) {
      QStringList values;
      for (const QXmlStreamAttribute &a : reader.attributes())
        values << a.value().toString();
      result << values;
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return result;
}

}  // namespace

TEST_F(XmlExport, SportkaTableGivesTheFourteenLineDocument) {
  const QByteArray expected = CrLfLines({
      R"(<?xml version="1.0" standalone="yes"?>)",
      R"(<DATAPACKET Version="2.0">)",
      "<METADATA>",
      "<FIELDS>",
      R"(<FIELD FieldName="Field0" DisplayLabel="Sportka" FieldType="String" FieldClass="TField"/>)",
      R"(<FIELD FieldName="Field1" DisplayLabel="1._číslo" FieldType="String" FieldClass="TField"/>)",
      R"(<FIELD FieldName="Field2" DisplayLabel="2._číslo" FieldType="String" FieldClass="TField"/>)",
      "</FIELDS>",
      "</METADATA>",
      "<ROWDATA>",
      R"(<ROW Field0="Pole&#160;1" Field1="5" Field2="17"/>)",
      R"(<ROW Field0="Pole&#160;2" Field1="23" Field2="42"/>)",
      "</ROWDATA>",
      "</DATAPACKET>",
  });
  EXPECT_EQ(Export(SportkaGrid()), expected);
  EXPECT_EQ(FOpener.Calls(), QStringList{QStringLiteral("open ") + Path(QStringLiteral("out.xml"))});

  // The same bytes reach a stream the caller owns.
  TTestGrid grid = SportkaGrid();
  TExporterXML exporter;
  BindLikeTheWindow(exporter, grid, QString());
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  exporter.ExportToStream(&buffer);
  EXPECT_EQ(buffer.data(), expected);
}

TEST(XmlNormalString, EscapesMarkupSpacesAndWhatXmlCannotCarry) {
  struct Case {
    QString text, written;
  } cases[] = {
      {QStringLiteral("a&b<c>d\"e'f"), QStringLiteral("a&amp;b&lt;c&gt;d&quot;e'f")},
      {QStringLiteral("a b"), QStringLiteral("a&#160;b")},
      {QStringLiteral("&#160;"), QStringLiteral("&amp;#160;")},
      {QStringLiteral("&&"), QStringLiteral("&amp;&amp;")},
      {QStringLiteral("Šťastných 10"), QStringLiteral("Šťastných&#160;10")},
      {QString::fromUtf8("\xF0\x9F\x8E\xB2 ok"), QString::fromUtf8("\xF0\x9F\x8E\xB2&#160;ok")},
      {QStringLiteral("a\x01" "b\x1F" "c") + QChar(0) , QStringLiteral("a\uFFFDb\uFFFDc\uFFFD")},
      {QStringLiteral("t\tn\nr\r"), QStringLiteral("t&#9;n&#10;r&#13;")},
      {QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y") + QChar(0xDC00), QStringLiteral("x\uFFFDy\uFFFD")},
      {QStringLiteral("x") + QChar(0xFFFE) + QChar(0xFFFF), QStringLiteral("x\uFFFD\uFFFD")},
      {QString(), QString()},
  };
  TExporterXML exporter;
  for (const Case &c : cases)
    EXPECT_EQ(exporter.NormalString(c.text), c.written) << c.text.toStdString();
}

TEST_F(XmlExport, ValuesAndLabelsComeBackThroughAnXmlReader) {
  const QString tricky = QStringLiteral("<a href=\"x\">&amp; 'b'</a>");
  const QString controls = QStringLiteral("bell\x07 tab\tline\r\nend");
  const QByteArray document = Export(TTestGrid({{QStringLiteral("a b"), QStringLiteral("x&y"), QString()},
                                                {tricky, controls, QString()}}));
  const QList<QStringList> fields = ReadAttributes(document, QStringLiteral("FIELD"));
  ASSERT_EQ(fields.size(), 3);
  EXPECT_EQ(fields[0][1], QStringLiteral("a_b"));
  EXPECT_EQ(fields[1][1], QStringLiteral("x&y"));
  EXPECT_EQ(fields[2][1], QString());

  const QString nbsp(QChar(0xA0));
  const QList<QStringList> rows = ReadAttributes(document, QStringLiteral("ROW"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0], (QStringList{QString(tricky).replace(QLatin1Char(' '), nbsp),
                                  QStringLiteral("bell\uFFFD") + nbsp + QStringLiteral("tab\tline\r\nend"),
                                  QString()}));
}

TEST_F(XmlExport, EmptyTicketTableGivesOneRowOfElevenEmptyValues) {
  QStringList captions(11);
  captions[0] = QStringLiteral("KENO");
  const QByteArray document = Export(TTestGrid({captions, QStringList(11)}));
  const QStringList rows = RowLines(document);
  ASSERT_EQ(rows.size(), 1);
  QStringList attributes;
  for (int i = 0; i < 11; ++i)
    attributes << QStringLiteral("Field%1=\"\"").arg(i);
  EXPECT_EQ(rows[0], QStringLiteral("<ROW ") + attributes.join(QLatin1Char(' ')) + QStringLiteral("/>"));
  EXPECT_TRUE(document.contains(R"(<FIELD FieldName="Field0" DisplayLabel="KENO" FieldType="String")"));
  EXPECT_TRUE(document.contains(R"(<FIELD FieldName="Field10" DisplayLabel="" FieldType="String")"));
}

TEST_F(XmlExport, DeclarationFollowsTheOptions) {
  const QByteArray plain = Export(SportkaGrid());
  const QByteArray withEncoding = Export(SportkaGrid(), [](TExporterXML &e) {
    e.Options().Encoding = QStringLiteral("UTF-8");
  });
  const QByteArray notStandalone = Export(SportkaGrid(), [](TExporterXML &e) {
    TXMLOptions options;
    options.StandAlone = false;
    e.SetOptions(options);
  });
  const QByteArray body = plain.mid(plain.indexOf("\r\n"));
  EXPECT_EQ(withEncoding, R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)" + body);
  EXPECT_EQ(notStandalone, R"(<?xml version="1.0" standalone="no"?>)" + body);
}

TEST_F(XmlExport, AccessLayoutWritesOneElementPerRecordAndAValidSchema) {
  const QByteArray document = Export(SportkaGrid(), [](TExporterXML &e) { e.SetDocumentType(xtAccess); });
  EXPECT_EQ(document, CrLfLines({
                          R"(<?xml version="1.0" standalone="yes"?>)",
                          R"(<dataroot xmlns:od="urn:schemas-microsoft-com:officedata">)",
                          "<out><Field0>Pole&#160;1</Field0><Field1>5</Field1><Field2>17</Field2></out>",
                          "<out><Field0>Pole&#160;2</Field0><Field1>23</Field1><Field2>42</Field2></out>",
                          "</dataroot>",
                      }));
  EXPECT_FALSE(QFile::exists(Path(QStringLiteral("out.xsd"))));

  const QByteArray withSchema = Export(SportkaGrid(), [](TExporterXML &e) {
    e.SetDocumentType(xtAccess);
    e.SetExportXSDSchema(true);
  });
  EXPECT_TRUE(withSchema.contains(
      R"(<dataroot xmlns:od="urn:schemas-microsoft-com:officedata" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:noNamespaceSchemaLocation="out.xsd">)"));
  const QByteArray schema = ReadAll(Path(QStringLiteral("out.xsd")));
  EXPECT_TRUE(schema.startsWith(R"(<?xml version="1.0" encoding="UTF-8"?><xsd:schema )"));
  EXPECT_FALSE(schema.contains('\n'));
  const QList<QStringList> elements = ReadAttributes(schema, QStringLiteral("element"));
  QStringList names;
  for (const QStringList &attributes : elements)
    names << attributes.value(0);
  EXPECT_EQ(names, (QStringList{"dataroot", "out", "out", "Field0", "Field1", "Field2"}));
  EXPECT_TRUE(schema.contains(R"(name="Field0" minOccurs="0" od:jetType="text" od:sqlSType="nvarchar")"));
}

TEST_F(XmlExport, TableNameOfTheAccessLayoutIsMadeAValidName) {
  TTestGrid grid = SportkaGrid();
  TExporterXML exporter;
  BindLikeTheWindow(exporter, grid, Path(QStringLiteral("tah 5 (Sportka).xml")));
  exporter.SetDocumentType(xtAccess);
  exporter.Execute();
  const QList<QStringList> rows = ReadAttributes(ReadAll(exporter.FileName()), QStringLiteral("tah_5_Sportka_"));
  EXPECT_EQ(rows.size(), 2);
}

TEST_F(XmlExport, FailedRunLeavesTheOldFileAndNothingElse) {
  const QString target = Path(QStringLiteral("out.xml"));
  WriteAll(target, "old content");

  TExporterXML unbound;
  unbound.SetExportSource(esStringGrid);
  unbound.SetFileName(target);
  try {
    unbound.Execute();
    FAIL() << "an unbound grid must raise";
  } catch (const EExportError &e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Export source (StringGrid) is not assigned"));
  }

  TTestGrid grid = SportkaGrid();
  TExporterXML failing;
  BindLikeTheWindow(failing, grid, target);
  failing.OnExportedRecord = [](TExporter *, int) { throw EExportError(QStringLiteral("disk gone")); };
  EXPECT_THROW(failing.Execute(), EExportError);

  EXPECT_EQ(ReadAll(target), QByteArray("old content"));
  EXPECT_EQ(FilesIn(FDir.path()), QStringList{QStringLiteral("out.xml")});
  EXPECT_TRUE(FOpener.Calls().isEmpty());
}
