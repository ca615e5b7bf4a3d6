#include "XMLSchema.h"

namespace ExporterXML {
namespace {

// Inner elements are written "<name attributes>" ... "</name >", each carrying an empty
// annotation, the way the database tools that read these schemas write them.
QString InnerStart(const QString &name, const QString &attributes) {
  return QLatin1Char('<') + name + QLatin1Char(' ') + attributes + QLatin1Char('>');
}

QString InnerEnd(const QString &name) { return QLatin1String("</") + name + QLatin1String(" >"); }

QString Annotation() {
  return InnerStart(QStringLiteral("xsd:annotation"), QString()) +
         InnerStart(QStringLiteral("xsd:appinfo"), QString()) + InnerEnd(QStringLiteral("xsd:appinfo")) +
         InnerEnd(QStringLiteral("xsd:annotation"));
}

QString TypeAttributes(TExportColType type) {
  switch (type) {
  case ectInteger:
  case ectBigint:
    return QStringLiteral(R"(minOccurs="0" od:jetType="longinteger" od:sqlSType="int" type="xsd:int")");
  case ectFloat:
  case ectCurrency:
    return QStringLiteral(R"(minOccurs="0" od:jetType="currency" od:sqlSType="money" type="xsd:double")");
  case ectDate:
  case ectTime:
  case ectDateTime:
    return QStringLiteral(
        R"(minOccurs="0" od:jetType="datetime" od:sqlSType="datetime" type="xsd:dateTime")");
  case ectBoolean:
    return QStringLiteral(
        R"(minOccurs="1" od:jetType="yesno" od:sqlSType="bit" od:nonNullable="yes" type="xsd:boolean")");
  case ectString:
  case ectUnknown:
    break;
  }
  return QStringLiteral(R"(minOccurs="0" od:jetType="text" od:sqlSType="nvarchar")");
}

// Text columns carry no type attribute; their length goes into a restriction instead.
QString TextRestriction(int length) {
  return InnerStart(QStringLiteral("xsd:simpleType"), QString()) +
         InnerStart(QStringLiteral("xsd:restriction"), QStringLiteral(R"(base="xsd:string")")) +
         QStringLiteral(R"(<xsd:maxLength value="%1"/>)").arg(length) +
         InnerEnd(QStringLiteral("xsd:restriction")) + InnerEnd(QStringLiteral("xsd:simpleType"));
}

QString ColumnElement(const TSchemaColumn &column) {
  QString element = InnerStart(QStringLiteral("xsd:element"),
                               QStringLiteral(R"(name="%1" )").arg(column.Name) +
                                   TypeAttributes(column.ColType)) +
                    Annotation();
  if (column.ColType == ectString || column.ColType == ectUnknown)
    element += TextRestriction(column.Length);
  return element + InnerEnd(QStringLiteral("xsd:element"));
}

QString DatarootElement(const QString &tableName) {
  return QStringLiteral(R"(<xsd:element name="dataroot"><xsd:complexType><xsd:sequence>)"
                        R"(<xsd:element ref="%1" minOccurs="0" maxOccurs="unbounded"/>)"
                        R"(</xsd:sequence><xsd:attribute name="generated" type="xsd:dateTime"/>)"
                        R"(</xsd:complexType></xsd:element>)")
      .arg(tableName);
}

QString TableElement(const QString &tableName, const QVector<TSchemaColumn> &columns) {
  QString element = InnerStart(QStringLiteral("xsd:element"), QStringLiteral(R"(name="%1")").arg(tableName)) +
                    Annotation() + InnerStart(QStringLiteral("xsd:complexType"), QString()) +
                    InnerStart(QStringLiteral("xsd:sequence"), QString());
  for (const TSchemaColumn &column : columns)
    element += ColumnElement(column);
  return element + InnerEnd(QStringLiteral("xsd:sequence")) + InnerEnd(QStringLiteral("xsd:complexType")) +
         InnerEnd(QStringLiteral("xsd:element"));
}

}  // namespace

QString SchemaText(const QString &tableName, const QVector<TSchemaColumn> &columns) {
  return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>)"
                        R"(<xsd:schema xmlns:xsd="http://www.w3.org/2001/XMLSchema" )"
                        R"(xmlns:od="urn:schemas-microsoft-com:officedata">)") +
         DatarootElement(tableName) + TableElement(tableName, columns) +
         QStringLiteral("</xsd:schema>");
}

}  // namespace ExporterXML
