#include "FieldCountEdit.h"

#include <QLineEdit>

TFieldCountEdit::TFieldCountEdit(QWidget *parent) : QAbstractSpinBox(parent) {
  lineEdit()->setMaxLength(MaxDigits);
  setAlignment(Qt::AlignCenter);
  setKeyboardTracking(true);
  connect(lineEdit(), &QLineEdit::textEdited, this, &TFieldCountEdit::textEditedByUser);
}

void TFieldCountEdit::SetText(const QString &text) {
  if (lineEdit()->text() != text)
    lineEdit()->setText(text);
}

int TFieldCountEdit::Value() const { return lineEdit()->text().toInt(); }

void TFieldCountEdit::SetRange(int minimum, int maximum) {
  FMinimum = minimum;
  FMaximum = maximum;
}

void TFieldCountEdit::SetArrowsVisible(bool visible) {
  setButtonSymbols(visible ? QAbstractSpinBox::UpDownArrows : QAbstractSpinBox::NoButtons);
}

QValidator::State TFieldCountEdit::validate(QString &input, int &pos) const {
  Q_UNUSED(pos);
  for (const QChar c : input)
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return QValidator::Invalid;
  return input.size() <= MaxDigits ? QValidator::Acceptable : QValidator::Invalid;
}

void TFieldCountEdit::stepBy(int steps) {
  const int value = qBound(FMinimum, Value() + steps, FMaximum);
  const QString text = QString::number(value);
  if (text == lineEdit()->text())
    return;
  lineEdit()->setText(text);
  emit textEditedByUser(text);
}

QAbstractSpinBox::StepEnabled TFieldCountEdit::stepEnabled() const {
  if (isReadOnly())
    return StepNone;
  StepEnabled enabled = StepNone;
  if (Value() > FMinimum)
    enabled |= StepDownEnabled;
  if (Value() < FMaximum)
    enabled |= StepUpEnabled;
  return enabled;
}
