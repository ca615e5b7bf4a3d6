// Number and date patterns, the separators and the defaults of the value formats.
#include "CoreTestSupport.h"

#include <gtest/gtest.h>

struct TNumberCase {
  QString pattern;
  double value;
  QString expected;
};

class FormatNumberCases : public ::testing::TestWithParam<TNumberCase> {};

TEST_P(FormatNumberCases, UseTheCurrentSeparators) {
  TFixedFormatSettings fixed;
  const TNumberCase &c = GetParam();
  EXPECT_EQ(FormatNumber(c.pattern, c.value), c.expected) << c.pattern.toStdString() << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumberCases,
    ::testing::Values(TNumberCase{"#,###,##0", 0, "0"}, TNumberCase{"#,###,##0", 12, "12"},
                      TNumberCase{"#,###,##0", 1234, "1,234"}, TNumberCase{"#,###,##0", 1234567, "1,234,567"},
                      TNumberCase{"#,###,##0", -1234, "-1,234"}, TNumberCase{"#,###,##0", 2.5, "3"},
                      TNumberCase{"#,###,##0", -0.4, "0"},
                      TNumberCase{"#,###,##0.00", 1234.5, "1,234.50"},
                      TNumberCase{"#,###,##0.00", 0.005, "0.01"},
                      TNumberCase{"#,###,##0.00", 1e15, "1,000,000,000,000,000.00"},
                      TNumberCase{"0.###", 1.5, "1.5"}, TNumberCase{"0.###", 2, "2"},
                      TNumberCase{"#.##", 0.5, ".5"}, TNumberCase{"000", 7, "007"},
                      TNumberCase{"0", 1234, "1234"},
                      TNumberCase{"$#,###,##0.00", 3, "$3.00"},
                      TNumberCase{"#,###,##0.00 Kč", 1234, "1,234.00 Kč"},
                      TNumberCase{"\"EUR \"0.0", 1, "EUR 1.0"},
                      TNumberCase{"0;(0)", -5, "(5)"}, TNumberCase{"0;(0);zero", 0, "zero"}));

TEST(FormatNumber, ConfiguredSeparatorsAppearInTheText) {
  TFixedFormatSettings fixed;
  CurrentFormatSettings().DecimalSeparator = QLatin1Char(',');
  CurrentFormatSettings().ThousandSeparator = QChar(0x00A0);
  EXPECT_EQ(FormatNumber("#,###,##0.00", 1234567.891), QString("1\u00A0234\u00A0567,89"));
  CurrentFormatSettings().ThousandSeparator = QChar();
  EXPECT_EQ(FormatNumber("#,###,##0", 1234567), "1234567") << "no thousands separator at all";
}

TEST(FormatNumber, WholeNumbersKeepEveryDigit) {
  TFixedFormatSettings fixed;
  EXPECT_EQ(FormatInt64("#,###,##0", Q_INT64_C(9223372036854775807)), "9,223,372,036,854,775,807");
  EXPECT_EQ(FormatInt64("#,###,##0", Q_INT64_C(-9223372036854775807) - 1), "-9,223,372,036,854,775,808");
  EXPECT_EQ(FormatInt64("#,###,##0.00", 5), "5.00");
}

struct TDateCase {
  QString pattern;
  QDateTime value;
  QString expected;
};

class FormatDateTimeCases : public ::testing::TestWithParam<TDateCase> {};

TEST_P(FormatDateTimeCases, UseTheCurrentSeparators) {
  TFixedFormatSettings fixed;
  CurrentFormatSettings().DateSeparator = QLatin1Char('.');
  CurrentFormatSettings().TimeSeparator = QLatin1Char(':');
  const TDateCase &c = GetParam();
  EXPECT_EQ(FormatDateTime(c.pattern, c.value), c.expected) << c.pattern.toStdString();
}

namespace {
const QDateTime Morning(QDate(2020, 3, 5), QTime(9, 5, 7));
const QDateTime Afternoon(QDate(2021, 12, 31), QTime(13, 45, 0));
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatDateTimeCases,
    ::testing::Values(TDateCase{"dd/mm/yyyy", Morning, "05.03.2020"}, TDateCase{"d/m/yy", Morning, "5.3.20"},
                      TDateCase{"mm/dd/yyyy", Afternoon, "12.31.2021"},
                      TDateCase{"hh:nn:ss", Morning, "09:05:07"}, TDateCase{"h:mm", Morning, "9:05"},
                      TDateCase{"hh:nn am/pm", Afternoon, "01:45 pm"},
                      TDateCase{"h:nn AM/PM", Morning, "9:05 AM"},
                      TDateCase{"yyyy-mm-dd hh:nn", Afternoon, "2021-12-31 13:45"},
                      TDateCase{"'Day' d", Morning, "Day 5"}));

TEST(ExportFormats, DefaultsAndSetters) {
  TFixedFormatSettings fixed;
  TExportFormats f;
  EXPECT_EQ(f.IntegerFormat(), "#,###,##0");
  EXPECT_EQ(f.FloatFormat(), "#,###,##0.00");
  EXPECT_EQ(f.DateFormat(), LocaleFormatSettings().ShortDateFormat);
  EXPECT_EQ(f.TimeFormat(), LocaleFormatSettings().ShortTimeFormat);
  EXPECT_EQ(f.DateTimeFormat(), LocaleFormatSettings().ShortDateFormat + " " + LocaleFormatSettings().ShortTimeFormat);
  EXPECT_EQ(f.CurrencyFormat(), CurrencyPattern(LocaleFormatSettings()));
  EXPECT_EQ(f.BooleanTrue(), "true");
  EXPECT_EQ(f.BooleanFalse(), "false");
  EXPECT_EQ(f.NULLString(), "");
  EXPECT_FALSE(f.KeepOriginalFormat());
  EXPECT_EQ(f.DecimalSeparator(), QLatin1Char('.')) << "the process's separators at creation";
  EXPECT_EQ(f.ThousandSeparator(), QLatin1Char(','));

  f.SetIntegerFormat("0");
  f.SetDateFormat("yyyy");
  f.SetBooleanTrue("ano");
  f.SetNULLString("  (nic)  ");
  EXPECT_EQ(f.IntegerFormat(), "0");
  EXPECT_EQ(f.NULLString(), "(nic)");

  // An empty text brings back the default; only the float pattern stores whatever it is given.
  f.SetIntegerFormat("");
  f.SetDateFormat("");
  f.SetTimeFormat("");
  f.SetDateTimeFormat("");
  f.SetCurrencyFormat("");
  f.SetBooleanTrue("");
  f.SetBooleanFalse("");
  f.SetFloatFormat("");
  TExportFormats defaults;
  EXPECT_EQ(f.IntegerFormat(), "#,###,##0");
  EXPECT_EQ(f.DateFormat(), defaults.DateFormat());
  EXPECT_EQ(f.TimeFormat(), defaults.TimeFormat());
  EXPECT_EQ(f.DateTimeFormat(), defaults.DateTimeFormat());
  EXPECT_EQ(f.CurrencyFormat(), defaults.CurrencyFormat());
  EXPECT_EQ(f.BooleanTrue(), "true");
  EXPECT_EQ(f.BooleanFalse(), "false");
  EXPECT_EQ(f.FloatFormat(), "");
}

TEST(ExportFormats, AssignCopiesPatternsSeparatorsAndFlag) {
  TFixedFormatSettings fixed;
  TExportFormats source;
  source.SetIntegerFormat("000");
  source.SetFloatFormat("0.0");
  source.SetDateFormat("dd.mm.yyyy");
  source.SetTimeFormat("hh:nn");
  source.SetDateTimeFormat("dd.mm.yyyy hh:nn");
  source.SetCurrencyFormat("0 Kč");
  source.SetBooleanTrue("ano");
  source.SetBooleanFalse("ne");
  source.SetNULLString("-");
  source.SetDecimalSeparator(QLatin1Char(','));
  source.SetThousandSeparator(QLatin1Char(' '));
  source.SetDateSeparator(QLatin1Char('.'));
  source.SetTimeSeparator(QLatin1Char('-'));
  source.SetKeepOriginalFormat(true);

  TRecordingExporter exporter;
  exporter.SetFormats(source);
  const TExportFormats &copy = exporter.Formats();
  EXPECT_EQ(copy.IntegerFormat(), "000");
  EXPECT_EQ(copy.FloatFormat(), "0.0");
  EXPECT_EQ(copy.DateFormat(), "dd.mm.yyyy");
  EXPECT_EQ(copy.TimeFormat(), "hh:nn");
  EXPECT_EQ(copy.DateTimeFormat(), "dd.mm.yyyy hh:nn");
  EXPECT_EQ(copy.CurrencyFormat(), "0 Kč");
  EXPECT_EQ(copy.BooleanTrue(), "ano");
  EXPECT_EQ(copy.BooleanFalse(), "ne");
  EXPECT_EQ(copy.NULLString(), "-");
  EXPECT_EQ(copy.DecimalSeparator(), QLatin1Char(','));
  EXPECT_EQ(copy.ThousandSeparator(), QLatin1Char(' '));
  EXPECT_EQ(copy.DateSeparator(), QLatin1Char('.'));
  EXPECT_EQ(copy.TimeSeparator(), QLatin1Char('-'));
  EXPECT_TRUE(copy.KeepOriginalFormat());

  exporter.Formats().ResetFormats();
  EXPECT_EQ(exporter.Formats().IntegerFormat(), "#,###,##0");
  EXPECT_EQ(exporter.Formats().DecimalSeparator(), QLatin1Char('.'));
}

TEST(ExportFormats, SeparatorsAreAppliedAndRestored) {
  TFixedFormatSettings fixed;
  TExportFormats f;
  f.SetDecimalSeparator(QLatin1Char(','));
  f.SetThousandSeparator(QLatin1Char('.'));
  f.ApplyParams();
  EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, QLatin1Char(','));
  EXPECT_EQ(FormatNumber("#,###,##0.00", 1234.5), "1.234,50");
  f.RestoreSeparators();
  EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, QLatin1Char('.'));
  EXPECT_EQ(CurrentFormatSettings().ThousandSeparator, QLatin1Char(','));
}

TEST(ExportFormats, AfterDataRowsRestoresTheOldSeparators) {
  TFixedFormatSettings fixed;
  TTestGrid grid = NumberedGrid(1);
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  exporter.Formats().SetDecimalSeparator(QLatin1Char(','));
  exporter.Formats().ApplyParams();  // left current by someone
  exporter.RunToText();
  EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, QLatin1Char('.'));
}

TEST(CurrencyPattern, FollowsTheSymbolsPosition) {
  TFormatSettings s;
  s.CurrencyString = QStringLiteral("Kč");
  const QStringList expected = {"Kč#,###,##0.00", "#,###,##0.00Kč", "Kč #,###,##0.00", "#,###,##0.00 Kč", ""};
  for (int position = 0; position < expected.size(); ++position) {
    s.CurrencyFormat = position;
    EXPECT_EQ(CurrencyPattern(s), expected[position]) << "position " << position;
  }
}

TEST(Conversions, ReadTextsBackWithTheCurrentSeparators) {
  TFixedFormatSettings fixed;
  double d = 0;
  EXPECT_TRUE(TryStrToFloat(" 1234.5 ", d));
  EXPECT_DOUBLE_EQ(d, 1234.5);
  for (const char *bad : {"", "abc", "1,234.5", "inf", "nan", "0x10", "1.2.3"})
    EXPECT_FALSE(TryStrToFloat(QString::fromLatin1(bad), d)) << bad;
  CurrentFormatSettings().DecimalSeparator = QLatin1Char(',');
  EXPECT_TRUE(TryStrToFloat("2,5", d));
  EXPECT_DOUBLE_EQ(d, 2.5);
  EXPECT_FALSE(TryStrToFloat("2.5", d));

  int i = 0;
  EXPECT_TRUE(TryStrToInt("-42", i));
  EXPECT_EQ(i, -42);
  EXPECT_FALSE(TryStrToInt("4.2", i));
  EXPECT_FALSE(TryStrToInt("99999999999", i));

  QDateTime dt;
  EXPECT_TRUE(TryStrToDateTime("02/29/2020 23:59:58", dt));
  EXPECT_EQ(dt, QDateTime(QDate(2020, 2, 29), QTime(23, 59, 58)));
  EXPECT_TRUE(TryStrToDateTime("1:30 pm", dt));
  EXPECT_EQ(dt, QDateTime(ZeroDate(), QTime(13, 30)));
  EXPECT_FALSE(TryStrToDateTime("02/30/2020", dt));
  EXPECT_FALSE(TryStrToDateTime("25:00", dt));
}
