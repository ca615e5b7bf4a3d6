#pragma once
// The HTML exporter's writer: one line of markup per operation.

#include "export/core/ExportWriter.h"

#include <QString>
#include <QStringList>

// Where a navigation block stands and what it links: page Page of Count, the page files' names
// (without folder) and the index file's name when there is an index.
struct TLocationLinks {
  int Page = 1;
  int Count = 1;
  bool Top = true;
  QStringList PageFiles;
  QString IndexFile;  // empty: no index link
  QString IndexLinkTitle, FirstLinkTitle, PriorLinkTitle, NextLinkTitle, LastLinkTitle;
};

class THTMLWriter : public TExportWriter {
public:
  using TExportWriter::TExportWriter;

  void StartHTML() { WriteLn(QStringLiteral("<HTML>")); }
  void EndHTML() { WriteLn(QStringLiteral("</HTML>")); }
  void StartHEAD() { WriteLn(QStringLiteral("<HEAD>")); }
  void EndHEAD() { WriteLn(QStringLiteral("</HEAD>")); }
  void StartBODY() { WriteLn(QStringLiteral("<BODY>")); }
  void EndBODY() { WriteLn(QStringLiteral("</BODY>")); }
  void StartSTYLE() { WriteLn(QStringLiteral(R"(<Style type="text/css">)")); }
  void EndSTYLE() { WriteLn(QStringLiteral("</STYLE>")); }
  void WriteUnicodeCharset(TExportCharsetType type);
  void WriteTITLE(const QString &title);  // the title is written as it is, markup and all
  void WriteCSSLink(const QString &fileName);
  void WriteTABLE(int border, int padding, const QString &background, int spacing);
  void EndTABLE() { WriteLn(QStringLiteral("</Table>")); }
  void StartFORM() { WriteLn(QStringLiteral("<Form>")); }
  void EndFORM() { WriteLn(QStringLiteral("</Form>")); }
  void WriteCaptionRowTD(const QString &text);
  // text supplies the rest of the start tag: attributes, ">" and the cell's content.
  void WriteOddRowTD(const QString &text);
  void WriteEvenRowTD(const QString &text);
  void LI() { WriteLn(QStringLiteral("<LI>")); }
  QString AlignToStr(TExportColAlign alignment) const override;

  // The navigation block of one page, lines ended by carriage return and line feed.
  static QString WriteLocationLinks(const TLocationLinks &links);
};
