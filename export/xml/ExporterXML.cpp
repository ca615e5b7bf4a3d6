#include "ExporterXML.h"

#include "XMLNames.h"
#include "XMLSchema.h"
#include "export/core/ExportWriter.h"
#include "export/core/SafeFile.h"

#include <QFileInfo>
#include <QIODevice>

using ExporterXML::TXMLWriter;

namespace {
const QString DatapacketTag = QStringLiteral("DATAPACKET");
const QString MetadataTag = QStringLiteral("METADATA");
const QString FieldsTag = QStringLiteral("FIELDS");
const QString FieldTag = QStringLiteral("FIELD");
const QString RowDataTag = QStringLiteral("ROWDATA");
const QString RowTag = QStringLiteral("ROW");
const QString DatarootTag = QStringLiteral("dataroot");
}  // namespace

QString XMLFieldType(TExportColType type) {
  switch (type) {
  case ectInteger:
  case ectBigint:
    return QStringLiteral("Integer");
  case ectFloat:
    return QStringLiteral("Float");
  case ectCurrency:
    return QStringLiteral("Currency");
  case ectDate:
    return QStringLiteral("Date");
  case ectTime:
    return QStringLiteral("Time");
  case ectDateTime:
    return QStringLiteral("DateTime");
  case ectString:
    return QStringLiteral("String");
  case ectBoolean:
    return QStringLiteral("Boolean");
  case ectUnknown:
    break;
  }
  return QStringLiteral("Unknown");
}

TExporterXML::TExporterXML() = default;

TExposedSettings TExporterXML::ExposedSettings() const {
  TExposedSettings settings = TExporterText::ExposedSettings();
  settings << QStringLiteral("Captions") << QStringLiteral("UserFormats");
  return settings;
}

QString TExporterXML::NormalString(const QString &S) {
  const QString text = ExporterXML::ValidXMLText(S);
  QString result;
  result.reserve(text.size() + 16);
  for (QChar c : text) {
    switch (c.unicode()) {
    case u'&': result += QLatin1String("&amp;"); break;
    case u'>': result += QLatin1String("&gt;"); break;
    case u'<': result += QLatin1String("&lt;"); break;
    case u'"': result += QLatin1String("&quot;"); break;
    case u' ': result += QLatin1String("&#160;"); break;
    // Parsers turn these into spaces inside attribute values; references keep them.
    case u'\t': result += QLatin1String("&#9;"); break;
    case u'\n': result += QLatin1String("&#10;"); break;
    case u'\r': result += QLatin1String("&#13;"); break;
    default: result += c;
    }
  }
  return result;
}

QString TExporterXML::SchemaFileName() const {
  const QString name = QFileInfo(FileName()).completeBaseName() + QLatin1String(".xsd");
  const int slash = FileName().lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? name : FileName().left(slash + 1) + name;
}

std::unique_ptr<TExportWriter> TExporterXML::WriterClass(QIODevice *stream) {
  return std::make_unique<TXMLWriter>(this, stream);
}

TXMLWriter &TExporterXML::XMLWriter() const { return static_cast<TXMLWriter &>(*Writer()); }

// The table element of the Access layout is named after the file, made safe as an element name.
QString TExporterXML::TableName() const {
  return ExporterXML::CleanName(QFileInfo(FileName()).completeBaseName());
}

void TExporterXML::StartExport() {
  TExporterText::StartExport();

  QStringList names;
  for (int i = 0; i < Columns().Count(); ++i)
    names << Columns()[i].Name;
  FCorrectNames = ExporterXML::CorrectNames(names, &FModifiedCaption);

  WriteDeclaration();
  if (FExportXSDSchema)
    WriteSchemaFile();
  if (FDocumentType == xtAccess)
    WriteDataroot();
  else
    XMLWriter().StartTagLn(DatapacketTag, QStringLiteral(R"(Version="2.0")"));
}

void TExporterXML::WriteDeclaration() {
  const QString encoding =
      FOptions.Encoding.isEmpty() ? QString() : QStringLiteral(R"(encoding="%1" )").arg(FOptions.Encoding);
  XMLWriter().WriteLn(QStringLiteral(R"(<?xml version="%1" %2standalone="%3"?>)")
                          .arg(FOptions.Version, encoding,
                               FOptions.StandAlone ? QStringLiteral("yes") : QStringLiteral("no")));
}

void TExporterXML::WriteSchemaFile() {
  if (FileName().isEmpty())
    return;  // a stream export has no file to put the schema beside
  QVector<ExporterXML::TSchemaColumn> columns;
  for (int i = 0; i < Columns().Count(); ++i)
    columns.append({FCorrectNames[i], Columns()[i].ColType, Columns()[i].Length});
  TSafeFile schema(SchemaFileName());
  schema.Device().write(
      TExportWriter::Encode(ExporterXML::SchemaText(TableName(), columns), ectUTF8));
  schema.Commit();
}

void TExporterXML::WriteDataroot() {
  QString attributes = QStringLiteral(R"(xmlns:od="urn:schemas-microsoft-com:officedata")");
  if (FExportXSDSchema)
    attributes += QStringLiteral(R"( xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" )"
                                 R"(xsi:noNamespaceSchemaLocation="%1")")
                      .arg(NormalString(QFileInfo(SchemaFileName()).fileName()));
  XMLWriter().StartTagLn(DatarootTag, attributes);
}

void TExporterXML::WriteCaptions() {
  if (FDocumentType == xtAccess)
    return;  // the Access layout has no field description
  TXMLWriter &writer = XMLWriter();
  writer.StartTagLn(MetadataTag);
  writer.StartTagLn(FieldsTag);
  for (int i = 0; i < Columns().Count(); ++i)
    writer.StartEndTagLn(FieldTag, ColumnCaption(i));
  writer.EndTagLn(FieldsTag);
  writer.EndTagLn(MetadataTag);
}

QString TExporterXML::ColumnCaption(int index) {
  const TExportColumn &column = Columns()[index];
  QString label = column.Caption;
  label.replace(QLatin1Char(' '), QLatin1Char('_'));
  return QStringLiteral(R"(FieldName="%1" DisplayLabel="%2" FieldType="%3" FieldClass="TField")")
      .arg(FCorrectNames.value(index), NormalString(label), XMLFieldType(column.ColType));
}

void TExporterXML::BeforeDataRows() {
  if (FDocumentType == xtDatapacket2)
    XMLWriter().StartTagLn(RowDataTag);
}

QString TExporterXML::BuildDataLine() {
  QStringList attributes;
  TExportRow &row = ExportRow();
  for (int i = 0; i < row.Count(); ++i) {
    const TExportCol &col = row[i];
    const int column = col.ColumnIndex >= 0 ? col.ColumnIndex : i;
    attributes << FCorrectNames.value(column) + QLatin1String("=\"") + GetExportedValue(col) +
                      QLatin1Char('"');
  }
  return attributes.join(QLatin1Char(' '));
}

QString TExporterXML::AccessRecordLine() {
  const QString table = TableName();
  QString line = TXMLWriter::StartTagText(table);
  TExportRow &row = ExportRow();
  for (int i = 0; i < row.Count(); ++i) {
    const TExportCol &col = row[i];
    const QString name = FCorrectNames.value(col.ColumnIndex >= 0 ? col.ColumnIndex : i);
    line += TXMLWriter::StartTagText(name) + GetExportedValue(col) + TXMLWriter::EndTagText(name);
  }
  return line + TXMLWriter::EndTagText(table);
}

void TExporterXML::WriteRecord() {
  if (FDocumentType == xtAccess)
    XMLWriter().WriteLn(AccessRecordLine());
  else
    XMLWriter().StartEndTagLn(RowTag, BuildDataLine());
}

void TExporterXML::AfterDataRows() {
  if (FDocumentType == xtAccess) {
    XMLWriter().EndTagLn(DatarootTag);
  } else {
    XMLWriter().EndTagLn(RowDataTag);
    XMLWriter().EndTagLn(DatapacketTag);
  }
  TExporterText::AfterDataRows();
}

QSet<QChar> TExporterXML::SpecialCharacters() const {
  return {QLatin1Char('"'), QLatin1Char('&'), QLatin1Char('<'), QLatin1Char('>')};
}
