// The 36 export buttons: each asks for a file name in the save dialog, binds the exporter of its
// format to its own page's table and game name, and writes the file, which is then opened. A
// cancelled dialog changes nothing; an error is shown in a message box and the program goes on.

#include "ExportActions.h"
#include "WindowFixture.h"
#include "export/core/ExportError.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using THandler = void (Tfrm_main::*)();

struct TButtonCase {
  TGame Game;
  TExportFormat Format;
  THandler Handler;
};

std::vector<TButtonCase> AllButtons() {
  using M = Tfrm_main;
  const TGame games[] = {TGame::Keno,       TGame::Stastnych10, TGame::Euromiliony,
                         TGame::LuckyLines, TGame::Sportka,     TGame::Kostky};
  const THandler handlers[6][6] = {
      {&M::frame_ball1btn_xmlClick, &M::frame_ball1btn_xlsClick, &M::frame_ball1btn_docxClick,
       &M::frame_ball1btn_odtClick, &M::frame_ball1btn_odsClick, &M::frame_ball1btn_htmlClick},
      {&M::frame_ball2btn_xmlClick, &M::frame_ball2btn_xlsClick, &M::frame_ball2btn_docxClick,
       &M::frame_ball2btn_odtClick, &M::frame_ball2btn_odsClick, &M::frame_ball2btn_htmlClick},
      {&M::frame_ball3btn_xmlClick, &M::frame_ball3btn_xlsClick, &M::frame_ball3btn_docxClick,
       &M::frame_ball3btn_odtClick, &M::frame_ball3btn_odsClick, &M::frame_ball3btn_htmlClick},
      {&M::frame_ball4btn_xmlClick, &M::frame_ball4btn_xlsClick, &M::frame_ball4btn_docxClick,
       &M::frame_ball4btn_odtClick, &M::frame_ball4btn_odsClick, &M::frame_ball4btn_htmlClick},
      {&M::frame_ball5btn_xmlClick, &M::frame_ball5btn_xlsClick, &M::frame_ball5btn_docxClick,
       &M::frame_ball5btn_odtClick, &M::frame_ball5btn_odsClick, &M::frame_ball5btn_htmlClick},
      {&M::frame_ball6btn_xmlClick, &M::frame_ball6btn_xlsClick, &M::frame_ball6btn_docxClick,
       &M::frame_ball6btn_odtClick, &M::frame_ball6btn_odsClick, &M::frame_ball6btn_htmlClick},
  };
  const TExportFormat formats[] = {efXML, efXLS, efDOCX, efODT, efODS, efHTML};
  std::vector<TButtonCase> cases;
  for (int p = 0; p < 6; ++p)
    for (int f = 0; f < 6; ++f)
      cases.push_back({games[p], formats[f], handlers[p][f]});
  return cases;
}

// The button of a format on a page.
QPushButton *Button(Tframe_ball &frame, TExportFormat format) {
  switch (format) {
    case efXML: return frame.btn_xml;
    case efXLS: return frame.btn_xls;
    case efDOCX: return frame.btn_docx;
    case efODT: return frame.btn_odt;
    case efODS: return frame.btn_ods;
    case efHTML: return frame.btn_html;
  }
  return nullptr;
}

// Whether a writer of the format exists yet.
bool Available(TExportFormat format) {
  try {
    CreateExporter(format);
    return true;
  } catch (const EExportError &) {
    return false;
  }
}

// A written text file with the HTML writer's non-breaking spaces read back as blanks.
QString ReadText(const QString &fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    return QString();
  return QString::fromUtf8(file.readAll()).replace(QStringLiteral("&#160;"), QStringLiteral(" "));
}

}  // namespace

class ExportActionsTest : public WindowFixture {
protected:
  // Fills a page's table with fields, without pauses.
  void Generate(TGame game, int fields) {
    Tframe_ball &f = Frame(game);
    QTest::keyClick(f.keno_pocet_poli->Editor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(f.keno_pocet_poli->Editor(), QString::number(fields));
    f.btn_generate->click();
  }
};

TEST_F(ExportActionsTest, EveryButtonExportsItsOwnPageInItsFormat) {
  // Different row counts per page show which table reached the exporter.
  const TGame games[] = {TGame::Keno,       TGame::Stastnych10, TGame::Euromiliony,
                         TGame::LuckyLines, TGame::Sportka,     TGame::Kostky};
  for (int p = 0; p < 6; ++p)
    Generate(games[p], p + 1);

  int n = 0;
  for (const TButtonCase &c : AllButtons()) {
    TGamePage &page = Page(c.Game);
    const TExportFormatInfo &info = ExportFormatInfo(c.Format);
    const QString chosen = Dir.filePath(QStringLiteral("export%1").arg(++n));
    const QString written = chosen + info.Extension;
    SCOPED_TRACE(QStringLiteral("%1 %2").arg(page.Info().ExportName, info.Key).toStdString());
    Dialog->Answers = {chosen};
    Dialog->Calls.clear();
    Messages->Errors.clear();
    Shell->Calls.clear();

    // The handler is the button's: clicking the button runs it.
    Button(Frame(c.Game), c.Format)->click();

    ASSERT_EQ(Dialog->Calls.size(), 1u);
    EXPECT_EQ(Dialog->Calls[0].Title, "Uložení generovaných čísel");
    EXPECT_EQ(Dialog->Calls[0].Filter, info.Filter);
    EXPECT_EQ(Dialog->Calls[0].FilterIndex, 0);

    if (!Available(c.Format)) {
      ASSERT_EQ(Messages->Errors.size(), 1);
      EXPECT_TRUE(Messages->Errors[0].contains(QStringLiteral("není k dispozici")))
          << Messages->Errors[0].toStdString();
      EXPECT_FALSE(QFile::exists(written));
      continue;
    }
    EXPECT_TRUE(Messages->Errors.isEmpty()) << Messages->Errors.join("; ").toStdString();
    ASSERT_TRUE(QFile::exists(written));
    EXPECT_EQ(Shell->Calls, QStringList({"open " + written}));

    TExporterText &exporter = Window->ExportComponents().Exporter(c.Format);
    EXPECT_EQ(exporter.FileName(), written);
    EXPECT_EQ(exporter.StringGrid(), static_cast<IStringGrid *>(&page._sg()));
    EXPECT_EQ(exporter.ExportRecCount(), page._sg().RowCount());
    if (c.Format == efHTML) {
      EXPECT_EQ(exporter.Title(), page.Info().ExportName);
    }
    if (c.Format == efXML || c.Format == efHTML) {
      const QString text = ReadText(written);
      // The XML field descriptions write the captions with underscores for blanks.
      const auto caption = [&](int col) {
        QString caption = page._sg().Cells(col, 0);
        return c.Format == efXML ? caption.replace(QLatin1Char(' '), QLatin1Char('_')) : caption;
      };
      EXPECT_TRUE(text.contains(caption(0))) << "caption of column 0";
      EXPECT_TRUE(text.contains(caption(1)));
      EXPECT_TRUE(text.contains(page._sg().Cells(1, page._sg().RowCount() - 1)))
          << "a value of the last field";
    }
  }
}

TEST_F(ExportActionsTest, HandlersCallTheSameActionAsTheButtons) {
  for (const TButtonCase &c : AllButtons()) {
    if (!Available(c.Format))
      continue;
    const TExportFormatInfo &info = ExportFormatInfo(c.Format);
    const QString chosen = Dir.filePath(QStringLiteral("direct"));
    QFile::remove(chosen + info.Extension);
    Dialog->Answers = {chosen};
    (Window.get()->*c.Handler)();
    EXPECT_TRUE(QFile::exists(chosen + info.Extension)) << info.Key.toStdString();
    EXPECT_EQ(Window->ExportComponents().Exporter(c.Format).StringGrid(),
              static_cast<IStringGrid *>(&Page(c.Game)._sg()));
  }
}

TEST_F(ExportActionsTest, CancelChangesNothing) {
  const QString first = Dir.filePath(QStringLiteral("keno"));
  Dialog->Answers = {first};
  Frame(TGame::Keno).btn_xml->click();
  TExporterText &exporter = Window->ExportComponents().Exporter(efXML);
  ASSERT_EQ(exporter.FileName(), first + ".xml");

  Dialog->Answers = {QString()};
  Frame(TGame::Sportka).btn_xml->click();

  EXPECT_EQ(Dialog->Calls.size(), 2u);
  EXPECT_EQ(exporter.FileName(), first + ".xml");
  EXPECT_EQ(exporter.StringGrid(), static_cast<IStringGrid *>(&Page(TGame::Keno)._sg()));
  EXPECT_TRUE(Messages->Errors.isEmpty());
  EXPECT_EQ(Shell->Calls.size(), 1);
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList({"keno.xml"}));
}

TEST_F(ExportActionsTest, CancelInEveryFormatAsksOnceAndWritesNothing) {
  for (const TButtonCase &c : AllButtons()) {
    Dialog->Calls.clear();
    Dialog->Answers = {QString()};
    Button(Frame(c.Game), c.Format)->click();
    ASSERT_EQ(Dialog->Calls.size(), 1u);
    EXPECT_EQ(Dialog->Calls[0].Filter, ExportFormatInfo(c.Format).Filter);
  }
  EXPECT_TRUE(Messages->Errors.isEmpty()) << Messages->Errors.join("; ").toStdString();
  EXPECT_TRUE(Messages->Questions.isEmpty());
  EXPECT_TRUE(Shell->Calls.isEmpty());
  EXPECT_TRUE(QDir(Dir.path()).entryList({"*.xml", "*.xls", "*.doc", "*.odt", "*.ods", "*.html"},
                                         QDir::Files)
                  .isEmpty());
}

TEST_F(ExportActionsTest, ExtensionIsAddedOnlyWhenMissing) {
  struct TCase {
    TExportFormat Format;
    const char *Chosen;
    const char *Written;
  };
  const TCase cases[] = {
      {efXML, "a", "a.xml"},          {efXML, "b.xml", "b.xml"},
      {efXML, "c.XML", "c.XML"},      {efXML, "d.html", "d.html.xml"},
      {efHTML, "e", "e.html"},        {efHTML, "f.html", "f.html"},
      {efHTML, "g.htm", "g.htm.html"}, {efXML, "h.xml.xml", "h.xml.xml"},
  };
  for (const TCase &c : cases) {
    Dialog->Answers = {Dir.filePath(QString::fromUtf8(c.Chosen))};
    Window->ExportTable(TGame::LuckyLines, c.Format);
    EXPECT_TRUE(QFile::exists(Dir.filePath(QString::fromUtf8(c.Written)))) << c.Chosen;
  }
  EXPECT_TRUE(Messages->Errors.isEmpty());
}

TEST_F(ExportActionsTest, ReplacingAFileIsAskedFirst) {
  const QString chosen = Dir.filePath(QStringLiteral("tickets"));
  const QString written = chosen + ".html";
  {
    QFile old(written);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content");
  }

  // "No": the old file stays and nothing is exported.
  Messages->ConfirmAnswer = false;
  Dialog->Answers = {chosen};
  Frame(TGame::Euromiliony).btn_html->click();
  ASSERT_EQ(Messages->Questions.size(), 1);
  EXPECT_TRUE(Messages->Questions[0].contains(QDir::toNativeSeparators(written)));
  EXPECT_EQ(ReadText(written), "old content");
  EXPECT_TRUE(Shell->Calls.isEmpty());

  // "Yes": the file is replaced.
  Messages->ConfirmAnswer = true;
  Dialog->Answers = {chosen};
  Frame(TGame::Euromiliony).btn_html->click();
  EXPECT_EQ(Messages->Questions.size(), 2);
  EXPECT_TRUE(ReadText(written).contains("Euromilióny"));

  // A new file is written without a question.
  Dialog->Answers = {Dir.filePath(QStringLiteral("fresh"))};
  Frame(TGame::Euromiliony).btn_html->click();
  EXPECT_EQ(Messages->Questions.size(), 2);
}

TEST_F(ExportActionsTest, ExporterErrorIsShownAndTheProgramGoesOn) {
  // A folder that cannot be created: a regular file stands in its way.
  QFile blocker(Dir.filePath(QStringLiteral("blocker")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  Dialog->Answers = {Dir.filePath(QStringLiteral("blocker/sub/tickets"))};
  Frame(TGame::Sportka).btn_xml->click();
  ASSERT_EQ(Messages->Errors.size(), 1);
  EXPECT_TRUE(Messages->Errors[0].contains(QStringLiteral("blocker")))
      << Messages->Errors[0].toStdString();
  EXPECT_TRUE(Shell->Calls.isEmpty());

  // The window goes on working: the next export succeeds.
  Dialog->Answers = {Dir.filePath(QStringLiteral("tickets"))};
  Frame(TGame::Sportka).btn_xml->click();
  EXPECT_EQ(Messages->Errors.size(), 1);
  EXPECT_TRUE(QFile::exists(Dir.filePath(QStringLiteral("tickets.xml"))));
}

TEST_F(ExportActionsTest, SecondPageReplacesTheFirstPagesTableAndName) {
  Generate(TGame::Keno, 3);
  Dialog->Answers = {Dir.filePath(QStringLiteral("keno")), Dir.filePath(QStringLiteral("kostky"))};
  Frame(TGame::Keno).btn_html->click();
  Frame(TGame::Kostky).btn_html->click();

  TExporterText &exporter = Window->ExportComponents().Exporter(efHTML);
  EXPECT_EQ(exporter.StringGrid(), static_cast<IStringGrid *>(&Page(TGame::Kostky)._sg()));
  EXPECT_EQ(exporter.ExportRecCount(), 2) << "caption row and the empty spare row";
  EXPECT_EQ(exporter.Title(), "Kostky");
  const QString kostky = ReadText(Dir.filePath(QStringLiteral("kostky.html")));
  EXPECT_TRUE(kostky.contains("1. kostka"));
  EXPECT_FALSE(kostky.contains("KENO"));
  EXPECT_TRUE(ReadText(Dir.filePath(QStringLiteral("keno.html"))).contains("Pole 3"));
}

TEST_F(ExportActionsTest, ExportDuringARunWritesTheFieldsSoFar) {
  Tframe_ball &f = Frame(TGame::Sportka);
  const QString chosen = Dir.filePath(QStringLiteral("running"));
  Host->OnPause = [&](int pause) {
    if (pause == 9) {  // third value of the second field
      Dialog->Answers = {chosen};
      f.btn_xml->click();
    }
  };
  f.btn_generate->click();
  EXPECT_TRUE(Messages->Errors.isEmpty());
  const QString text = ReadText(chosen + ".xml");
  EXPECT_TRUE(text.contains("Pole 2"));
  EXPECT_FALSE(text.contains("Pole 3"));
  EXPECT_EQ(Page(TGame::Sportka)._sg().RowCount(), 5) << "the run went on to its end";
}
