#pragma once
// Value patterns and separators used to turn typed values into text.

#include <QChar>
#include <QString>

class TExportFormats {
public:
  TExportFormats();  // defaults from the process's locale; the current separators become the old ones

  void Assign(const TExportFormats &source);
  void ResetFormats();
  void StoreSeparators();    // the process's current separators become the old ones
  void ApplyParams();        // the configured separators become the process's current ones
  void RestoreSeparators();  // the old separators become current again

  QChar DecimalSeparator() const { return FDecimalSeparator; }
  void SetDecimalSeparator(QChar c) { FDecimalSeparator = c; }
  QChar ThousandSeparator() const { return FThousandSeparator; }
  void SetThousandSeparator(QChar c) { FThousandSeparator = c; }
  QChar DateSeparator() const { return FDateSeparator; }
  void SetDateSeparator(QChar c) { FDateSeparator = c; }
  QChar TimeSeparator() const { return FTimeSeparator; }
  void SetTimeSeparator(QChar c) { FTimeSeparator = c; }

  QString IntegerFormat() const { return FIntegerFormat; }
  void SetIntegerFormat(const QString &value);
  QString FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const QString &value);
  QString DateFormat() const { return FDateFormat; }
  void SetDateFormat(const QString &value);
  QString TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const QString &value);
  QString DateTimeFormat() const { return FDateTimeFormat; }
  void SetDateTimeFormat(const QString &value);
  QString CurrencyFormat() const { return FCurrencyFormat; }
  void SetCurrencyFormat(const QString &value);
  QString BooleanTrue() const { return FBooleanTrue; }
  void SetBooleanTrue(const QString &value);
  QString BooleanFalse() const { return FBooleanFalse; }
  void SetBooleanFalse(const QString &value);
  QString NULLString() const { return FNULLString; }
  void SetNULLString(const QString &value);
  bool KeepOriginalFormat() const { return FKeepOriginalFormat; }
  void SetKeepOriginalFormat(bool value) { FKeepOriginalFormat = value; }

private:
  QChar FDecimalSeparator, FThousandSeparator, FDateSeparator, FTimeSeparator;
  QChar FOldDecimalSeparator, FOldThousandSeparator, FOldDateSeparator, FOldTimeSeparator;
  QString FIntegerFormat, FFloatFormat, FDateFormat, FTimeFormat, FDateTimeFormat, FCurrencyFormat;
  QString FBooleanTrue, FBooleanFalse, FNULLString;
  bool FKeepOriginalFormat = false;
};

// The process-wide separators that formatting uses (the platform keeps these in its locale
// settings; here they live in one place of our own).
struct TFormatSettings {
  QChar DecimalSeparator, ThousandSeparator, DateSeparator, TimeSeparator;
  QString ShortDateFormat, ShortTimeFormat, CurrencyString;
  int CurrencyFormat = 0;  // position of the currency symbol, 0 to 3
};
TFormatSettings &CurrentFormatSettings();

// Formats a number with a pattern of "0", "#", "," and "." using the current separators.
QString FormatNumber(const QString &pattern, double value);
// Formats a date-time with a date pattern (d, dd, m, mm, yyyy, h, hh, nn, ss, "/" and ":")
// using the current separators.
QString FormatDateTime(const QString &pattern, const class QDateTime &value);
