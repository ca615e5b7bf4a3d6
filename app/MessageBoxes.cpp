#include "MessageBoxes.h"

#include <QMessageBox>

void TQtMessageBox::ShowError(const QString &text) {
  QMessageBox::critical(FParent, QStringLiteral("ZUDUVaro"), text);
}

bool TQtMessageBox::Confirm(const QString &title, const QString &text) {
  return QMessageBox::question(FParent, title, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}
