#include "ShellOpener.h"

namespace {

// Opens nothing: the engine runs headless unless the window installs a real opener.
class TNullShellOpener : public IShellOpener {
public:
  void ShellExecute(const QString &, const QString &) override {}
};

std::shared_ptr<IShellOpener> &InstalledOpener() {
  static std::shared_ptr<IShellOpener> opener = std::make_shared<TNullShellOpener>();
  return opener;
}

}  // namespace

IShellOpener &ShellOpener() { return *InstalledOpener(); }

std::shared_ptr<IShellOpener> SetShellOpener(std::shared_ptr<IShellOpener> opener) {
  if (!opener)
    opener = std::make_shared<TNullShellOpener>();
  std::shared_ptr<IShellOpener> previous = InstalledOpener();
  InstalledOpener() = std::move(opener);
  return previous;
}
