// The export run: order of the hooks, record limits, skipping, aborting and the guards.
#include "CoreTestSupport.h"

#include "export/core/ExportError.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QStringList Lines(const QString &text) {
  QStringList lines = text.split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.last().isEmpty())
    lines.removeLast();
  return lines;
}

const QStringList FullRun = {"StartExport", "WriteCaptions", "BeforeDataRows", "WriteRecord",
                             "WriteRecord", "AfterDataRows", "CompleteExport"};

}  // namespace

TEST(ExportRun, TicketTableRunsTheHooksInOrderAndWritesEveryFieldRow) {
  TTestGrid grid({{"Sportka", "1. číslo", "2. číslo"}, {"Pole 1", "5", "17"}, {"Pole 2", "23", "42"}});
  grid.Current = 2;  // wherever the user left the selection
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetExportRecCount(grid.RowCount());  // as the export action sets it

  const QStringList lines = Lines(exporter.RunToText());

  EXPECT_EQ(exporter.Log, FullRun);
  EXPECT_EQ(lines, (QStringList{"Sportka|1. číslo|2. číslo", "Pole 1|5|17", "Pole 2|23|42"}));
  EXPECT_EQ(grid.Current, 2) << "the run leaves the grid on its last exported row";
  EXPECT_EQ(exporter.Writer(), nullptr) << "the writer lives only while the run does";
}

TEST(ExportRun, EventsFireAtTheirPlaceInTheRun) {
  TTestGrid grid = NumberedGrid(2);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.OnBeginExport = [&](TExporter *) { exporter.Log << "OnBeginExport"; };
  exporter.OnEndExport = [&](TExporter *) { exporter.Log << "OnEndExport"; };
  exporter.OnExportedRecord = [&](TExporter *, int recNo) { exporter.Log << QStringLiteral("OnExportedRecord %1").arg(recNo); };
  exporter.OnBeforeExportRow = [&](TExporter *, TExportRow &row, bool &) {
    exporter.Log << QStringLiteral("OnBeforeExportRow ") + row[0].Value;
  };

  exporter.RunToText();

  EXPECT_EQ(exporter.Log,
            (QStringList{"OnBeginExport", "StartExport", "WriteCaptions", "BeforeDataRows",
                         "OnBeforeExportRow r1", "WriteRecord", "OnExportedRecord 0",
                         "OnBeforeExportRow r2", "WriteRecord", "OnExportedRecord 1", "AfterDataRows",
                         "OnEndExport", "CompleteExport"}));
}

struct TLimitCase {
  const char *name;
  int exportRecCount;
  int skipRecCount;
  bool goToFirstRecord;
  int startRow;
  QStringList records;
  QList<int> skipped;
};

class ExportRunLimits : public ::testing::TestWithParam<TLimitCase> {};

TEST_P(ExportRunLimits, WritesTheExpectedRows) {
  const TLimitCase &c = GetParam();
  TTestGrid grid = NumberedGrid(4);  // 5 rows: the caption row and r1 ... r4
  grid.Current = c.startRow;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetExportRecCount(c.exportRecCount);
  exporter.SetSkipRecCount(c.skipRecCount);
  exporter.SetGoToFirstRecord(c.goToFirstRecord);
  QList<int> skipped;
  exporter.OnSkippedRecord = [&](TExporter *, int recNo) { skipped << recNo; };

  QStringList lines = Lines(exporter.RunToText());

  ASSERT_FALSE(lines.isEmpty());
  EXPECT_EQ(lines.takeFirst(), "Label") << "the caption row is always written";
  EXPECT_EQ(lines, c.records);
  EXPECT_EQ(skipped, c.skipped);
  EXPECT_EQ(exporter.Log.mid(exporter.Log.size() - 2), (QStringList{"AfterDataRows", "CompleteExport"}))
      << "the document is closed also when no record is written";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportRunLimits,
    ::testing::Values(TLimitCase{"AllRows", 0, 0, true, 0, {"r1", "r2", "r3", "r4"}, {}},
                      TLimitCase{"TwoRows", 2, 0, true, 0, {"r1", "r2"}, {}},
                      TLimitCase{"NegativeCountNone", -1, 0, true, 0, {}, {}},
                      TLimitCase{"CountAboveRows", 10, 0, true, 0, {"r1", "r2", "r3", "r4"}, {}},
                      TLimitCase{"RowCountAsActionSetsIt", 5, 0, true, 0, {"r1", "r2", "r3", "r4"}, {}},
                      TLimitCase{"SkipTwo", 0, 2, true, 0, {"r3", "r4"}, {1, 2}},
                      TLimitCase{"SkipOneTakeTwo", 2, 1, true, 0, {"r2", "r3"}, {1}},
                      TLimitCase{"SkipAll", 0, 9, true, 0, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                      // NextRecord stays on the last row and the end test counts records.
                      TLimitCase{"FromCurrentRow", 0, 0, false, 3, {"r3", "r4", "r4", "r4"}, {}}),
    [](const ::testing::TestParamInfo<TLimitCase> &info) { return std::string(info.param.name); });

TEST(ExportRun, EmptyDataRowGivesOneRecordOfEmptyValues) {
  TTestGrid grid({{"Keno", "1. číslo", ""}, {"", "", ""}});
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  QList<QStringList> values;
  exporter.OnBeforeExportRow = [&](TExporter *, TExportRow &row, bool &) {
    QStringList v;
    for (int i = 0; i < row.Count(); ++i)
      v << row[i].Value;
    values << v;
  };

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"Keno|1. číslo|", "||"}));
  EXPECT_EQ(values, (QList<QStringList>{{"", "", ""}}));
}

TEST(ExportRun, RejectedRecordIsCountedButNotWritten) {
  TTestGrid grid = NumberedGrid(3);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  QList<int> exported;
  exporter.OnBeforeExportRow = [](TExporter *, TExportRow &row, bool &accept) { accept = row[0].Value != "r2"; };
  exporter.OnExportedRecord = [&](TExporter *, int recNo) { exported << recNo; };

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"Label", "r1", "r3"}));
  EXPECT_EQ(exported, (QList<int>{0, 2}));
}

TEST(ExportRun, CurrentRecordOnlyWritesTheRowUnderTheSelection) {
  TTestGrid grid = NumberedGrid(4);
  grid.Current = 3;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetGoToFirstRecord(false);
  exporter.SetCurrentRecordOnly(true);

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"Label", "r3"}));
}

TEST(ExportRun, AllowCaptionsFalseSkipsTheCaptionRow) {
  TTestGrid grid = NumberedGrid(1);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetAllowCaptions(false);

  EXPECT_EQ(Lines(exporter.RunToText()), QStringList{"r1"});
  EXPECT_FALSE(exporter.Log.contains("WriteCaptions"));
}

TEST(ExportRun, OnGetExportTextReplacesTheValue) {
  TTestGrid grid({{"A", "B"}, {"x", "y"}});
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.OnGetExportText = [](TExporter *, int colNo, QString &text) {
    if (colNo == 1)
      text = text.toUpper() + "!";
  };

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"A|B", "x|Y!"}));
}

// --- source checks ---

struct TSourceCase {
  TExportSource source;
  bool bindGrid;
  QString message;
};

class ExportRunSourceChecks : public ::testing::TestWithParam<TSourceCase> {};

TEST_P(ExportRunSourceChecks, FailBeforeAnythingIsWritten) {
  const TSourceCase &c = GetParam();
  TTestGrid grid = NumberedGrid(2);
  TRecordingExporter exporter;
  exporter.SetExportSource(c.source);
  if (c.bindGrid)
    exporter.SetStringGrid(&grid);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);

  try {
    exporter.ExportToStream(&buffer);
    FAIL() << "the run should have raised";
  } catch (const EExportError &e) {
    EXPECT_EQ(e.Message(), c.message);
  }
  EXPECT_TRUE(buffer.data().isEmpty());
  EXPECT_TRUE(exporter.Log.isEmpty());
  EXPECT_EQ(exporter.Writer(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExportRunSourceChecks,
    ::testing::Values(TSourceCase{esDataSet, true, "Export source (DataSet) is not assigned"},
                      TSourceCase{esListView, true, "Export source (ListView) is not assigned"},
                      TSourceCase{esDBGrid, true, "Export source (DBGrid) is not assigned"},
                      TSourceCase{esStringGrid, false, "Export source (StringGrid) is not assigned"},
                      TSourceCase{esCustom, true, "Export source (CustomSource) is not assigned"}));

TEST(ExportRun, EmptyGridIsRefusedOnlyWhenExportEmptyIsOff) {
  TTestGrid grid = NumberedGrid(0);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);

  EXPECT_EQ(Lines(exporter.RunToText()), QStringList{"Label"}) << "ExportEmpty is on by default";

  exporter.SetExportEmpty(false);
  exporter.Log.clear();
  try {
    exporter.RunToText();
    FAIL() << "the run should have raised";
  } catch (const EExportError &e) {
    EXPECT_EQ(e.Message(), "Export source (StringGrid) is empty");
  }
  EXPECT_TRUE(exporter.Log.isEmpty());
}

// --- aborting ---

TEST(ExportRun, AbortFromOnExportedRecordClosesTheDocumentAndStaysAborted) {
  TTestGrid grid = NumberedGrid(4);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.OnExportedRecord = [](TExporter *sender, int) { sender->Abort(); };

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"Label", "r1"}));
  EXPECT_EQ(exporter.Log, (QStringList{"StartExport", "WriteCaptions", "BeforeDataRows", "WriteRecord",
                                       "AfterDataRows", "CompleteExport"}));
  EXPECT_TRUE(exporter.Aborted());
}

TEST(ExportRun, OnStopExportCanLetTheRunContinue) {
  TTestGrid grid = NumberedGrid(4);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  int asked = 0;
  exporter.OnExportedRecord = [](TExporter *sender, int recNo) {
    if (recNo == 0)
      sender->Abort();
  };
  exporter.OnStopExport = [&](TExporter *, bool &canContinue) {
    EXPECT_FALSE(canContinue) << "an aborted run offers to stop";
    ++asked;
    canContinue = true;
  };

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"Label", "r1", "r2", "r3", "r4"}));
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(exporter.Aborted());
}

TEST(ExportRun, OnStopExportCanConfirmTheStop) {
  TTestGrid grid = NumberedGrid(4);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.OnExportedRecord = [](TExporter *sender, int recNo) {
    if (recNo == 1)
      sender->Abort();
  };
  exporter.OnStopExport = [](TExporter *, bool &) {};

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"Label", "r1", "r2"}));
  EXPECT_TRUE(exporter.Aborted());
}

struct TAbortCase {
  const char *hook;
  QStringList log;
};

class ExportRunAbortOutsideTheLoop : public ::testing::TestWithParam<TAbortCase> {};

// Outside the record loop an abort ends the run at once, without AfterDataRows; from the caption
// row on the document is still completed, and OnEndExport still fires.
TEST_P(ExportRunAbortOutsideTheLoop, EndsTheRunAtTheNextCheck) {
  const TAbortCase &c = GetParam();
  TTestGrid grid = NumberedGrid(3);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetSkipRecCount(1);
  exporter.SetAutoCalcColWidth(true);
  const QString hook = QString::fromLatin1(c.hook);
  exporter.OnHook = [&](const QString &name) {
    if (name == hook)
      exporter.Abort();
  };
  exporter.OnFetchedRecord = [&](TExporter *sender, int) {
    if (hook == "OnFetchedRecord")
      sender->Abort();
  };
  exporter.OnSkippedRecord = [&](TExporter *sender, int) {
    if (hook == "OnSkippedRecord")
      sender->Abort();
  };
  exporter.OnEndExport = [&](TExporter *) { exporter.Log << "OnEndExport"; };

  exporter.RunToText();

  EXPECT_EQ(exporter.Log, c.log);
  EXPECT_TRUE(exporter.Aborted());
}

INSTANTIATE_TEST_SUITE_P(
    Points, ExportRunAbortOutsideTheLoop,
    ::testing::Values(TAbortCase{"StartExport", {"StartExport"}},
                      TAbortCase{"OnFetchedRecord", {"StartExport"}},
                      TAbortCase{"WriteCaptions", {"StartExport", "WriteCaptions", "OnEndExport", "CompleteExport"}},
                      TAbortCase{"BeforeDataRows",
                                 {"StartExport", "WriteCaptions", "BeforeDataRows", "OnEndExport", "CompleteExport"}},
                      TAbortCase{"OnSkippedRecord",
                                 {"StartExport", "WriteCaptions", "BeforeDataRows", "OnEndExport", "CompleteExport"}}),
    [](const ::testing::TestParamInfo<TAbortCase> &info) { return std::string(info.param.hook); });

TEST(ExportRun, AbortBeforeTheRunHasNoEffect) {
  TTestGrid grid = NumberedGrid(2);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.Abort();

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"Label", "r1", "r2"}));
  EXPECT_FALSE(exporter.Aborted());
}

TEST(ExportRun, ErrorInAHookStillCompletesTheExportAndPropagates) {
  TTestGrid grid = NumberedGrid(3);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  int records = 0;
  exporter.OnHook = [&](const QString &name) {
    if (name == "WriteRecord" && ++records == 2)
      throw std::runtime_error("disk full");
  };
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);

  EXPECT_THROW(exporter.ExportToStream(&buffer), std::runtime_error);
  EXPECT_EQ(exporter.Log, (QStringList{"StartExport", "WriteCaptions", "BeforeDataRows", "WriteRecord",
                                       "WriteRecord", "CompleteExport"}));
  EXPECT_EQ(buffer.data(), QByteArray("Label\r\nr1\r\nr2\r\n")) << "the output keeps what was written";
  EXPECT_EQ(exporter.Writer(), nullptr);

  // The exporter is usable again afterwards.
  exporter.OnHook = nullptr;
  exporter.Log.clear();
  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"Label", "r1", "r2", "r3"}));
}

TEST(ExportRun, RunsRepeatWithAFreshStateOnAnotherGrid) {
  TTestGrid first = NumberedGrid(3);
  TTestGrid second({{"A", "B"}, {"1", "2"}});
  TRecordingExporter exporter;
  BindGrid(exporter, first);
  exporter.RunToText();
  BindGrid(exporter, second);

  EXPECT_EQ(Lines(exporter.RunToText()), (QStringList{"A|B", "1|2"}));
  EXPECT_EQ(exporter.Columns().Count(), 2);
  EXPECT_EQ(exporter.ExportRow().Count(), 2);
}
