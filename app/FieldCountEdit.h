#pragma once
// The field-count input "Počet polí" (`keno_pocet_poli`): a spin edit whose text is the value and
// accepts digits only. Unlike QSpinBox it lets the user type a count above its maximum; the page
// limits it when the input loses the focus. Its arrows can be hidden.

#include <QAbstractSpinBox>

class TFieldCountEdit : public QAbstractSpinBox {
  Q_OBJECT

public:
  static constexpr int MaxDigits = 3;

  explicit TFieldCountEdit(QWidget *parent = nullptr);

  // Replaces the text without raising textEditedByUser.
  void SetText(const QString &text);
  // The text read as an integer; empty reads as 0.
  int Value() const;
  void SetRange(int minimum, int maximum);
  void SetArrowsVisible(bool visible);
  bool ArrowsVisible() const { return buttonSymbols() != QAbstractSpinBox::NoButtons; }

  QValidator::State validate(QString &input, int &pos) const override;
  void stepBy(int steps) override;

  // The inner line edit: clicks into the input land there.
  QLineEdit *Editor() const { return lineEdit(); }

signals:
  // The user changed the text: typed, deleted, pasted or stepped with the arrows.
  void textEditedByUser(const QString &text);

protected:
  StepEnabled stepEnabled() const override;

private:
  int FMinimum = 0;
  int FMaximum = 100;
};
