#pragma once
// The XML exporter: a data-packet document with a field description and one empty ROW element per
// record whose attributes carry the values; optionally an Access-style "dataroot" document and a
// schema file beside it.

#include "ExporterXMLWriter.h"
#include "export/core/Exporter.h"

#include <QStringList>
#include <QVector>

enum TExportXMLType { xtDatapacket2 = 0, xtAccess };

// The XML declaration's settings.
class TXMLOptions {
public:
  QString Version = QStringLiteral("1.0");
  QString Encoding;  // written into the declaration when not empty; the bytes stay UTF-8
  bool StandAlone = true;
};

class TExporterXML : public TExporterText {
public:
  TExporterXML();

  const TXMLOptions &Options() const { return FOptions; }
  TXMLOptions &Options() { return FOptions; }
  void SetOptions(const TXMLOptions &value) { FOptions = value; }
  TExportXMLType DocumentType() const { return FDocumentType; }
  void SetDocumentType(TExportXMLType value) { FDocumentType = value; }
  bool ExportXSDSchema() const { return FExportXSDSchema; }
  void SetExportXSDSchema(bool value) { FExportXSDSchema = value; }

  // Per column of the last run: its attribute name, and whether that had to be changed.
  const QStringList &CorrectNames() const { return FCorrectNames; }
  const QVector<bool> &ModifiedCaption() const { return FModifiedCaption; }

  TExposedSettings ExposedSettings() const override;
  // Escapes markup characters and makes spaces no-break spaces; characters XML cannot carry
  // become U+FFFD, and tab, line feed and carriage return character references so that attribute
  // values keep them.
  QString NormalString(const QString &S) override;

  // The schema file written beside FileName: its name with the extension ".xsd".
  QString SchemaFileName() const;

protected:
  std::unique_ptr<TExportWriter> WriterClass(QIODevice *stream) override;
  void StartExport() override;
  void WriteCaptions() override;
  void BeforeDataRows() override;
  QString BuildDataLine() override;
  void WriteRecord() override;
  void AfterDataRows() override;
  QString ColumnCaption(int index) override;
  QSet<QChar> SpecialCharacters() const override;

private:
  ExporterXML::TXMLWriter &XMLWriter() const;
  void WriteDeclaration();
  void WriteSchemaFile();
  void WriteDataroot();
  QString AccessRecordLine();
  QString TableName() const;

  TXMLOptions FOptions;
  TExportXMLType FDocumentType = xtDatapacket2;
  bool FExportXSDSchema = false;
  QStringList FCorrectNames;
  QVector<bool> FModifiedCaption;
};

// The type word of a column in the field description ("String", "Integer", ...).
QString XMLFieldType(TExportColType type);
