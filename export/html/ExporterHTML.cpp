#include "ExporterHTML.h"

#include "export/core/ExportError.h"
#include "export/core/IniFile.h"
#include "export/core/SafeFile.h"
#include "export/xml/XMLNames.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

// The writer's stream while Execute runs: passes every byte on to the file or page buffer that is
// current, so the writer can move from page to page.
class THTMLOutput : public QIODevice {
public:
  explicit THTMLOutput(QIODevice *target) : FTarget(target) { open(QIODevice::WriteOnly); }
  void SetTarget(QIODevice *target) { FTarget = target; }
  QIODevice *Target() const { return FTarget; }
  bool isSequential() const override { return true; }

protected:
  qint64 readData(char *, qint64) override { return -1; }
  qint64 writeData(const char *data, qint64 len) override {
    const qint64 written = FTarget->write(data, len);
    if (written != len)
      setErrorString(FTarget->errorString());
    return written;
  }

private:
  QIODevice *FTarget;
};

THTMLPageOption::THTMLPageOption(const QString &fileName)
    : FileName(fileName), Content(std::make_unique<QBuffer>()) {
  Content->open(QIODevice::WriteOnly);
}

THTMLPageOption::~THTMLPageOption() = default;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString BorderTableStart = QStringLiteral(R"(<Table cellspacing=0 cellpadding=0 class="TrBC">)");
const QString BackgroundLine = QStringLiteral("            background-color: %1;");
const QString ColorLine = QStringLiteral("            color: %1;");

// Template file: one section, keys named after the options they hold, colours as "#RRGGBB".
const QString TemplateSection = QStringLiteral("HTMLTemplate");

QString NameOnly(const QString &fileName) { return QFileInfo(fileName).fileName(); }

}  // namespace

// ================================================================================ properties

TExporterHTML::TExporterHTML() {
  SetHeader({QStringLiteral("<br>")});
  SetFooter({QStringLiteral("<br>")});
  SetHTMLTemplate(htClassic);
}

TExporterHTML::~TExporterHTML() = default;

void TExporterHTML::SetHTMLTemplate(THTMLTemplate value) {
  if (value == FHTMLTemplate)
    return;
  FHTMLTemplate = value;
  if (value == htCustom)
    return;
  const THTMLTemplateColors colors = TemplateColors(value);
  FHTMLOptions.BackgroundColor = colors.BackgroundColor;
  FHTMLOptions.LinkColor = colors.LinkColor;
  FHTMLOptions.VLinkColor = colors.VLinkColor;
  FHTMLOptions.ALinkColor = colors.ALinkColor;
  FHTMLOptions.TextFont.Color = colors.TextFontColor;
  FHTMLOptions.TextFont.Name = colors.TextFontName;
  FTableOptions.HeadersRowBgColor = colors.HeadersRowBgColor;
  FTableOptions.HeadersRowFontColor = colors.HeadersRowFontColor;
  FTableOptions.TableBgColor = colors.TableBgColor;
  FTableOptions.TableFontColor = colors.TableFontColor;
  FTableOptions.OddRowBgColor = colors.OddRowBgColor;
}

QStringList TExporterHTML::PageFiles() const {
  QStringList files;
  for (const auto &page : FPages)
    files << page->FileName;
  return files;
}

TExposedSettings TExporterHTML::ExposedSettings() const {
  TExposedSettings settings = TExporterFormatText::ExposedSettings();
  settings << QStringLiteral("ColumnsAlign");
  return settings;
}

QSet<QChar> TExporterHTML::SpecialCharacters() const {
  return {QLatin1Char('"'), QLatin1Char('&'), QLatin1Char('<'), QLatin1Char('>')};
}

std::unique_ptr<TExportWriter> TExporterHTML::WriterClass(QIODevice *stream) {
  return std::make_unique<THTMLWriter>(this, stream);
}

THTMLWriter &TExporterHTML::HTMLWriter() const { return static_cast<THTMLWriter &>(*Writer()); }

bool TExporterHTML::TableBackgroundExists() const {
  return !FTableOptions.BackgroundFileName.isEmpty() && QFileInfo::exists(FTableOptions.BackgroundFileName);
}

// "name.html" gives "name01.html", "name02.html", ...: the number goes before the extension.
QString TExporterHTML::PageFileName(int page) const {
  const QString name = FileName();
  const int slash = name.lastIndexOf(QLatin1Char('/'));
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  const int insertAt = dot > slash + 1 ? dot : name.size();
  return name.left(insertAt) + QStringLiteral("%1").arg(page, 2, 10, QLatin1Char('0')) + name.mid(insertAt);
}

bool TExporterHTML::OddRow() const { return (RecordCounter() - FPageFirstRecord) % 2 == 0; }

// ================================================================================ text

QString TExporterHTML::NormalString(const QString &S) {
  // Characters no XML or HTML reader accepts become U+FFFD before anything is escaped.
  const QString text = ExporterXML::ValidXMLText(S);
  QString result;
  result.reserve(text.size() + 16);
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (FInterpretTags) {
      switch (c.unicode()) {
      case u'&': result += QLatin1String("&amp;"); continue;
      case u'>': result += QLatin1String("&gt;"); continue;
      case u'<': result += QLatin1String("&lt;"); continue;
      case u'"': result += QLatin1String("&quot;"); continue;
      case u'\r':
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
          result += QLatin1String("<br>");
          ++i;
          continue;
        }
        break;
      default: break;
      }
    }
    if (c == QLatin1Char(' '))
      result += QLatin1String("&#160;");
    else
      result += c;
  }
  return result;
}

QString TExporterHTML::CellValueText(const QString &text, int column) {
  const TExportColumn &col = Columns()[column];
  TExportColAlign align = col.ColAlign;
  const TColor rowColor = OddRow() ? FTableOptions.OddRowBgColor : FTableOptions.TableBgColor;
  TColor background = rowColor;
  const TExportFont &textFont = FHTMLOptions.TextFont;
  TExportFont font = textFont;

  QString value = text;
  if (col.ColType == ectBoolean && FBoolAsCheckBox) {
    if (value.compare(Formats().BooleanFalse(), Qt::CaseInsensitive) == 0)
      value = QStringLiteral(R"(<Input type="checkbox"/>)");
    else if (value.compare(Formats().BooleanTrue(), Qt::CaseInsensitive) == 0)
      value = QStringLiteral(R"(<Input type="checkbox" checked=""/>)");
  }
  if (value.isEmpty())
    value = QStringLiteral("&nbsp");

  FireGetCellParams(RecordCounter(), column, value, align, font, background);

  QString attributes = QStringLiteral(" align=") + HTMLWriter().AlignToStr(align);
  QString style;
  if (background != rowColor)
    style += QStringLiteral("background-color: %1; ").arg(ColorToHTML(background));
  if (font.Name != textFont.Name)
    style += QStringLiteral("font-family: %1; ").arg(font.Name);
  if (font.Size != textFont.Size)
    style += QStringLiteral("font-size: %1pt; ").arg(font.Size);
  if (font.Color != textFont.Color)
    style += QStringLiteral("color: %1; ").arg(ColorToHTML(font.Color));
  if (font.Bold != textFont.Bold)
    style += font.Bold ? QStringLiteral("font-weight: bold; ") : QStringLiteral("font-weight: normal; ");
  if (font.Italic != textFont.Italic)
    style += font.Italic ? QStringLiteral("font-style: italic; ") : QStringLiteral("font-style: normal; ");
  if (font.Underline != textFont.Underline)
    style += font.Underline ? QStringLiteral("text-decoration: underline; ")
                            : QStringLiteral("text-decoration: none; ");
  if (!style.isEmpty()) {
    style.chop(2);
    attributes += QStringLiteral(" style=\"") + style + QLatin1Char('"');
  }
  return attributes + QLatin1Char('>') + value;
}

// ================================================================================ style sheet

QStringList TExporterHTML::FontLines(int indent) const {
  const QString spaces(indent, QLatin1Char(' '));
  const TExportFont &font = FHTMLOptions.TextFont;
  QStringList lines;
  if (!FHTMLOptions.DefaultOptions.testFlag(doFontName))
    lines << spaces + QStringLiteral("font-family: ") + font.Name + QLatin1Char(';');
  if (!FHTMLOptions.DefaultOptions.testFlag(doFontSize))
    lines << spaces + QStringLiteral("font-size: %1pt;").arg(font.Size);
  return lines;
}

// The rule of one cell class; a table background picture replaces the background colour.
QStringList TExporterHTML::CellClassRule(const QString &opening, TColor background, TColor color,
                                         const QString &extra) const {
  QStringList rule{opening};
  if (!TableBackgroundExists())
    rule << BackgroundLine.arg(ColorToHTML(background));
  rule << ColorLine.arg(ColorToHTML(color));
  if (!extra.isEmpty())
    rule << extra;
  rule << FontLines(12) << QStringLiteral("  }");
  return rule;
}

void TExporterHTML::BuildStyleSheet() {
  QStringList &s = FSStyle;
  s.clear();
  s << QStringLiteral("  BODY { background: ") + ColorToHTML(FHTMLOptions.BackgroundColor) + QLatin1Char(';') +
           QStringLiteral(" color: ") + ColorToHTML(FHTMLOptions.TextFont.Color) + QLatin1Char(';');
  s << FontLines(9);
  if (!FHTMLOptions.BackgroundFileName.isEmpty())
    s << QStringLiteral("background-image: url(%1)").arg(FHTMLOptions.BackgroundFileName);
  s << QStringLiteral("  }");
  s << QStringLiteral("  A:link { color: ") + ColorToHTML(FHTMLOptions.LinkColor) + QStringLiteral(" }");
  s << QStringLiteral("  A:visited { color: ") + ColorToHTML(FHTMLOptions.VLinkColor) + QStringLiteral(" }");
  s << QStringLiteral("  A:active { color: ") + ColorToHTML(FHTMLOptions.ALinkColor) + QStringLiteral(" }");
  FUseBorderColor = FTableOptions.BorderColor != clWhite;
  if (AllowCaptions())
    s << CellClassRule(QStringLiteral("  .ThRows { "), FTableOptions.HeadersRowBgColor,
                       FTableOptions.HeadersRowFontColor,
                       QStringLiteral("            font-weight: bold; text-align: center;"));
  s << CellClassRule(QStringLiteral("  .TrRows {"), FTableOptions.TableBgColor, FTableOptions.TableFontColor);
  s << CellClassRule(QStringLiteral("  .TrOdd  {"), FTableOptions.OddRowBgColor, FTableOptions.TableFontColor);
  if (FUseBorderColor)
    s << QStringLiteral("  .TrBC { background-color: ") + ColorToHTML(FTableOptions.BorderColor) +
             QStringLiteral(" }");
}

// The style sheet inside the page's head.
void TExporterHTML::WriteStyleSheet() {
  THTMLWriter &w = HTMLWriter();
  w.StartSTYLE();
  for (const QString &line : FSStyle)
    w.WriteLn(line);
  w.EndSTYLE();
}

// The style sheet of an external-CSS run: written once per run (when it is missing or may be
// overwritten), replacing the old file only at the end; pages link it relative to their folder.
void TExporterHTML::WriteStyleSheetLink() {
  const QString page = FPages.empty() ? FileName() : FPages.back()->FileName;
  if (FRunCSSFileName.isEmpty()) {
    const QFileInfo info(page);
    FRunCSSFileName = FCSSFileName.isEmpty()
                          ? info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".css")
                          : FCSSFileName;
    if (!QFileInfo::exists(FRunCSSFileName) || FOverwriteCSSFile)
      WriteCSSFile(FRunCSSFileName);
  }
  HTMLWriter().WriteCSSLink(CSSLinkFrom(page));
}

QString TExporterHTML::CSSLinkFrom(const QString &page) const {
  return QDir(QFileInfo(page).absolutePath()).relativeFilePath(QFileInfo(FRunCSSFileName).absoluteFilePath());
}

void TExporterHTML::WriteCSSFile(const QString &fileName) {
  auto file = std::make_unique<TSafeFile>(fileName);
  for (const QString &line : FSStyle)
    file->Device().write(TExportWriter::Encode(line + CRLF, ectLocalANSI));
  FSideFiles[fileName] = std::move(file);
}

// ================================================================================ the run

void TExporterHTML::StartExport() {
  TExporterFormatText::StartExport();
  FPages.clear();
  BuildStyleSheet();
  FCurrPass = 0;
  FHeadWritten = false;
  FTableOpen = false;
  FPageFirstRecord = 0;
  FRunCSSFileName.clear();
}

void TExporterHTML::WritePageHead() {
  THTMLWriter &w = HTMLWriter();
  w.StartHTML();
  w.StartHEAD();
  w.WriteUnicodeCharset(ectUTF8);
  w.WriteTITLE(Title());
  if (FUsingCSS == usInternal) {
    WriteStyleSheet();
  } else if (OutputIsFile()) {
    WriteStyleSheetLink();
  }
  w.EndHEAD();
  w.StartBODY();
  if (MultiPage() && !FPages.empty())
    FPages.back()->FTopLocationLinkPos = FPages.back()->Content->pos();
  for (const QString &line : Header())
    w.WriteLn(line);
  FHeadWritten = true;
}

void TExporterHTML::BeforeDataRows() {
  if (SourceIsEmpty())
    WritePageHead();
}

void TExporterHTML::StartPage() {
  if (MultiPage()) {
    if (FTableOpen)
      WritePageEnd();
    ++FCurrPass;
    FPages.push_back(std::make_unique<THTMLPageOption>(PageFileName(FCurrPass)));
    FOutput->SetTarget(FPages.back()->Content.get());
    FHeadWritten = false;
  }
  WritePageHead();
  THTMLWriter &w = HTMLWriter();
  if (FUseBorderColor) {
    w.WriteLn(BorderTableStart);
    w.WriteLn(QStringLiteral("<tr><td>"));
  }
  w.WriteTABLE(FTableOptions.Border, FTableOptions.CellPadding, FTableOptions.BackgroundFileName,
               FTableOptions.CellSpacing);
  if (FBoolAsCheckBox)
    w.StartFORM();
  FTableOpen = true;
  FPageFirstRecord = RecordCounter();
  if (AllowCaptions())
    WriteCaptionRow();
}

void TExporterHTML::WriteCaptionRow() {
  THTMLWriter &w = HTMLWriter();
  w.WriteLn(QStringLiteral("  <tr>"));
  for (int i = 0; i < Columns().Count(); ++i)
    w.WriteCaptionRowTD(ColumnCaption(i));
  w.WriteLn(QStringLiteral("  </tr>"));
}

// Closes the data table (and the border table around it), then the footer and the page itself.
// A page that got no record (an empty source) still gets its head and closes properly.
void TExporterHTML::WritePageEnd() {
  THTMLWriter &w = HTMLWriter();
  if (FTableOpen) {
    if (FBoolAsCheckBox)
      w.EndFORM();
    w.EndTABLE();
    if (FUseBorderColor) {
      w.WriteLn(QStringLiteral("</td></tr>"));
      w.EndTABLE();
    }
    FTableOpen = false;
  } else if (!FHeadWritten) {
    WritePageHead();
  }
  for (const QString &line : Footer())
    w.WriteLn(line);
  if (MultiPage() && !FPages.empty())
    FPages.back()->FBottomLocationLinkPos = FPages.back()->Content->pos();
  w.EndBODY();
  w.EndHTML();
}

void TExporterHTML::WriteRecord() {
  const int counter = RecordCounter();
  if (!FTableOpen || (MultiPage() && counter % FMaxRecords == 0 && counter != FPageFirstRecord))
    StartPage();
  THTMLWriter &w = HTMLWriter();
  w.WriteLn(QStringLiteral("  <tr>"));
  const bool odd = OddRow();
  TExportRow &row = ExportRow();
  for (int i = 0; i < row.Count(); ++i) {
    const QString cell = GetExportedValue(row[i]);
    if (odd)
      w.WriteOddRowTD(cell);
    else
      w.WriteEvenRowTD(cell);
  }
  w.WriteLn(QStringLiteral("  </tr>"));
}

void TExporterHTML::AfterDataRows() {
  WritePageEnd();
  TExporterFormatText::AfterDataRows();
}

void TExporterHTML::CompleteExport() {
  if (MultiPage() && !FPages.empty()) {
    if (FGenerateIndex)
      WriteIndex();
    if ((FNavigation.OnTop || FNavigation.OnBottom) && FPages.size() > 1)
      InsertLocationLinks();
  }
  TExporterFormatText::CompleteExport();
}

// The index page goes to FileName itself: the style sheet, then one link per page.
void TExporterHTML::WriteIndex() {
  FOutput->SetTarget(&FStr->Device());
  THTMLWriter &w = HTMLWriter();
  w.StartHTML();
  w.StartHEAD();
  if (FUsingCSS == usInternal) {
    WriteStyleSheet();
  } else {
    w.WriteCSSLink(CSSLinkFrom(FileName()));
  }
  w.EndHEAD();
  w.StartBODY();
  w.WriteLn(QStringLiteral("<UL>"));
  for (int i = 0; i < int(FPages.size()); ++i) {
    const QString file = NameOnly(FPages[i]->FileName);
    const QString text = FNavigation.IndexLinkTemplate.isEmpty()
                             ? file
                             : FNavigation.IndexLinkTemplate + QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
    w.LI();
    w.WriteLn(QStringLiteral(R"(<a href="%1">%2</a>)").arg(file, text));
  }
  w.WriteLn(QStringLiteral("</UL>"));
  w.EndBODY();
  w.EndHTML();
}

void TExporterHTML::InsertLocationLinks() {
  TLocationLinks links;
  links.Count = int(FPages.size());
  for (const auto &page : FPages)
    links.PageFiles << NameOnly(page->FileName);
  if (FGenerateIndex)
    links.IndexFile = NameOnly(FileName());
  links.IndexLinkTitle = FNavigation.IndexLinkTitle;
  links.FirstLinkTitle = FNavigation.FirstLinkTitle;
  links.PriorLinkTitle = FNavigation.PriorLinkTitle;
  links.NextLinkTitle = FNavigation.NextLinkTitle;
  links.LastLinkTitle = FNavigation.LastLinkTitle;

  // The blocks take the page's own encoding: ANSI bytes inside a UTF-8 or UTF-16 page would garble
  // titles that are not ASCII, and an odd byte count would shift every later UTF-16 character.
  const TExportCharsetType charset = CharsetType();
  for (int i = 0; i < links.Count; ++i) {
    THTMLPageOption &page = *FPages[i];
    links.Page = i + 1;
    QByteArray content = page.Content->data();
    qint64 shift = 0;
    if (FNavigation.OnTop && page.FTopLocationLinkPos >= 0) {
      links.Top = true;
      const QByteArray block = TExportWriter::Encode(THTMLWriter::WriteLocationLinks(links), charset);
      content.insert(page.FTopLocationLinkPos, block);
      shift = block.size();
    }
    if (FNavigation.OnBottom && page.FBottomLocationLinkPos >= 0) {
      links.Top = false;
      const QByteArray block = TExportWriter::Encode(THTMLWriter::WriteLocationLinks(links), charset);
      content.insert(page.FBottomLocationLinkPos + shift, block);
    }
    page.Content->close();
    page.Content->setData(content);
    page.Content->open(QIODevice::WriteOnly | QIODevice::Append);
  }
}

// ================================================================================ files

void TExporterHTML::Execute() {
  ForceFileDirectory(FileName());
  FStr = std::make_unique<TSafeFile>(FileName());
  FOutput = std::make_unique<THTMLOutput>(&FStr->Device());
  FSideFiles.clear();
  try {
    ExportToStream(FOutput.get());
    CommitFiles();
  } catch (...) {
    ReleaseOutput();  // discards everything not committed; existing files stay as they were
    throw;
  }
  ReleaseOutput();
  ShowResultFile();
}

void TExporterHTML::ReleaseOutput() {
  FOutput.reset();
  FStr.reset();
  FSideFiles.clear();
  for (const auto &page : FPages)
    page->Content.reset();
}

// Pages and side files first, FileName (page or index) last.
void TExporterHTML::CommitFiles() {
  for (const auto &page : FPages) {
    TSafeFile file(page->FileName);
    const QByteArray &content = page->Content->data();
    if (file.Device().write(content) != content.size())
      throw EExportError(QStringLiteral("Cannot write the export output: %1").arg(file.Device().errorString()));
    file.Commit();
  }
  for (auto &side : FSideFiles)
    side.second->Commit();
  FStr->Commit();
}

QString TExporterHTML::FileToOpen() {
  if (FMaxRecords > 0 && !FGenerateIndex && !FPages.empty() && QFileInfo::exists(FPages.front()->FileName))
    return FPages.front()->FileName;
  return FileName();
}

// ================================================================================ templates

// Calls f(key, colour) for every colour a template file holds; html and table may be const.
template <typename Html, typename Table, typename F>
static void ForEachTemplateColor(Html &html, Table &table, F f) {
  f("BackgroundColor", html.BackgroundColor);
  f("LinkColor", html.LinkColor);
  f("VLinkColor", html.VLinkColor);
  f("ALinkColor", html.ALinkColor);
  f("TextFontColor", html.TextFont.Color);
  f("HeadersRowBgColor", table.HeadersRowBgColor);
  f("HeadersRowFontColor", table.HeadersRowFontColor);
  f("TableBgColor", table.TableBgColor);
  f("TableFontColor", table.TableFontColor);
  f("OddRowBgColor", table.OddRowBgColor);
  f("BorderColor", table.BorderColor);
}

void TExporterHTML::SaveTemplateToFile(const QString &fileName) const {
  TIniFile ini(fileName);
  ini.EraseSection(TemplateSection);
  ForEachTemplateColor(FHTMLOptions, FTableOptions, [&ini](const char *key, TColor value) {
    ini.WriteString(TemplateSection, QLatin1String(key), ColorToHTML(value));
  });
  ini.WriteString(TemplateSection, QStringLiteral("TextFontName"), FHTMLOptions.TextFont.Name);
  ini.UpdateFile();
}

void TExporterHTML::LoadTemplateFromFile(const QString &fileName) {
  if (!QFileInfo(fileName).isFile())
    throw EExportError(QStringLiteral("Template file \"%1\" not found").arg(QDir::toNativeSeparators(fileName)));
  TIniFile ini(fileName);
  // A missing or unreadable value keeps the current one.
  ForEachTemplateColor(FHTMLOptions, FTableOptions, [&ini](const char *key, TColor &value) {
    HTMLToColor(ini.ReadString(TemplateSection, QLatin1String(key), QString()), value);
  });
  FHTMLOptions.TextFont.Name =
      ini.ReadString(TemplateSection, QStringLiteral("TextFontName"), FHTMLOptions.TextFont.Name);
  // The colours are the file's own now, not those of a named template.
  FHTMLTemplate = htCustom;
}
