#include "MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

void TQtMessageBox::ShowError(const QString &text) {
  QMessageBox::critical(FParent, QStringLiteral("ZUDUVaro"), text);
}

bool TQtMessageBox::Confirm(const QString &title, const QString &text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, FParent);
  QPushButton *yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
  QPushButton *no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
  box.setDefaultButton(no);  // replacing a file is never the default
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}
