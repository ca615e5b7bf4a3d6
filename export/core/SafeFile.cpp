#include "SafeFile.h"

#include "ExportError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QString Native(const QString &fileName) { return QDir::toNativeSeparators(fileName); }

[[noreturn]] void RaiseCannotCreate(const QString &fileName, const QString &reason) {
  throw EExportError(QStringLiteral("Cannot create file \"%1\". %2").arg(Native(fileName), reason));
}

// The permissions a newly created file gets (0666 less the process's umask), so that a file that
// went through a temporary file looks like one written directly.
QFileDevice::Permissions NewFilePermissions() {
#ifdef Q_OS_UNIX
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const mode_t mode = 0666 & ~mask;
  QFileDevice::Permissions p;
  if (mode & S_IRUSR) p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
  if (mode & S_IWUSR) p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
  if (mode & S_IRGRP) p |= QFileDevice::ReadGroup;
  if (mode & S_IWGRP) p |= QFileDevice::WriteGroup;
  if (mode & S_IROTH) p |= QFileDevice::ReadOther;
  if (mode & S_IWOTH) p |= QFileDevice::WriteOther;
  return p;
#else
  return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;
#endif
}

}  // namespace

TSafeFile::TSafeFile(const QString &fileName)
    : FFileName(fileName), FFile(std::make_unique<QSaveFile>(fileName)) {
  if (fileName.isEmpty())
    RaiseCannotCreate(fileName, QStringLiteral("No file name given."));
  if (!FFile->open(QIODevice::WriteOnly))
    RaiseCannotCreate(fileName, FFile->errorString());
}

TSafeFile::~TSafeFile() {
  if (!FCommitted)
    FFile->cancelWriting();  // the temporary file goes away with the QSaveFile
}

QIODevice &TSafeFile::Device() { return *FFile; }

void TSafeFile::Commit() {
  if (FCommitted)
    return;
  if (!FFile->commit())
    RaiseCannotCreate(FFileName, FFile->errorString());
  FCommitted = true;
}

void ReplaceFileSafely(const QString &fileName,
                       const std::function<void(const QString &tempFileName)> &produce) {
  const QFileInfo target(fileName);
  QTemporaryFile temp(target.absolutePath() + QLatin1Char('/') + target.fileName() +
                      QStringLiteral(".XXXXXX"));
  temp.setAutoRemove(false);
  if (fileName.isEmpty() || !temp.open())
    RaiseCannotCreate(fileName, temp.errorString());
  const QString tempName = temp.fileName();
  temp.close();
  try {
    produce(tempName);
  } catch (...) {
    QFile::remove(tempName);
    throw;
  }
  QFile::setPermissions(tempName, target.exists() ? QFile::permissions(fileName) : NewFilePermissions());
  // rename() replaces the target in one step: readers see the old file or the new one, never a mix.
  if (std::rename(QFile::encodeName(tempName).constData(), QFile::encodeName(fileName).constData()) != 0) {
    QFile::remove(tempName);
    RaiseCannotCreate(fileName, QStringLiteral("The finished file could not replace it."));
  }
}
