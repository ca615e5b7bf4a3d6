#include "HTMLWriter.h"

#include <QFileInfo>

void THTMLWriter::WriteUnicodeCharset(TExportCharsetType type) {
  QString charset;
  switch (type) {
  case ectUTF8: charset = QStringLiteral("UTF-8"); break;
  case ectUTF16: charset = QStringLiteral("UTF-16"); break;
  case ectUTF32: charset = QStringLiteral("UTF-32"); break;
  default: return;
  }
  WriteLn(QStringLiteral(R"(<META http-equiv="content-type" content="text/html; charset=%1">)").arg(charset));
}

void THTMLWriter::WriteTITLE(const QString &title) {
  WriteLn(QStringLiteral(" <Title>") + title + QStringLiteral("</Title>"));
}

void THTMLWriter::WriteCSSLink(const QString &fileName) {
  WriteLn(QStringLiteral(R"( <link rel="stylesheet" type="text/css" href="%1">)").arg(fileName));
}

void THTMLWriter::WriteTABLE(int border, int padding, const QString &background, int spacing) {
  if (!background.isEmpty() && QFileInfo::exists(background))
    WriteLn(QStringLiteral(R"(<Table Border="%1" Cellpadding="%2" Cellspacing="%3" Background="%4">)")
                .arg(border)
                .arg(padding)
                .arg(spacing)
                .arg(background));
  else
    WriteLn(QStringLiteral(R"(<Table Border="%1" Cellpadding="%2" Cellspacing="%3">)")
                .arg(border)
                .arg(padding)
                .arg(spacing));
}

void THTMLWriter::WriteCaptionRowTD(const QString &text) {
  WriteLn(QStringLiteral(R"(    <td class="ThRows">)") + text + QStringLiteral("</td>"));
}

void THTMLWriter::WriteOddRowTD(const QString &text) {
  WriteLn(QStringLiteral(R"(    <td class="TrOdd")") + text + QStringLiteral("</td>"));
}

void THTMLWriter::WriteEvenRowTD(const QString &text) {
  WriteLn(QStringLiteral(R"(    <td class="TrRows")") + text + QStringLiteral("</td>"));
}

QString THTMLWriter::AlignToStr(TExportColAlign alignment) const {
  switch (alignment) {
  case ecaLeft: return QStringLiteral("Left");
  case ecaCenter: return QStringLiteral("Center");
  case ecaRight: return QStringLiteral("Right");
  }
  return QString();
}

namespace {

QString LinkCell(const QString &fileName, const QString &title) {
  return QStringLiteral(R"(    <td><a href=")") + fileName + QStringLiteral(R"(">)") + title +
         QStringLiteral("</a></td>\r\n");
}

}  // namespace

QString THTMLWriter::WriteLocationLinks(const TLocationLinks &links) {
  const int p = links.Page;
  const int n = links.Count;
  auto pageFile = [&links](int page) { return links.PageFiles.value(page - 1); };

  QString block;
  if (!links.Top)
    block += QStringLiteral("<br>\r\n");
  block += QStringLiteral(R"(<Table Border="0" Cellpadding="4" Cellspacing="1">)") + QStringLiteral("\r\n");
  block += QStringLiteral("  <tr>\r\n");
  if (!links.IndexFile.isEmpty())
    block += LinkCell(links.IndexFile, links.IndexLinkTitle);
  block += LinkCell(pageFile(1), links.FirstLinkTitle);
  block += LinkCell(pageFile(p > 1 ? p - 1 : n), links.PriorLinkTitle);
  for (int page = 1; page <= n; ++page) {
    if (page == p)
      block += QStringLiteral("    <td><b>%1</b></td>\r\n").arg(page);
    else
      block += LinkCell(pageFile(page), QString::number(page));
  }
  block += LinkCell(pageFile(p < n ? p + 1 : 1), links.NextLinkTitle);
  block += LinkCell(pageFile(n), links.LastLinkTitle);
  block += QStringLiteral("  </tr>\r\n");
  block += QStringLiteral("</Table>\r\n");
  if (links.Top)
    block += QStringLiteral("<br>\r\n");
  return block;
}
