#include "ExporterXMLWriter.h"

namespace ExporterXML {

QString TXMLWriter::StartTagText(const QString &Tag, const QString &Options) {
  if (Options.isEmpty())
    return QLatin1Char('<') + Tag + QLatin1Char('>');
  return QLatin1Char('<') + Tag + QLatin1Char(' ') + Options + QLatin1Char('>');
}

QString TXMLWriter::EndTagText(const QString &Tag) {
  return QLatin1String("</") + Tag + QLatin1Char('>');
}

QString TXMLWriter::StartEndTagText(const QString &Tag, const QString &Options) {
  return QLatin1Char('<') + Tag + QLatin1Char(' ') + Options + QLatin1String("/>");
}

void TXMLWriter::StartTag(const QString &Tag, const QString &Options) {
  Write(StartTagText(Tag, Options));
}

void TXMLWriter::EndTag(const QString &Tag) { Write(EndTagText(Tag)); }

void TXMLWriter::StartEndTag(const QString &Tag, const QString &Options) {
  Write(StartEndTagText(Tag, Options));
}

void TXMLWriter::StartTagLn(const QString &Tag, const QString &Options) {
  WriteLn(StartTagText(Tag, Options));
}

void TXMLWriter::EndTagLn(const QString &Tag) { WriteLn(EndTagText(Tag)); }

void TXMLWriter::StartEndTagLn(const QString &Tag, const QString &Options) {
  WriteLn(StartEndTagText(Tag, Options));
}

}  // namespace ExporterXML
