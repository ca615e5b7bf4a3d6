#pragma once
// How a finished export reaches the desktop: the shell's "open" and "print" verbs. The engine
// calls whatever opener is installed; the window installs one that really opens files, while
// tests and the command line keep the default, which opens nothing.

#include <QString>
#include <memory>

class IShellOpener {
public:
  virtual ~IShellOpener() = default;
  virtual void ShellExecute(const QString &verb, const QString &fileName) = 0;
};

// The opener in use; never null.
IShellOpener &ShellOpener();
// Installs an opener; null restores the default that opens nothing. Returns the previous one.
std::shared_ptr<IShellOpener> SetShellOpener(std::shared_ptr<IShellOpener> opener);
