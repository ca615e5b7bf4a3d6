#pragma once
// The numbered message table of the export engine.

#include <QString>
#include <functional>

enum TExportMessage {
  SExportSourceNotAssigned = 34014,  // "Export source (%s) is not assigned"
  SExportSourceClosed = 34016,       // "Export source (%s) is closed"
  SExportSourceEmpty = 34017,        // "Export source (%s) is empty"
  SDirectoryNotFound = 34025,        // "Directory "%s" not found and cannot be created"
};

class TExportLocale {
public:
  // The one shared loader, created on first use.
  static TExportLocale &Instance();

  // Offered every number first; a non-empty ResultString is used instead of the table's text.
  std::function<void(int StringID, QString &ResultString)> OnLocalize;

  // The text of message Id (at most 1024 characters), empty for an unknown number.
  QString LoadStr(int Id) const;
  // LoadStr with every "%s" replaced by Arg, in order.
  QString Format(int Id, const QString &Arg) const;
};

// Shorthand used throughout the engine: raise message Id with its %s filled in.
[[noreturn]] void RaiseExportError(int Id, const QString &Arg);
