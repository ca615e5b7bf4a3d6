#pragma once
// The XML exporter's tag writer: start, end and empty tags on top of the output writer. (The office
// formats have a different, node-stack writer of the same class name in namespace XMLWriter.)

#include "export/core/ExportWriter.h"

namespace ExporterXML {

class TXMLWriter : public TExportWriter {
public:
  using TExportWriter::TExportWriter;

  // "<Tag Options>", or "<Tag>" when Options is empty.
  void StartTag(const QString &Tag, const QString &Options = QString());
  // "</Tag>"
  void EndTag(const QString &Tag);
  // "<Tag Options/>"; the space stands also when Options is empty.
  void StartEndTag(const QString &Tag, const QString &Options = QString());

  void StartTagLn(const QString &Tag, const QString &Options = QString());
  void EndTagLn(const QString &Tag);
  void StartEndTagLn(const QString &Tag, const QString &Options = QString());

  static QString StartTagText(const QString &Tag, const QString &Options = QString());
  static QString EndTagText(const QString &Tag);
  static QString StartEndTagText(const QString &Tag, const QString &Options = QString());
};

}  // namespace ExporterXML
