#pragma once
// The save dialog `sd` of the main window, reached through an interface so that tests choose the
// file name themselves instead of showing a dialog.

#include <QString>
#include <optional>

class QWidget;

class ISaveDialog {
public:
  virtual ~ISaveDialog() = default;
  // Asks for a file name. `filter` is a filter text "description|mask[|description|mask...]",
  // `filterIndex` selects its entry (0 and 1 both mean the first). Returns the chosen name, or
  // nothing when the user cancels.
  virtual std::optional<QString> Execute(const QString &title, const QString &filter,
                                         int filterIndex) = 0;
};

// "dokument XML (xml)|*.xml" -> {"dokument XML (xml) (*.xml)"}: the name filters a QFileDialog
// shows, one per description/mask pair.
QStringList QtNameFilters(const QString &filter);

// The real dialog: a (non-native) QFileDialog in save mode. The chosen folder must exist; the
// dialog asks again when it does not. It does not ask about replacing a file, because the export
// appends the format's extension afterwards: the window asks about the final name instead.
class TFileSaveDialog : public ISaveDialog {
public:
  explicit TFileSaveDialog(QWidget *parent = nullptr) : FParent(parent) {}
  std::optional<QString> Execute(const QString &title, const QString &filter,
                                 int filterIndex) override;

private:
  QWidget *FParent;
  QString FLastFolder;  // the next dialog opens where the last file was saved
};
