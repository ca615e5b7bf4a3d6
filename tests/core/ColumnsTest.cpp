// Export columns built from a grid, the export row and the path of one value to its text.
#include "CoreTestSupport.h"

#include <gtest/gtest.h>

namespace {

// An 11-column ticket table with captions in row 0 and n field rows.
TTestGrid TicketGrid(int fields) {
  TTestGrid grid;
  QStringList captions{"Sportka"};
  for (int c = 1; c <= 6; ++c)
    captions << QStringLiteral("%1. číslo").arg(c);
  captions << "" << "" << "" << "";
  grid.Rows << captions;
  for (int f = 1; f <= fields; ++f) {
    QStringList row{QStringLiteral("Pole %1").arg(f)};
    for (int c = 1; c <= 10; ++c)
      row << (c <= 6 ? QString::number(f * c) : QString());
    grid.Rows << row;
  }
  return grid;
}

QStringList Names(TExporter &exporter) {
  QStringList names;
  for (int i = 0; i < exporter.Columns().Count(); ++i)
    names << exporter.Columns()[i].Name;
  return names;
}

QStringList Captions(TExporter &exporter) {
  QStringList captions;
  for (int i = 0; i < exporter.Columns().Count(); ++i)
    captions << exporter.Columns()[i].Caption;
  return captions;
}

// Every record's values as the writer gets them, one list per record.
QList<QStringList> ExportedValues(TRecordingExporter &exporter) {
  QList<QStringList> records;
  exporter.OnBeforeExportRow = [&](TExporter *, TExportRow &row, bool &) {
    QStringList values;
    for (int i = 0; i < row.Count(); ++i)
      values << row[i].Value;
    records << values;
  };
  exporter.RunToText();
  return records;
}

}  // namespace

TEST(ExportColumns, TicketTableGivesOneStringColumnPerGridColumn) {
  TTestGrid grid = TicketGrid(1);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.RunToText();

  QStringList expectedNames;
  for (int i = 0; i <= 10; ++i)
    expectedNames << QStringLiteral("Field%1").arg(i);
  EXPECT_EQ(Names(exporter), expectedNames);
  EXPECT_EQ(Captions(exporter), grid.Rows.first()) << "captions are row 0, the game's label first";
  for (int i = 0; i < exporter.Columns().Count(); ++i) {
    const TExportColumn &column = exporter.Columns()[i];
    EXPECT_EQ(column.Number, i);
    EXPECT_EQ(column.ColType, ectString);
    EXPECT_EQ(column.ColAlign, ecaLeft);
    EXPECT_EQ(column.Width, 12) << "72 pixels of 6-pixel characters";
    EXPECT_EQ(column.Length, 255);
    EXPECT_TRUE(column.Format.isEmpty());
  }
  EXPECT_EQ(exporter.Columns().IndexOfName("field7"), 7);
  EXPECT_EQ(exporter.Columns().IndexOfName("Field11"), -1);
}

TEST(ExportColumns, WithoutCaptionRowCaptionsAreColumnNumbers) {
  TTestGrid grid = TicketGrid(1);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetCaptionRow(-1);
  exporter.RunToText();

  EXPECT_EQ(Captions(exporter).mid(0, 3), (QStringList{"ColNo_0", "ColNo_1", "ColNo_2"}));
  EXPECT_EQ(Captions(exporter).last(), "ColNo_10");
}

TEST(ExportColumns, CaptionsEntryReplacesOnlyItsColumn) {
  TTestGrid grid = TicketGrid(1);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetCaptions({"Field3=Třetí", "Field4", "field1=první"});
  exporter.RunToText();

  QStringList expected = grid.Rows.first();
  expected[3] = "Třetí";
  expected[1] = "první";  // names are compared ignoring case
  EXPECT_EQ(Captions(exporter), expected);
}

TEST(ExportColumns, CaptionsAreIgnoredByAClassThatDoesNotExposeThem) {
  TTestGrid grid = TicketGrid(1);
  class TPlainExporter : public TExporter {
  public:
    using TExporter::StartExport;
  } exporter;
  BindGrid(exporter, grid);
  exporter.SetCaptions({"Field3=Třetí"});
  exporter.StartExport();

  EXPECT_EQ(exporter.Columns()[3].Caption, "3. číslo");
}

struct TFieldsCase {
  const char *name;
  QStringList exportedFields;
  QList<int> numbers;
};

class ExportColumnsExportedFields : public ::testing::TestWithParam<TFieldsCase> {};

TEST_P(ExportColumnsExportedFields, SelectAndOrderTheGridColumns) {
  const TFieldsCase &c = GetParam();
  TTestGrid grid = TicketGrid(1);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetExportedFields(c.exportedFields);
  exporter.RunToText();

  QList<int> numbers;
  QStringList expectedNames;
  for (int i = 0; i < exporter.Columns().Count(); ++i)
    numbers << exporter.Columns()[i].Number;
  for (int n : c.numbers)
    expectedNames << QStringLiteral("Field%1").arg(n);
  EXPECT_EQ(numbers, c.numbers);
  EXPECT_EQ(Names(exporter), expectedNames);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportColumnsExportedFields,
    ::testing::Values(TFieldsCase{"NumberAndName", {"2", "Field5"}, {2, 5}},
                      TFieldsCase{"Reordered", {"Field10", "0"}, {10, 0}},
                      TFieldsCase{"NotANumber", {"x"}, {}},
                      TFieldsCase{"OutsideTheGrid", {"Field99", "11", "-1"}, {}},
                      TFieldsCase{"MixedSkipsOnlyTheBadOnes", {"x", "Field3", "Field99"}, {3}},
                      // Six characters and more lose their first "Field", wherever it stands.
                      TFieldsCase{"FieldRemovedInside", {"1Field0", "FieldField2", "00004"}, {10, 4}},
                      // Shorter entries are numbers as they stand.
                      TFieldsCase{"ShortEntriesAreNumbers", {"Fie1", "7", "0010"}, {7, 10}}),
    [](const ::testing::TestParamInfo<TFieldsCase> &info) { return std::string(info.param.name); });

TEST(ExportColumns, DuplicateSelectionsBothCarryTheValue) {
  TTestGrid grid({{"A", "B", "C"}, {"a", "b", "c"}});
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetExportedFields({"2", "Field2"});

  EXPECT_EQ(ExportedValues(exporter), (QList<QStringList>{{"c", "c"}}));
}

TEST(ExportColumns, WidthsComeFromTheGridUnlessOverridden) {
  TTestGrid grid({{"A", "B", "C"}, {"a", "b", "c"}});
  grid.PixelWidth = 64;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetColumnsWidth({"Field1=20", "Field2=wide"});
  exporter.RunToText();
  EXPECT_EQ(exporter.Columns()[1].Width, 10) << "not exposed: the grid's 64 pixels / 6";

  exporter.Extra = {"ColumnsWidth"};  // as the XLS exporter exposes it
  exporter.RunToText();
  EXPECT_EQ(exporter.Columns()[0].Width, 10);
  EXPECT_EQ(exporter.Columns()[1].Width, 20);
  EXPECT_EQ(exporter.Columns()[2].Width, 0) << "a width that is no number";
}

TEST(ExportColumns, AlignmentFollowsTheOverridesAndTheTypeWhenExposed) {
  TFixedFormatSettings fixed;
  TTestGrid grid({{"A", "B", "C", "D", "E", "F"}, {"1", "2.5", "true", "x", "7", "8"}});
  grid.Current = 1;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetAutoCalcStrType(true);
  exporter.SetColumnsAlign({"Field3=center", "Field4=left", "Field5=x"});
  exporter.RunToText();
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(exporter.Columns()[i].ColAlign, ecaLeft) << "not exposed: column " << i;

  exporter.Extra = {"ColumnsAlign"};  // as the HTML exporter exposes it
  grid.Current = 1;
  exporter.RunToText();
  const QList<TExportColAlign> expected{ecaRight, ecaRight, ecaCenter, ecaCenter, ecaLeft, ecaLeft};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(exporter.Columns()[i].ColAlign, expected[i]) << "column " << i;
}

TEST(ExportColumns, LengthOverridesApplyToStringColumns) {
  TTestGrid grid({{"A", "B"}, {"a", "b"}});
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetColumnsLength({"Field0=10", "Field1=long"});
  exporter.Extra = {"ColumnsLength"};
  exporter.RunToText();

  EXPECT_EQ(exporter.Columns()[0].Length, 10);
  EXPECT_EQ(exporter.Columns()[1].Length, 255);
}

struct TGuessCase {
  QString sample;
  TExportColType type;
};

class ExportColumnsTypeGuess : public ::testing::TestWithParam<TGuessCase> {};

TEST_P(ExportColumnsTypeGuess, FromTheCurrentRowWhenTheRunStarts) {
  TFixedFormatSettings fixed;
  TTestGrid grid({{"A"}, {"first"}, {GetParam().sample}});
  grid.Current = 2;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetAutoCalcStrType(true);
  exporter.RunToText();

  EXPECT_EQ(exporter.Columns()[0].ColType, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Samples, ExportColumnsTypeGuess,
                         ::testing::Values(TGuessCase{"12", ectInteger}, TGuessCase{"-7", ectInteger},
                                           TGuessCase{"1.5", ectFloat}, TGuessCase{"1e3", ectFloat},
                                           TGuessCase{"TRUE", ectBoolean}, TGuessCase{"false", ectBoolean},
                                           TGuessCase{"12/31/2020", ectDate},
                                           TGuessCase{"10:30", ectTime},
                                           TGuessCase{"12/31/2020 10:30", ectDateTime},
                                           TGuessCase{"", ectString}, TGuessCase{"abc", ectString},
                                           TGuessCase{"1,5", ectString}, TGuessCase{"13/45/2020", ectString},
                                           TGuessCase{"Pole 1", ectString}));

TEST(ExportColumns, IntegerColumnIsReformattedWithTheConfiguredSeparator) {
  TFixedFormatSettings fixed;
  TTestGrid grid({{"Number"}, {"12"}, {"1234"}, {"abc"}, {"-1234567"}});
  grid.Current = 1;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetAutoCalcStrType(true);
  exporter.Formats().SetThousandSeparator(QLatin1Char('.'));
  QList<QVariant> data;
  exporter.OnBeforeExportRow = [&](TExporter *, TExportRow &row, bool &) { data << row[0].Data; };

  EXPECT_EQ(exporter.RunToText(), "Number\r\n12\r\n1.234\r\n0\r\n-1.234.567\r\n");
  EXPECT_EQ(exporter.Columns()[0].ColType, ectInteger);
  EXPECT_EQ(exporter.Columns()[0].Format, "#,###,##0");
  EXPECT_EQ(data, (QList<QVariant>{12, 1234, 0, -1234567}));
  EXPECT_EQ(CurrentFormatSettings().ThousandSeparator, QLatin1Char(','))
      << "the process's separators are changed only while a value is formatted";
}

TEST(ExportColumns, FloatValueThatDoesNotConvertStaysAsItIs) {
  TFixedFormatSettings fixed;
  TTestGrid grid({{"Amount"}, {"1.5"}, {"abc"}, {"1234.567"}});
  grid.Current = 1;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetAutoCalcStrType(true);
  exporter.Formats().SetDecimalSeparator(QLatin1Char(','));
  exporter.Formats().SetThousandSeparator(QLatin1Char(' '));
  QList<QVariant> data;
  exporter.OnBeforeExportRow = [&](TExporter *, TExportRow &row, bool &) { data << row[0].Data; };

  EXPECT_EQ(exporter.RunToText(), "Amount\r\n1,50\r\nabc\r\n1 234,57\r\n");
  ASSERT_EQ(data.size(), 3);
  EXPECT_EQ(data[0], QVariant(1.5));
  EXPECT_FALSE(data[1].isValid()) << "no typed value for a text that does not convert";
  EXPECT_EQ(data[2], QVariant(1234.567));
}

TEST(ExportColumns, UserFormatsAndKeepOriginalFormat) {
  TFixedFormatSettings fixed;
  TTestGrid grid({{"A", "B", "C"}, {"1.5", "1234", "12/31/2020"}});
  grid.Current = 1;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetAutoCalcStrType(true);
  exporter.SetUserFormats({"Field0=0.000", "Field2=yyyy-mm-dd"});

  EXPECT_EQ(ExportedValues(exporter), (QList<QStringList>{{"1.500", "1,234", "2020-12-31"}}));
  EXPECT_EQ(exporter.Columns()[0].Format, "0.000");
  EXPECT_EQ(exporter.Columns()[1].Format, "#,###,##0");
  EXPECT_TRUE(exporter.Columns()[1].IsDefaultFormat());
  EXPECT_FALSE(exporter.Columns()[0].IsDefaultFormat());

  exporter.Formats().SetKeepOriginalFormat(true);
  grid.Current = 1;
  EXPECT_EQ(ExportedValues(exporter), (QList<QStringList>{{"1.5", "1234", "12/31/2020"}}));
}

TEST(ExportColumns, ColumnOperationsFollowTheType) {
  TExportColumns columns(nullptr);
  TExportColumn &column = columns.Add();
  struct {
    TExportColType type;
    bool allowFormat, numeric, string;
  } cases[] = {{ectInteger, true, true, false}, {ectCurrency, true, true, false},
               {ectDateTime, true, false, false}, {ectString, false, false, true},
               {ectBoolean, false, false, false}, {ectUnknown, false, false, false}};
  for (const auto &c : cases) {
    column.ColType = c.type;
    EXPECT_EQ(column.AllowFormat(), c.allowFormat) << c.type;
    EXPECT_EQ(column.IsNumeric(), c.numeric) << c.type;
    EXPECT_EQ(column.IsString(), c.string) << c.type;
    EXPECT_TRUE(column.GetDefaultFormat().isEmpty()) << "no exporter, no formats";
  }
  column.Tag = 5;
  columns.EmptyTags();
  EXPECT_EQ(column.Tag, 0);
  EXPECT_FALSE(columns.GetColumnIsNull(0));
  EXPECT_FALSE(columns.ContainsBLOB());
}

TEST(ExportColumns, AutoCalcColWidthWidensToTheLongestValueAndKeepsThePosition) {
  TTestGrid grid({{"Label", "Much longer caption"}, {"Pole 1", "5"}, {"A value of 20 chars.", "6"}, {"skipped by the limit row", "7"}});
  grid.PixelWidth = 0;
  grid.Current = 2;
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.SetAutoCalcColWidth(true);
  exporter.SetExportRecCount(2);
  exporter.SetGoToFirstRecord(false);
  exporter.SetCurrentRecordOnly(true);
  QList<int> fetched;
  exporter.OnFetchedRecord = [&](TExporter *, int recNo) { fetched << recNo; };

  EXPECT_EQ(exporter.RunToText(), "Label|Much longer caption\r\nA value of 20 chars.|6\r\n")
      << "the measuring walk leaves the grid where it was";
  EXPECT_EQ(exporter.Columns()[0].Width, 20);
  EXPECT_EQ(exporter.Columns()[1].Width, 19);
  EXPECT_EQ(fetched, (QList<int>{0, 1}));
}

TEST(ExportRow, LooksValuesUpByNameIgnoringCase) {
  TExportRow row(nullptr, nullptr);
  for (const char *name : {"Field10", " Field2 ", "Field1", "field0"})
    row.Add(QString::fromLatin1(name), row.Count());
  row.BuildIndex();

  row.SetValue("FIELD2", "two", 2);
  row.SetValue("Field1", "one", QVariant());
  row.SetValue("Field9", "missing", QVariant());

  EXPECT_EQ(row[1].Name(), "Field2") << "names are trimmed";
  EXPECT_EQ(row[1].Value, "two");
  EXPECT_EQ(row[1].Data, QVariant(2));
  EXPECT_EQ(row[2].Value, "one");
  EXPECT_EQ(row[0].Value, "");
  EXPECT_EQ(row.ColByName("FIELD0"), &row[3]);
  EXPECT_EQ(row.ColByName("Field9"), nullptr);

  row.Delete(0);
  row.SetValue("field0", "zero", QVariant());
  EXPECT_EQ(row[2].Value, "zero") << "the index follows a deletion";
  row.ClearValues();
  EXPECT_EQ(row[0].Value, "");
}

TEST(ExportedValue, PassesNormalStringThenCellValueText) {
  class TEscapingExporter : public TRecordingExporter {
  public:
    QString NormalString(const QString &S) override { return QString(S).replace(' ', "&#160;"); }

  protected:
    QString CellValueText(const QString &text, int column) override {
      return QStringLiteral("[%1:%2]").arg(column).arg(text);
    }
  } exporter;
  TTestGrid grid({{"A b", "C"}, {"Pole 1", "5"}});
  BindGrid(exporter, grid);

  EXPECT_EQ(exporter.RunToText(), "A&#160;b|C\r\n[0:Pole&#160;1]|[1:5]\r\n");
  EXPECT_EQ(exporter.ColumnCaption(0), "A&#160;b");
}
