// Saving and loading an exporter's settings to an ini file.
#include "CoreTestSupport.h"

#include "export/core/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Configure(TRecordingExporter &e) {
  e.SetGoToFirstRecord(false);
  e.SetExportEmpty(false);
  e.SetCurrentRecordOnly(true);
  e.SetExportRecCount(7);
  e.SetSkipRecCount(2);
  e.SetOnlyVisibleFields(true);
  e.SetAutoCalcStrType(true);
  e.SetCaptionRow(0);
  e.SetExportedFields({"Field2", "5"});
  e.SetFileName("/tmp/Šťastných 10.html");
  e.SetShowFile(true);
  e.SetPrintFile(true);
  e.SetHeader({"<br>", " indented line "});
  e.SetFooter({"<br>"});
  e.SetAllowCaptions(false);
  e.SetCaptions({"Field0=Hra", "Field1=1. číslo"});
  e.SetUserFormats({"Field3=0.000"});
  TExportFormats &f = e.Formats();
  f.SetIntegerFormat("000");
  f.SetFloatFormat("0.0");
  f.SetDateFormat("dd.mm.yyyy");
  f.SetTimeFormat("hh:nn");
  f.SetDateTimeFormat("dd.mm.yyyy hh:nn");
  f.SetCurrencyFormat("#,##0.00 Kč");
  f.SetBooleanTrue("ano");
  f.SetBooleanFalse("ne");
  f.SetNULLString("nic");
  f.SetDecimalSeparator(QLatin1Char(','));
  f.SetThousandSeparator(QLatin1Char(' '));
  f.SetDateSeparator(QLatin1Char('.'));
  f.SetTimeSeparator(QChar());
  f.SetKeepOriginalFormat(true);
}

}  // namespace

TEST(SettingsFile, RoundTripRestoresEverySetting) {
  TFixedFormatSettings fixed;
  QTemporaryDir folder;
  const QString fileName = folder.filePath("exporter.ini");
  TRecordingExporter saved;
  Configure(saved);
  saved.SavePropertiesToFile(fileName);

  TRecordingExporter loaded;
  loaded.LoadPropertiesFromFile(fileName);

  EXPECT_EQ(loaded.GoToFirstRecord(), false);
  EXPECT_EQ(loaded.ExportEmpty(), false);
  EXPECT_EQ(loaded.CurrentRecordOnly(), true);
  EXPECT_EQ(loaded.ExportRecCount(), 7);
  EXPECT_EQ(loaded.SkipRecCount(), 2);
  EXPECT_EQ(loaded.OnlyVisibleFields(), true);
  EXPECT_EQ(loaded.AutoCalcStrType(), true);
  EXPECT_EQ(loaded.CaptionRow(), 0);
  EXPECT_EQ(loaded.ExportedFields(), saved.ExportedFields());
  EXPECT_EQ(loaded.FileName(), saved.FileName());
  EXPECT_EQ(loaded.ShowFile(), true);
  EXPECT_EQ(loaded.PrintFile(), true);
  EXPECT_EQ(loaded.Header(), saved.Header());
  EXPECT_EQ(loaded.Footer(), saved.Footer());
  EXPECT_EQ(loaded.AllowCaptions(), false);
  EXPECT_EQ(loaded.Captions(), saved.Captions());
  EXPECT_EQ(loaded.UserFormats(), saved.UserFormats());
  const TExportFormats &a = saved.Formats(), &b = loaded.Formats();
  EXPECT_EQ(b.IntegerFormat(), a.IntegerFormat());
  EXPECT_EQ(b.FloatFormat(), a.FloatFormat());
  EXPECT_EQ(b.DateFormat(), a.DateFormat());
  EXPECT_EQ(b.TimeFormat(), a.TimeFormat());
  EXPECT_EQ(b.DateTimeFormat(), a.DateTimeFormat());
  EXPECT_EQ(b.CurrencyFormat(), a.CurrencyFormat());
  EXPECT_EQ(b.BooleanTrue(), "ano");
  EXPECT_EQ(b.BooleanFalse(), "ne");
  EXPECT_EQ(b.NULLString(), "nic");
  EXPECT_EQ(b.DecimalSeparator(), QLatin1Char(','));
  EXPECT_EQ(b.ThousandSeparator(), QLatin1Char(' '));
  EXPECT_EQ(b.DateSeparator(), QLatin1Char('.'));
  EXPECT_TRUE(b.TimeSeparator().isNull());
  EXPECT_TRUE(b.KeepOriginalFormat());
}

TEST(SettingsFile, SectionsAndKeysAreTheStoredNames) {
  QTemporaryDir folder;
  const QString fileName = folder.filePath("exporter.ini");
  TRecordingExporter e;
  Configure(e);
  e.SavePropertiesToFile(fileName);
  QFile raw(fileName);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  const QByteArray bytes = raw.readAll();
  const QString text = QString::fromUtf8(bytes);

  EXPECT_TRUE(bytes.contains(QStringLiteral("FileName=/tmp/Šťastných 10.html").toUtf8())) << "strings are UTF-8";
  for (const char *line :
       {"[IniVersion]\r\nNumber=400\r\n", "[GENERAL]\r\nGoToFirstRecord=0\r\nExportEmpty=0\r\nCurrentRecordOnly=1\r\n"
        "ExportRecCount=7\r\nSkipRecCount=2\r\nOnlyVisibleFields=1\r\nAutocalcStrType=1\r\nCaptionRow=0\r\n",
        "ShowFile=1\r\nPrintFile=1\r\n", "AllowCaptions=0\r\n", "[FIELDS]\r\nfield0=Field2\r\nfield1=5\r\n",
        "[HEADER]\r\nline0=<br>\r\nline1= indented line \r\n", "[FOOTER]\r\nline0=<br>\r\n",
        "[CAPTIONS]\r\nline0=Field0=Hra\r\nline1=Field1=1. číslo\r\n",
        "[FORMATS]\r\nInteger=000\r\nFloat=0.0\r\nDate=dd.mm.yyyy\r\nTime=hh:nn\r\nDateTime=dd.mm.yyyy hh:nn\r\n"
        "Currency=#,##0.00 Kč\r\nBooleanTrue=ano\r\nBooleanFalse=ne\r\nNullString=nic\r\nDecimalSeparator=,\r\n"
        "ThousandSeparator= \r\nDateSeparator=.\r\nTimeSeparator=\r\nKeepOriginalFormat=1\r\n",
        "[USER_FORMATS]\r\nline0=Field3=0.000\r\n"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
}

TEST(SettingsFile, SavingAShorterListLeavesNoStaleEntries) {
  QTemporaryDir folder;
  const QString fileName = folder.filePath("exporter.ini");
  TRecordingExporter e;
  e.SetExportedFields({"1", "2", "3"});
  e.SavePropertiesToFile(fileName);
  e.SetExportedFields({"4"});
  e.SavePropertiesToFile(fileName);

  TRecordingExporter loaded;
  loaded.LoadPropertiesFromFile(fileName);
  EXPECT_EQ(loaded.ExportedFields(), QStringList{"4"});
}

TEST(SettingsFile, MissingKeysKeepTheCurrentValues) {
  QTemporaryDir folder;
  const QString fileName = folder.filePath("partial.ini");
  QFile raw(fileName);
  ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
  raw.write("[IniVersion]\r\nNumber=400\r\n[GENERAL]\r\nSkipRecCount=3\r\n[FORMATS]\r\nInteger=\r\n");
  raw.close();
  TRecordingExporter e;
  e.SetExportRecCount(9);
  e.SetFileName("kept.xml");
  e.Formats().SetIntegerFormat("000");
  e.LoadPropertiesFromFile(fileName);

  EXPECT_EQ(e.SkipRecCount(), 3);
  EXPECT_EQ(e.ExportRecCount(), 9);
  EXPECT_EQ(e.FileName(), "kept.xml");
  EXPECT_EQ(e.Formats().IntegerFormat(), "#,###,##0") << "an empty pattern is the default";
}

TEST(SettingsFile, TheVersionNumberDecidesHowStringsAreRead) {
  // "\xC3\xA9" is "é" in UTF-8 but "Ã©" in ANSI text; "\x8A" and "\x80" are ANSI only.
  struct Case {
    const char *version;  // the [IniVersion] lines, or none
    QByteArray fileName;
    QString read;
  } cases[] = {
      {"Number=300\r\n", "C:\\Export\\\x8A" "koda \xE9t\xE9 \x80.xml", QStringLiteral("C:\\Export\\Škoda été €.xml")},
      {"Number=300\r\n", "caf\xC3\xA9.xml", QStringLiteral("caf\u00C3\u00A9.xml")},
      {"Number=400\r\n", "caf\xC3\xA9.xml", QStringLiteral("caf\u00E9.xml")},
      {"Number=401\r\n", "caf\xC3\xA9.xml", QStringLiteral("caf\u00E9.xml")},
      {nullptr, "caf\xC3\xA9.xml", QStringLiteral("caf\u00E9.xml")},
      {nullptr, "caf\xE9.xml", QStringLiteral("caf\u00E9.xml")},
  };
  QTemporaryDir folder;
  const QString fileName = folder.filePath("settings.ini");
  for (const Case &c : cases) {
    QFile raw(fileName);
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    if (c.version)
      raw.write(QByteArray("[IniVersion]\r\n") + c.version);
    raw.write("[GENERAL]\r\nFileName=" + c.fileName + "\r\n");
    raw.close();
    TRecordingExporter e;
    e.LoadPropertiesFromFile(fileName);
    EXPECT_EQ(e.FileName(), c.read) << (c.version ? c.version : "no version") << c.fileName.toStdString();
  }
}

TEST(SettingsFile, LoadingAMissingFileRaises) {
  TRecordingExporter e;
  EXPECT_THROW(e.LoadPropertiesFromFile("/nonexistent/folder/settings.ini"), EExportError);
}

TEST(IniFile, ReadsWhatItWrites) {
  QTemporaryDir folder;
  const QString fileName = folder.filePath("plain.ini");
  {
    TIniFile ini(fileName);
    ini.WriteString("One", "Text", "a=b");
    ini.WriteInteger("One", "Number", -12);
    ini.WriteBool("Two", "Flag", true);
    ini.UpdateFile();
  }
  TIniFile ini(fileName);
  EXPECT_EQ(ini.ReadString("one", "text", "def"), "a=b") << "sections and keys ignore case";
  EXPECT_EQ(ini.ReadInteger("One", "Number", 0), -12);
  EXPECT_EQ(ini.ReadInteger("One", "Text", 5), 5) << "no number: the default";
  EXPECT_TRUE(ini.ReadBool("Two", "Flag", false));
  EXPECT_EQ(ini.ReadString("Two", "Missing", "def"), "def");
  EXPECT_EQ(ini.ReadSectionValues("One"), (QStringList{"Text=a=b", "Number=-12"}));
  EXPECT_TRUE(ini.SectionExists("TWO"));
  ini.EraseSection("two");
  EXPECT_FALSE(ini.SectionExists("Two"));
}
