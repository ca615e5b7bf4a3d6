#include "ExportLocale.h"

#include "ExportError.h"

#include <map>

namespace {

// The compiled-in message table of the export engine.
const std::map<int, const char *> &MessageTable() {
  static const std::map<int, const char *> table = {
      {SExportSourceNotAssigned, "Export source (%s) is not assigned"},
      {SExportSourceClosed, "Export source (%s) is closed"},
      {SExportSourceEmpty, "Export source (%s) is empty"},
      {SDirectoryNotFound, "Directory \"%s\" not found and cannot be created"},
  };
  return table;
}

constexpr int MaxMessageLength = 1024;

}  // namespace

TExportLocale &TExportLocale::Instance() {
  static TExportLocale instance;
  return instance;
}

QString TExportLocale::LoadStr(int Id) const {
  QString result;
  if (OnLocalize) {
    OnLocalize(Id, result);
    if (!result.isEmpty())
      return result;
  }
  const auto &table = MessageTable();
  auto it = table.find(Id);
  if (it == table.end())
    return QString();
  return QString::fromUtf8(it->second).left(MaxMessageLength);
}

QString TExportLocale::Format(int Id, const QString &Arg) const {
  // Replaced by hand rather than with QString::arg so that a "%1" in Arg stays as it is.
  const QString pattern = LoadStr(Id);
  QString result;
  int from = 0;
  for (;;) {
    const int at = pattern.indexOf(QLatin1String("%s"), from);
    if (at < 0)
      break;
    result += pattern.mid(from, at - from);
    result += Arg;
    from = at + 2;
  }
  result += pattern.mid(from);
  return result;
}

void RaiseExportError(int Id, const QString &Arg) {
  throw EExportError(TExportLocale::Instance().Format(Id, Arg));
}
