#pragma once
// Message boxes of the main window, behind an interface so that tests record the messages instead
// of showing them.

#include <QString>

class QWidget;

class IMessageBox {
public:
  virtual ~IMessageBox() = default;
  // An error raised by a handler; the program goes on afterwards.
  virtual void ShowError(const QString &text) = 0;
  // A yes/no question; true for yes.
  virtual bool Confirm(const QString &title, const QString &text) = 0;
};

// The real message boxes (QMessageBox), captioned with the program's name.
class TQtMessageBox : public IMessageBox {
public:
  explicit TQtMessageBox(QWidget *parent = nullptr) : FParent(parent) {}
  void ShowError(const QString &text) override;
  bool Confirm(const QString &title, const QString &text) override;

private:
  QWidget *FParent;
};
