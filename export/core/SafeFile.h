#pragma once
// Writing a result file without destroying data: everything goes to a temporary file in the target
// folder, which replaces the target only once the whole content has been produced. A run that
// fails half-way leaves an existing file as it was and no partial file behind.

#include <QString>
#include <functional>
#include <memory>

class QIODevice;
class QSaveFile;

// A result file written through a stream.
class TSafeFile {
public:
  // Opens a temporary file beside fileName; raises EExportError when that is not possible.
  explicit TSafeFile(const QString &fileName);
  // Discards the temporary file unless Commit ran.
  ~TSafeFile();
  TSafeFile(const TSafeFile &) = delete;
  TSafeFile &operator=(const TSafeFile &) = delete;

  QIODevice &Device();
  const QString &FileName() const { return FFileName; }
  bool Committed() const { return FCommitted; }
  // Moves the written content over FileName; raises EExportError when it cannot.
  void Commit();

private:
  QString FFileName;
  std::unique_ptr<QSaveFile> FFile;
  bool FCommitted = false;
};

// For producers that write by file name (a zip package, a compound file): produce is called with the
// name of a fresh, empty temporary file beside fileName and may replace it; when it returns, that
// file is moved over fileName. When produce raises, the temporary file is removed, fileName stays
// untouched and the error propagates.
void ReplaceFileSafely(const QString &fileName,
                       const std::function<void(const QString &tempFileName)> &produce);
