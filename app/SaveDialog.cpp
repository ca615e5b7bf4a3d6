#include "SaveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QStringList QtNameFilters(const QString &filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString masks = parts[i + 1];
    masks.replace(QLatin1Char(';'), QLatin1Char(' '));  // "*.a;*.b" lists masks with semicolons
    filters << QStringLiteral("%1 (%2)").arg(parts[i], masks);
  }
  return filters;
}

std::optional<QString> TFileSaveDialog::Execute(const QString &title, const QString &filter,
                                                int filterIndex) {
  const QStringList filters = QtNameFilters(filter);
  QFileDialog dialog(FParent, title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty())
    dialog.selectNameFilter(filters.value(qMax(0, filterIndex - 1)));
  dialog.setDirectory(FLastFolder.isEmpty() ? QDir::homePath() : FLastFolder);
  // The program speaks Czech also where Qt has no translation installed.
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Uložit do:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Název souboru:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Uložit jako typ:"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Uložit"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Storno"));

  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
      return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    const QFileInfo info(name);
    if (info.dir().exists()) {
      FLastFolder = info.absolutePath();
      return name;
    }
    QMessageBox::warning(&dialog, title,
                         QStringLiteral("Složka \"%1\" neexistuje.\nZvolte existující složku.")
                             .arg(QDir::toNativeSeparators(info.absolutePath())));
  }
}
