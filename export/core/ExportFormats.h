#pragma once
// Value patterns and separators used to turn typed values into text.

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>

class TExportFormats {
public:
  TExportFormats();  // defaults from the process's locale; the current separators become the old ones

  void Assign(const TExportFormats &source);
  void ResetFormats();
  void StoreSeparators();    // the process's current separators become the old ones
  void ApplyParams() const;        // the configured separators become the process's current ones
  void RestoreSeparators() const;  // the old separators become current again

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
// The settings as the locale gave them at program start (the defaults of TExportFormats).
const TFormatSettings &LocaleFormatSettings();
// The currency pattern of settings: its CurrencyString placed by its CurrencyFormat around
// "#,###,##0.00" (0 before, 1 after, 2 before with a space, 3 after with a space; else empty).
QString CurrencyPattern(const TFormatSettings &settings);
TFormatSettings &CurrentFormatSettings();

// Formats a number with a pattern of "0", "#", "," and "." using the current separators. Text in
// quotes and other characters around the digits are copied; a pattern may hold up to three
// sections separated by ";" for positive, negative and zero values.
QString FormatNumber(const QString &pattern, double value);
// The same for a 64-bit whole number, exact in every digit.
QString FormatInt64(const QString &pattern, qint64 value);
// Formats a date-time with a date pattern (d, dd, m, mm, yyyy, h, hh, nn, ss, "/" and ":")
// using the current separators.
QString FormatDateTime(const QString &pattern, const class QDateTime &value);

// Text to value with the current separators, as the formatting above reads them back. A text
// that does not convert gives false and leaves value alone.
bool TryStrToInt(const QString &text, int &value);
bool TryStrToInt64(const QString &text, qint64 &value);
bool TryStrToFloat(const QString &text, double &value);
// A date (in the order of the short date pattern), a time, or a date followed by a time. A time
// alone lies on 30 December 1899, the day the date-time scale starts.
bool TryStrToDateTime(const QString &text, QDateTime &value);
// The first day of the date-time scale; a value on it is a time of day only.
QDate ZeroDate();
