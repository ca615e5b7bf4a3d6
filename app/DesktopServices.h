#pragma once
// What the window hands to the desktop: written files (the export engine's shell opener) and the
// maker's web page (the About box's link). The real ones use QDesktopServices; tests record.

#include "export/core/ShellOpener.h"

#include <QUrl>

// Opens web pages in the user's browser.
class IUrlOpener {
public:
  virtual ~IUrlOpener() = default;
  virtual void OpenUrl(const QUrl &url) = 0;
};

class TDesktopUrlOpener : public IUrlOpener {
public:
  void OpenUrl(const QUrl &url) override;
};

// The engine's shell opener for the window: "open" shows a written file in the application the
// desktop associates with it. The desktop offers no portable "print" verb, so "print" opens the
// file too and the user prints from there.
class TDesktopShellOpener : public IShellOpener {
public:
  void ShellExecute(const QString &verb, const QString &fileName) override;
};
