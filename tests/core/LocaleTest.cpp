// The message table, the settings each class exposes, and text measuring without a display.
#include "CoreTestSupport.h"

#include "export/core/ExportLocale.h"

#include <gtest/gtest.h>

TEST(ExportLocale, MessagesByNumber) {
  const TExportLocale &locale = TExportLocale::Instance();
  EXPECT_EQ(locale.LoadStr(34014), "Export source (%s) is not assigned");
  EXPECT_EQ(locale.LoadStr(34016), "Export source (%s) is closed");
  EXPECT_EQ(locale.LoadStr(34017), "Export source (%s) is empty");
  EXPECT_EQ(locale.LoadStr(34025), "Directory \"%s\" not found and cannot be created");
  EXPECT_EQ(locale.LoadStr(1), "");
  EXPECT_EQ(locale.Format(34025, "C:\\a %1 b"), "Directory \"C:\\a %1 b\" not found and cannot be created");
}

TEST(ExportLocale, OnLocalizeIsAskedFirst) {
  TExportLocale &locale = TExportLocale::Instance();
  locale.OnLocalize = [](int id, QString &text) {
    if (id == 34017)
      text = QStringLiteral("Zdroj exportu (%s) je prázdný");
  };
  EXPECT_EQ(locale.Format(34017, "StringGrid"), "Zdroj exportu (StringGrid) je prázdný");
  EXPECT_EQ(locale.LoadStr(34016), "Export source (%s) is closed") << "an empty answer falls back to the table";
  try {
    RaiseExportError(34017, "StringGrid");
    ADD_FAILURE() << "RaiseExportError returned";
  } catch (const EExportError &e) {
    EXPECT_EQ(e.Message(), "Zdroj exportu (StringGrid) je prázdný");
    EXPECT_STREQ(e.what(), "Zdroj exportu (StringGrid) je prázdný");
  }
  locale.OnLocalize = nullptr;

  locale.OnLocalize = [](int, QString &text) { text = QString(2000, QLatin1Char('x')); };
  EXPECT_EQ(locale.LoadStr(34014), QString(2000, QLatin1Char('x'))) << "a hook's text is used whole";
  locale.OnLocalize = nullptr;
}

TEST(ExposedSettings, EachClassExposesItsOwnSettings) {
  TExporter base;
  TExporterText text;
  TExporterAdvancedText advanced;
  TExporterFormatText format;
  const QStringList baseOnes = {"ExportSource", "StringGrid", "ExportedFields", "CaptionRow",
                                "AutoCalcStrType", "SkipRecCount", "ExportRecCount", "OnFetchedRecord"};
  for (const QString &name : baseOnes) {
    EXPECT_TRUE(base.Exposes(name)) << name.toStdString();
    EXPECT_TRUE(format.Exposes(name)) << name.toStdString();
  }
  for (const char *name : {"Captions", "Formats", "UserFormats", "ColumnsAlign", "ColumnsWidth", "ColumnsLength", "FileName"})
    EXPECT_FALSE(base.Exposes(name)) << name;
  EXPECT_TRUE(text.Exposes("FileName"));
  EXPECT_FALSE(text.Exposes("Header"));
  EXPECT_TRUE(advanced.Exposes("Header"));
  EXPECT_TRUE(advanced.Exposes("Footer"));
  EXPECT_FALSE(advanced.Exposes("Captions"));
  for (const char *name : {"AllowCaptions", "Captions", "Formats", "UserFormats"})
    EXPECT_TRUE(format.Exposes(name)) << name;
  for (const char *name : {"ColumnsAlign", "ColumnsWidth", "ColumnsLength"})
    EXPECT_FALSE(format.Exposes(name)) << name << " is a writer's own";
}

TEST(ExporterDefaults, AreTheDocumentedOnes) {
  TExporterFormatText e;
  EXPECT_EQ(e.ExportSource(), esDataSet);
  EXPECT_EQ(e.StringGrid(), nullptr);
  EXPECT_TRUE(e.ExportedFields().isEmpty());
  EXPECT_FALSE(e.CurrentRecordOnly());
  EXPECT_TRUE(e.GoToFirstRecord());
  EXPECT_EQ(e.ExportRecCount(), 0);
  EXPECT_EQ(e.SkipRecCount(), 0);
  EXPECT_FALSE(e.OnlyVisibleFields());
  EXPECT_FALSE(e.AutoCalcStrType());
  EXPECT_FALSE(e.AutoCalcColWidth());
  EXPECT_EQ(e.CaptionRow(), -1);
  EXPECT_TRUE(e.ExportEmpty());
  EXPECT_TRUE(e.AllowCaptions());
  EXPECT_EQ(e.FileName(), "");
  EXPECT_FALSE(e.ShowFile());
  EXPECT_FALSE(e.PrintFile());
  EXPECT_TRUE(e.Header().isEmpty());
  EXPECT_TRUE(e.Footer().isEmpty());
  EXPECT_EQ(e.CharsetType(), ectUTF8);
  EXPECT_FALSE(e.Aborted());
  EXPECT_EQ(e.Writer(), nullptr);
  EXPECT_EQ(ExportSourceName(esStringGrid), "StringGrid");
}

TEST(HeadlessTextWidth, MeasuresInTahomaPixels) {
  EXPECT_EQ(HeadlessTextWidth("X"), 6);
  EXPECT_EQ(HeadlessTextWidth(""), 0);
  EXPECT_EQ(HeadlessTextWidth("XX"), 12);
  EXPECT_LT(HeadlessTextWidth("i"), HeadlessTextWidth("W"));
  EXPECT_EQ(HeadlessTextWidth("č"), HeadlessTextWidth("c")) << "accents do not widen a letter";
  EXPECT_EQ(HeadlessTextWidth("Pole 10"), HeadlessTextWidth("Pole ") + 2 * HeadlessTextWidth("0"));
  EXPECT_GT(HeadlessTextWidth(QString::fromUcs4(U"\U0001F600")), 0);
}
