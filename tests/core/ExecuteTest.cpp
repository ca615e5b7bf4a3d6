// Execute of the file exporters: the folder check, writing the file safely, opening the result.
#include "CoreTestSupport.h"

#include "export/core/SafeFile.h"
#include "export/core/ShellOpener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// Records what the engine asks the shell to do instead of launching anything.
class TRecordingOpener : public IShellOpener {
public:
  QStringList Calls;
  void ShellExecute(const QString &verb, const QString &fileName) override { Calls << verb + " " + fileName; }
};

QByteArray ReadFile(const QString &fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &fileName, const QByteArray &bytes) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QStringList Entries(const QString &folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

class Execute : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    Previous = SetShellOpener(Opener);
    BindGrid(Exporter, Grid);
  }
  void TearDown() override { SetShellOpener(Previous); }

  QString Path(const QString &name) const { return Folder.filePath(name); }

  QTemporaryDir Folder;
  std::shared_ptr<TRecordingOpener> Opener = std::make_shared<TRecordingOpener>();
  std::shared_ptr<IShellOpener> Previous;
  TTestGrid Grid{{{"Šťastných 10", "1. číslo"}, {"Pole 1", "5"}, {"Pole 2", "7"}}};
  TRecordingExporter Exporter;
};

}  // namespace

TEST_F(Execute, WritesTheFileAndOpensIt) {
  Exporter.SetFileName(Path("out.txt"));
  Exporter.SetShowFile(true);
  Exporter.Execute();

  EXPECT_EQ(ReadFile(Path("out.txt")), QStringLiteral("Šťastných 10|1. číslo\r\nPole 1|5\r\nPole 2|7\r\n").toUtf8());
  EXPECT_EQ(Opener->Calls, QStringList{"open " + Path("out.txt")});
  EXPECT_EQ(Entries(Folder.path()), QStringList{"out.txt"}) << "no temporary file is left";
}

TEST_F(Execute, PrintsAndOpensOnlyWhatIsAsked) {
  Exporter.SetFileName(Path("out.txt"));
  Exporter.Execute();
  EXPECT_TRUE(Opener->Calls.isEmpty()) << "ShowFile is off by default";

  Exporter.SetShowFile(true);
  Exporter.SetPrintFile(true);
  Exporter.Execute();
  EXPECT_EQ(Opener->Calls, (QStringList{"open " + Path("out.txt"), "print " + Path("out.txt")}));
}

TEST_F(Execute, CreatesMissingFolders) {
  const QString fileName = Path("a/b/c/out.txt");
  Exporter.SetFileName(fileName);
  Exporter.Execute();
  EXPECT_TRUE(QFile::exists(fileName));
}

TEST_F(Execute, FolderThatCannotBeCreatedRaises34025AndCreatesNothing) {
  WriteFile(Path("plain"), "a file, not a folder");
  const QString folder = Path("plain/sub");
  Exporter.SetFileName(folder + "/out.txt");
  Exporter.SetShowFile(true);

  try {
    Exporter.Execute();
    FAIL() << "Execute should have raised";
  } catch (const EExportError &e) {
    EXPECT_EQ(e.Message(), "Directory \"" + QDir::toNativeSeparators(folder) + "\" not found and cannot be created");
  }
  EXPECT_EQ(Entries(Folder.path()), QStringList{"plain"});
  EXPECT_TRUE(Exporter.Log.isEmpty()) << "the run never started";
  EXPECT_TRUE(Opener->Calls.isEmpty());
}

TEST_F(Execute, FailedRunLeavesTheExistingFileUntouchedAndOpensNothing) {
  const QString fileName = Path("out.txt");
  WriteFile(fileName, "the previous export");
  Exporter.SetFileName(fileName);
  Exporter.SetShowFile(true);
  Exporter.OnExportedRecord = [](TExporter *, int recNo) {
    if (recNo == 1)
      throw std::runtime_error("failed in the middle");
  };

  EXPECT_THROW(Exporter.Execute(), std::runtime_error);
  EXPECT_EQ(ReadFile(fileName), QByteArray("the previous export"));
  EXPECT_EQ(Entries(Folder.path()), QStringList{"out.txt"});
  EXPECT_TRUE(Opener->Calls.isEmpty());
  EXPECT_TRUE(Exporter.Log.contains("CompleteExport"));
}

TEST_F(Execute, FailedSourceCheckLeavesNoFile) {
  Exporter.SetStringGrid(nullptr);
  Exporter.SetFileName(Path("out.txt"));
  EXPECT_THROW(Exporter.Execute(), EExportError);
  EXPECT_TRUE(Entries(Folder.path()).isEmpty());
}

TEST_F(Execute, SuccessfulRunReplacesTheExistingFile) {
  const QString fileName = Path("out.txt");
  WriteFile(fileName, QByteArray(1000, 'x'));
  Exporter.SetFileName(fileName);
  Exporter.Execute();
  EXPECT_TRUE(ReadFile(fileName).startsWith(QStringLiteral("Šťastných").toUtf8()));
  EXPECT_EQ(ReadFile(fileName).size(), QStringLiteral("Šťastných 10|1. číslo\r\nPole 1|5\r\nPole 2|7\r\n").toUtf8().size());
}

TEST_F(Execute, AbortedRunIsNotOpened) {
  Exporter.SetFileName(Path("out.txt"));
  Exporter.SetShowFile(true);
  Exporter.OnExportedRecord = [](TExporter *sender, int) { sender->Abort(); };
  Exporter.Execute();

  EXPECT_EQ(ReadFile(Path("out.txt")), QStringLiteral("Šťastných 10|1. číslo\r\nPole 1|5\r\n").toUtf8())
      << "the closed document with the records written before the abort";
  EXPECT_TRUE(Opener->Calls.isEmpty());
}

TEST_F(Execute, BareFileNameIsCreatedInTheCurrentFolder) {
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Folder.path()));
  Exporter.SetFileName("bare.txt");
  Exporter.SetShowFile(true);
  Exporter.Execute();
  QDir::setCurrent(previous);

  EXPECT_TRUE(QFile::exists(Path("bare.txt")));
  EXPECT_EQ(Opener->Calls, QStringList{"open bare.txt"});
}

TEST_F(Execute, TheBaseExporterExecutesNothing) {
  TExporter base;
  BindGrid(base, Grid);
  EXPECT_NO_THROW(base.Execute());
}

// --- the helpers the file-producing writers share ---

TEST_F(Execute, SafeFileCommitsOrDiscards) {
  const QString fileName = Path("pages.html");
  WriteFile(fileName, "old");
  {
    TSafeFile file(fileName);
    file.Device().write("half");
  }  // not committed: discarded
  EXPECT_EQ(ReadFile(fileName), QByteArray("old"));
  EXPECT_EQ(Entries(Folder.path()), QStringList{"pages.html"});

  TSafeFile file(fileName);
  file.Device().write("new");
  file.Commit();
  EXPECT_TRUE(file.Committed());
  EXPECT_EQ(ReadFile(fileName), QByteArray("new"));
}

TEST_F(Execute, SafeFileInAMissingFolderRaises) {
  EXPECT_THROW(TSafeFile(Path("missing/out.txt")), EExportError);
}

TEST_F(Execute, ReplaceFileSafelyByName) {
  const QString fileName = Path("book.ods");
  WriteFile(fileName, "old");

  EXPECT_THROW(ReplaceFileSafely(fileName,
                                 [](const QString &temp) {
                                   WriteFile(temp, "half");
                                   throw std::runtime_error("zip failed");
                                 }),
               std::runtime_error);
  EXPECT_EQ(ReadFile(fileName), QByteArray("old"));
  EXPECT_EQ(Entries(Folder.path()), QStringList{"book.ods"});

  QString tempName;
  ReplaceFileSafely(fileName, [&](const QString &temp) {
    tempName = temp;
    EXPECT_EQ(QFileInfo(temp).absolutePath(), QFileInfo(fileName).absolutePath()) << "beside the target";
    WriteFile(temp, "zipped");
  });
  EXPECT_EQ(ReadFile(fileName), QByteArray("zipped"));
  EXPECT_FALSE(QFile::exists(tempName));
  EXPECT_EQ(Entries(Folder.path()), QStringList{"book.ods"});
}
