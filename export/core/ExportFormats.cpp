#include "ExportFormats.h"

#include <QLocale>
#include <QTime>
#include <cmath>

namespace {

const QString DefaultIntegerFormat = QStringLiteral("#,###,##0");
const QString DefaultFloatFormat = QStringLiteral("#,###,##0.00");
const QString DefaultBooleanTrue = QStringLiteral("true");
const QString DefaultBooleanFalse = QStringLiteral("false");

QChar FirstChar(const QString &s, QChar fallback) { return s.isEmpty() ? fallback : s.at(0); }

// The first character of a pattern that is neither a letter nor part of quoted text: the
// separator the locale puts between the parts of a date or a time.
QChar PatternSeparator(const QString &qtPattern, QChar fallback) {
  bool quoted = false;
  for (QChar c : qtPattern) {
    if (c == QLatin1Char('\'')) {
      quoted = !quoted;
      continue;
    }
    if (!quoted && !c.isLetter())
      return c;
  }
  return fallback;
}

// A Qt date or time pattern in the letters of our date formatter: months "m", minutes "n", the
// separator of the part as "/" (date) or ":" (time), quoted text kept.
QString ConvertQtPattern(const QString &qtPattern, bool isTime, QChar separator) {
  QString result;
  for (int i = 0; i < qtPattern.size();) {
    const QChar c = qtPattern.at(i);
    if (c == QLatin1Char('\'')) {
      const int end = qtPattern.indexOf(QLatin1Char('\''), i + 1);
      const int stop = end < 0 ? qtPattern.size() : end + 1;
      result += qtPattern.mid(i, stop - i);
      i = stop;
      continue;
    }
    int run = 1;
    while (i + run < qtPattern.size() && qtPattern.at(i + run) == c)
      ++run;
    const QString letters = qtPattern.mid(i, run);
    i += run;
    switch (c.unicode()) {
    case 'd': result += letters; break;
    case 'M': result += QString(run, QLatin1Char('m')); break;
    case 'y': result += run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
    case 'H':
    case 'h': result += QString(qMin(run, 2), QLatin1Char('h')); break;
    case 'm': result += QString(qMin(run, 2), QLatin1Char('n')); break;
    case 's': result += QString(qMin(run, 2), QLatin1Char('s')); break;
    case 'z': result += QString(run >= 3 ? 3 : 1, QLatin1Char('z')); break;
    case 'A': result += QStringLiteral("AM/PM"); break;
    case 'a': result += QStringLiteral("am/pm"); break;
    case 't': break;  // time zone: not part of our patterns
    default:
      if (c == separator)
        result += QString(run, isTime ? QLatin1Char(':') : QLatin1Char('/'));
      else if (c.isLetter())
        result += QLatin1Char('"') + letters + QLatin1Char('"');
      else
        result += letters;
    }
  }
  return result.trimmed();
}

// Position of the currency symbol (0 symbol first, 1 symbol last, 2 symbol and space first,
// 3 space and symbol last), read from how the locale writes an amount.
int CurrencyPosition(const QLocale &locale) {
  const QString symbol = locale.currencySymbol();
  if (symbol.isEmpty())
    return 0;
  const QString amount = locale.toCurrencyString(1.0);
  const int at = amount.indexOf(symbol);
  if (at < 0)
    return 0;
  if (at == 0) {
    const QChar next = amount.size() > symbol.size() ? amount.at(symbol.size()) : QChar();
    return next.isSpace() ? 2 : 0;
  }
  const QChar before = amount.at(at - 1);
  return before.isSpace() ? 3 : 1;
}

TFormatSettings SettingsFromLocale() {
  const QLocale locale = QLocale::system();
  TFormatSettings s;
  s.DecimalSeparator = FirstChar(locale.decimalPoint(), QLatin1Char('.'));
  s.ThousandSeparator = FirstChar(locale.groupSeparator(), QLatin1Char(','));
  QString datePattern = locale.dateFormat(QLocale::ShortFormat);
  // The C locale writes short dates with a month name; we keep numeric dates there.
  if (locale.language() == QLocale::C)
    datePattern = QStringLiteral("MM/dd/yyyy");
  s.DateSeparator = PatternSeparator(datePattern, QLatin1Char('/'));
  const QString timePattern = locale.timeFormat(QLocale::ShortFormat);
  s.TimeSeparator = PatternSeparator(timePattern, QLatin1Char(':'));
  s.ShortDateFormat = ConvertQtPattern(datePattern, false, s.DateSeparator);
  s.ShortTimeFormat = ConvertQtPattern(timePattern, true, s.TimeSeparator);
  s.CurrencyString = locale.currencySymbol();
  s.CurrencyFormat = CurrencyPosition(locale);
  return s;
}

}  // namespace

QString CurrencyPattern(const TFormatSettings &s) {
  switch (s.CurrencyFormat) {
  case 0: return s.CurrencyString + DefaultFloatFormat;
  case 1: return DefaultFloatFormat + s.CurrencyString;
  case 2: return s.CurrencyString + QLatin1Char(' ') + DefaultFloatFormat;
  case 3: return DefaultFloatFormat + QLatin1Char(' ') + s.CurrencyString;
  default: return QString();
  }
}

namespace {

QString DefaultDateFormat() { return LocaleFormatSettings().ShortDateFormat; }
QString DefaultTimeFormat() { return LocaleFormatSettings().ShortTimeFormat; }
QString DefaultDateTimeFormat() { return DefaultDateFormat() + QLatin1Char(' ') + DefaultTimeFormat(); }
QString DefaultCurrencyFormat() { return CurrencyPattern(LocaleFormatSettings()); }

// --- number formatting ---

// One section of a number pattern, split into the parts the formatter needs.
struct TNumberLayout {
  QString Prefix, Suffix;  // literal text before the first and after the last digit placeholder
  int MinIntDigits = 0;    // placeholders from the first "0" before the decimal point
  int MinFracDigits = 0;   // "0" placeholders after the decimal point (up to the last "0")
  int MaxFracDigits = 0;   // all placeholders after the decimal point
  bool Grouping = false;   // a "," among the integer placeholders
};

QStringList SplitSections(const QString &pattern) {
  QStringList sections;
  QString current;
  QChar quote;
  for (QChar c : pattern) {
    if (!quote.isNull()) {
      if (c == quote)
        quote = QChar();
      current += c;
    } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      quote = c;
      current += c;
    } else if (c == QLatin1Char(';')) {
      sections << current;
      current.clear();
    } else {
      current += c;
    }
  }
  sections << current;
  return sections;
}

TNumberLayout ParseNumberSection(const QString &section) {
  TNumberLayout layout;
  bool seenDigit = false, afterPoint = false, seenZero = false;
  int placeholdersSinceZero = 0;
  QString pendingLiteral;  // literal text since the last placeholder
  auto isPlaceholder = [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('#'); };
  for (int i = 0; i < section.size(); ++i) {
    const QChar c = section.at(i);
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      const int end = section.indexOf(c, i + 1);
      const int stop = end < 0 ? section.size() : end;
      pendingLiteral += section.mid(i + 1, stop - i - 1);
      i = stop;
      continue;
    }
    if (isPlaceholder(c)) {
      if (!seenDigit)
        layout.Prefix = pendingLiteral;
      pendingLiteral.clear();
      seenDigit = true;
      if (afterPoint) {
        ++layout.MaxFracDigits;
        if (c == QLatin1Char('0'))
          layout.MinFracDigits = layout.MaxFracDigits;
      } else if (c == QLatin1Char('0') || seenZero) {
        seenZero = true;
        ++placeholdersSinceZero;
      }
      continue;
    }
    if (c == QLatin1Char('.') && !afterPoint) {
      if (!seenDigit) {
        layout.Prefix = pendingLiteral;
        seenDigit = true;
      }
      pendingLiteral.clear();
      afterPoint = true;
      continue;
    }
    if (c == QLatin1Char(',') && seenDigit && !afterPoint) {
      layout.Grouping = true;
      continue;
    }
    pendingLiteral += c;
  }
  if (seenDigit)
    layout.Suffix = pendingLiteral;
  else
    layout.Prefix = pendingLiteral;
  layout.MinIntDigits = placeholdersSinceZero;
  return layout;
}

QString GroupDigits(const QString &digits, QChar separator) {
  if (separator.isNull() || digits.size() <= 3)
    return digits;
  QString result;
  const int first = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  result += digits.left(first);
  for (int i = first; i < digits.size(); i += 3)
    result += separator + digits.mid(i, 3);
  return result;
}

// Lays out a number given as its integer digits and its fraction digits (already rounded to
// at most MaxFracDigits).
QString LayOutNumber(const TNumberLayout &layout, QString intDigits, QString fracDigits,
                     bool negative) {
  while (fracDigits.size() > layout.MinFracDigits && fracDigits.endsWith(QLatin1Char('0')))
    fracDigits.chop(1);
  while (intDigits.size() > 1 && intDigits.startsWith(QLatin1Char('0')))
    intDigits.remove(0, 1);
  if (intDigits == QLatin1String("0") && layout.MinIntDigits == 0)
    intDigits.clear();
  if (intDigits.size() < layout.MinIntDigits)
    intDigits = QString(layout.MinIntDigits - intDigits.size(), QLatin1Char('0')) + intDigits;
  const TFormatSettings &fs = CurrentFormatSettings();
  QString result = layout.Prefix;
  result += layout.Grouping ? GroupDigits(intDigits, fs.ThousandSeparator) : intDigits;
  if (!fracDigits.isEmpty())
    result += fs.DecimalSeparator + fracDigits;
  result += layout.Suffix;
  return negative ? QLatin1Char('-') + result : result;
}

// Picks the section for the value's sign; a negative value printed by its own section loses its
// minus sign, as the section writes it.
const QString &PickSection(const QStringList &sections, bool negative, bool zero, bool &printSign) {
  printSign = negative;
  if (zero && sections.size() >= 3 && !sections.at(2).isEmpty())
    return sections.at(2);
  if (negative && sections.size() >= 2 && !sections.at(1).isEmpty()) {
    printSign = false;
    return sections.at(1);
  }
  return sections.at(0);
}

// The digits of |value| rounded to fracDigits decimals, halves away from zero.
void RoundToDigits(double value, int fracCount, QString &intDigits, QString &fracDigits) {
  const double magnitude = std::fabs(value);
  const double scale = std::pow(10.0, fracCount);
  QString digits;
  if (magnitude * scale < 1e15) {
    digits = QString::number(qint64(std::floor(magnitude * scale + 0.5)));
    if (digits.size() <= fracCount)
      digits = QString(fracCount - digits.size() + 1, QLatin1Char('0')) + digits;
    intDigits = digits.left(digits.size() - fracCount);
    fracDigits = digits.right(fracCount);
    return;
  }
  digits = QString::number(magnitude, 'f', fracCount);
  const int point = digits.indexOf(QLatin1Char('.'));
  intDigits = point < 0 ? digits : digits.left(point);
  fracDigits = point < 0 ? QString() : digits.mid(point + 1);
}

// --- date and time formatting ---

QString Pad(int value, int width) { return QString::number(value).rightJustified(width, QLatin1Char('0')); }

bool PatternHasAmPm(const QString &pattern) {
  const QString lower = pattern.toLower();
  return lower.contains(QLatin1String("am/pm")) || lower.contains(QLatin1String("a/p")) ||
         lower.contains(QLatin1String("ampm"));
}

int DaysInMonth(int year, int month) { return QDate(year, month, 1).daysInMonth(); }

}  // namespace

// --- process-wide settings ---

const TFormatSettings &LocaleFormatSettings() {
  static const TFormatSettings settings = SettingsFromLocale();
  return settings;
}

TFormatSettings &CurrentFormatSettings() {
  static TFormatSettings settings = LocaleFormatSettings();
  return settings;
}

QDate ZeroDate() { return QDate(1899, 12, 30); }

QString FormatNumber(const QString &pattern, double value) {
  if (std::isnan(value) || std::isinf(value))
    return QString::number(value);
  const QStringList sections = SplitSections(pattern);
  // Rounding decides whether the value counts as zero and so which section applies.
  QString intDigits, fracDigits;
  RoundToDigits(value, ParseNumberSection(sections.at(0)).MaxFracDigits, intDigits, fracDigits);
  const bool zero = (intDigits + fracDigits).count(QLatin1Char('0')) == (intDigits + fracDigits).size();
  bool printSign = false;
  const QString &section = PickSection(sections, value < 0 && !zero, zero, printSign);
  const TNumberLayout layout = ParseNumberSection(section);
  RoundToDigits(value, layout.MaxFracDigits, intDigits, fracDigits);
  return LayOutNumber(layout, intDigits, fracDigits, printSign);
}

QString FormatInt64(const QString &pattern, qint64 value) {
  const QStringList sections = SplitSections(pattern);
  bool printSign = false;
  const QString &section = PickSection(sections, value < 0, value == 0, printSign);
  const TNumberLayout layout = ParseNumberSection(section);
  const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
  return LayOutNumber(layout, QString::number(magnitude), QString(layout.MaxFracDigits, QLatin1Char('0')),
                      printSign);
}

QString FormatDateTime(const QString &pattern, const QDateTime &value) {
  const TFormatSettings &fs = CurrentFormatSettings();
  const QLocale locale = QLocale::system();
  const QDate date = value.date();
  const QTime time = value.time();
  const bool twelveHour = PatternHasAmPm(pattern);
  QString result;
  bool lastWasHour = false;  // "m" right after an hour means minutes
  for (int i = 0; i < pattern.size();) {
    const QChar c = pattern.at(i);
    const QChar lower = c.toLower();
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      const int end = pattern.indexOf(c, i + 1);
      const int stop = end < 0 ? pattern.size() : end;
      result += pattern.mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    if (lower == QLatin1Char('a')) {
      const QString rest = pattern.mid(i);
      const bool pm = time.hour() >= 12;
      if (rest.startsWith(QLatin1String("am/pm"), Qt::CaseInsensitive)) {
        const QString word = pm ? QStringLiteral("pm") : QStringLiteral("am");
        result += rest.at(0).isUpper() ? word.toUpper() : word;
        i += 5;
        continue;
      }
      if (rest.startsWith(QLatin1String("a/p"), Qt::CaseInsensitive)) {
        const QString word = pm ? QStringLiteral("p") : QStringLiteral("a");
        result += rest.at(0).isUpper() ? word.toUpper() : word;
        i += 3;
        continue;
      }
      if (rest.startsWith(QLatin1String("ampm"), Qt::CaseInsensitive)) {
        result += pm ? locale.pmText() : locale.amText();
        i += 4;
        continue;
      }
    }
    int run = 1;
    while (i + run < pattern.size() && pattern.at(i + run).toLower() == lower)
      ++run;
    i += run;
    bool isHour = false;
    switch (lower.unicode()) {
    case 'd':
      if (run == 1 || run == 2)
        result += Pad(date.day(), run);
      else if (run == 3)
        result += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
      else
        result += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
      break;
    case 'm':
      if (lastWasHour)
        result += Pad(time.minute(), qMin(run, 2));
      else if (run <= 2)
        result += Pad(date.month(), run);
      else if (run == 3)
        result += locale.monthName(date.month(), QLocale::ShortFormat);
      else
        result += locale.monthName(date.month(), QLocale::LongFormat);
      break;
    case 'y':
      result += run <= 2 ? Pad(date.year() % 100, 2) : Pad(date.year(), 4);
      break;
    case 'h': {
      int hour = time.hour();
      if (twelveHour) {
        hour %= 12;
        if (hour == 0)
          hour = 12;
      }
      result += Pad(hour, qMin(run, 2));
      isHour = true;
      break;
    }
    case 'n': result += Pad(time.minute(), qMin(run, 2)); break;
    case 's': result += Pad(time.second(), qMin(run, 2)); break;
    case 'z': result += Pad(time.msec(), run >= 3 ? 3 : 1); break;
    case '/': result += QString(run, fs.DateSeparator); break;
    case ':': result += QString(run, fs.TimeSeparator); break;
    default: result += QString(run, c);
    }
    // Separators between an hour and "m" keep the minute meaning ("h:mm").
    if (isHour)
      lastWasHour = true;
    else if (lower.isLetter())
      lastWasHour = false;
  }
  return result;
}

// --- conversions ---

bool TryStrToInt(const QString &text, int &value) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok, 10);
  if (ok)
    value = v;
  return ok;
}

bool TryStrToInt64(const QString &text, qint64 &value) {
  bool ok = false;
  const qint64 v = text.trimmed().toLongLong(&ok, 10);
  if (ok)
    value = v;
  return ok;
}

bool TryStrToFloat(const QString &text, double &value) {
  QString t = text.trimmed();
  if (t.isEmpty())
    return false;
  const QChar decimal = CurrentFormatSettings().DecimalSeparator;
  if (decimal != QLatin1Char('.')) {
    if (t.contains(QLatin1Char('.')))
      return false;
    t.replace(decimal, QLatin1Char('.'));
  }
  // Only plain numbers: digits, sign, one point and an exponent; no "inf", "nan" or hex.
  for (QChar c : t) {
    if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('.') && c != QLatin1Char('+') &&
        c != QLatin1Char('-') && c != QLatin1Char('e') && c != QLatin1Char('E'))
      return false;
  }
  bool ok = false;
  const double v = QLocale::c().toDouble(t, &ok);
  if (ok)
    value = v;
  return ok;
}

namespace {

// Splits a text into runs of digits; anything else must be the given separator.
bool SplitNumbers(const QString &text, QChar separator, QList<int> &numbers) {
  const QStringList parts = text.split(separator);
  for (const QString &part : parts) {
    if (part.isEmpty() || part.size() > 4)
      return false;
    bool ok = false;
    const int n = part.toInt(&ok, 10);
    if (!ok || part.startsWith(QLatin1Char('+')) || part.startsWith(QLatin1Char('-')))
      return false;
    numbers << n;
  }
  return true;
}

// Day, month and year order of the short date pattern, e.g. "DMY".
QString DateOrder() {
  QString order;
  for (QChar c : CurrentFormatSettings().ShortDateFormat.toLower()) {
    const QChar part = c == QLatin1Char('d') ? QLatin1Char('D')
                       : c == QLatin1Char('m') ? QLatin1Char('M')
                       : c == QLatin1Char('y') ? QLatin1Char('Y')
                                               : QChar();
    if (!part.isNull() && !order.contains(part))
      order += part;
  }
  return order.size() == 3 ? order : QStringLiteral("MDY");
}

bool ParseDate(const QString &text, QDate &date) {
  QList<int> numbers;
  if (!SplitNumbers(text, CurrentFormatSettings().DateSeparator, numbers))
    return false;
  if (numbers.size() < 2 || numbers.size() > 3)
    return false;
  const QString order = DateOrder();
  int day = 0, month = 0, year = QDate::currentDate().year();
  if (numbers.size() == 2) {
    // Day and month of the current year, in the pattern's order.
    const bool dayFirst = order.indexOf(QLatin1Char('D')) < order.indexOf(QLatin1Char('M'));
    day = dayFirst ? numbers[0] : numbers[1];
    month = dayFirst ? numbers[1] : numbers[0];
  } else {
    for (int i = 0; i < 3; ++i) {
      switch (order.at(i).unicode()) {
      case 'D': day = numbers[i]; break;
      case 'M': month = numbers[i]; break;
      default: year = numbers[i];
      }
    }
    // Two-digit years fall into the century window around the current year.
    const QString yearText = text.split(CurrentFormatSettings().DateSeparator).at(order.indexOf(QLatin1Char('Y')));
    if (yearText.size() <= 2) {
      const int now = QDate::currentDate().year();
      year += now - now % 100;
      if (year > now + 50)
        year -= 100;
    }
  }
  if (month < 1 || month > 12 || year < 1 || day < 1 || day > DaysInMonth(year, month))
    return false;
  date = QDate(year, month, day);
  return date.isValid();
}

bool ParseTime(QString text, QTime &time) {
  const TFormatSettings &fs = CurrentFormatSettings();
  text = text.trimmed();
  int pmShift = -1;  // -1 no marker, 0 am, 12 pm
  const QLocale locale = QLocale::system();
  const QStringList amWords = {QStringLiteral("am"), locale.amText()};
  const QStringList pmWords = {QStringLiteral("pm"), locale.pmText()};
  for (const QString &w : amWords)
    if (!w.isEmpty() && text.endsWith(w, Qt::CaseInsensitive)) {
      pmShift = 0;
      text.chop(w.size());
      break;
    }
  if (pmShift < 0)
    for (const QString &w : pmWords)
      if (!w.isEmpty() && text.endsWith(w, Qt::CaseInsensitive)) {
        pmShift = 12;
        text.chop(w.size());
        break;
      }
  text = text.trimmed();
  int msec = 0;
  const int dot = text.indexOf(fs.DecimalSeparator);
  if (dot >= 0) {
    bool ok = false;
    msec = text.mid(dot + 1).toInt(&ok);
    if (!ok || msec > 999)
      return false;
    text.truncate(dot);
  }
  QList<int> numbers;
  if (!SplitNumbers(text, fs.TimeSeparator, numbers) || numbers.size() < 2 || numbers.size() > 3)
    return false;
  int hour = numbers[0];
  if (pmShift >= 0) {
    if (hour < 1 || hour > 12)
      return false;
    hour = hour % 12 + pmShift;
  }
  const int minute = numbers[1];
  const int second = numbers.size() > 2 ? numbers[2] : 0;
  if (hour > 23 || minute > 59 || second > 59)
    return false;
  time = QTime(hour, minute, second, msec);
  return time.isValid();
}

}  // namespace

bool TryStrToDateTime(const QString &text, QDateTime &value) {
  const QString t = text.trimmed();
  if (t.isEmpty())
    return false;
  QDate date;
  QTime time;
  if (ParseDate(t, date)) {
    value = QDateTime(date, QTime(0, 0));
    return true;
  }
  if (ParseTime(t, time)) {
    value = QDateTime(ZeroDate(), time);
    return true;
  }
  // A date followed by a time, split at the first space.
  const int space = t.indexOf(QLatin1Char(' '));
  if (space > 0 && ParseDate(t.left(space), date) && ParseTime(t.mid(space + 1), time)) {
    value = QDateTime(date, time);
    return true;
  }
  return false;
}

// --- TExportFormats ---

TExportFormats::TExportFormats() {
  StoreSeparators();
  ResetFormats();
}

void TExportFormats::Assign(const TExportFormats &source) {
  SetIntegerFormat(source.FIntegerFormat);
  SetFloatFormat(source.FFloatFormat);
  SetDateFormat(source.FDateFormat);
  SetTimeFormat(source.FTimeFormat);
  SetDateTimeFormat(source.FDateTimeFormat);
  SetCurrencyFormat(source.FCurrencyFormat);
  SetBooleanTrue(source.FBooleanTrue);
  SetBooleanFalse(source.FBooleanFalse);
  SetNULLString(source.FNULLString);
  FDecimalSeparator = source.FDecimalSeparator;
  FThousandSeparator = source.FThousandSeparator;
  FDateSeparator = source.FDateSeparator;
  FTimeSeparator = source.FTimeSeparator;
  FKeepOriginalFormat = source.FKeepOriginalFormat;
}

void TExportFormats::ResetFormats() {
  FDecimalSeparator = FOldDecimalSeparator;
  FThousandSeparator = FOldThousandSeparator;
  FDateSeparator = FOldDateSeparator;
  FTimeSeparator = FOldTimeSeparator;
  FIntegerFormat = DefaultIntegerFormat;
  FFloatFormat = DefaultFloatFormat;
  FDateFormat = DefaultDateFormat();
  FTimeFormat = DefaultTimeFormat();
  FDateTimeFormat = DefaultDateTimeFormat();
  FCurrencyFormat = DefaultCurrencyFormat();
  FBooleanTrue = DefaultBooleanTrue;
  FBooleanFalse = DefaultBooleanFalse;
  FNULLString.clear();
  FKeepOriginalFormat = false;
}

void TExportFormats::StoreSeparators() {
  const TFormatSettings &fs = CurrentFormatSettings();
  FOldDecimalSeparator = fs.DecimalSeparator;
  FOldThousandSeparator = fs.ThousandSeparator;
  FOldDateSeparator = fs.DateSeparator;
  FOldTimeSeparator = fs.TimeSeparator;
}

void TExportFormats::ApplyParams() const {
  TFormatSettings &fs = CurrentFormatSettings();
  fs.DecimalSeparator = FDecimalSeparator;
  fs.ThousandSeparator = FThousandSeparator;
  fs.DateSeparator = FDateSeparator;
  fs.TimeSeparator = FTimeSeparator;
}

void TExportFormats::RestoreSeparators() const {
  TFormatSettings &fs = CurrentFormatSettings();
  fs.DecimalSeparator = FOldDecimalSeparator;
  fs.ThousandSeparator = FOldThousandSeparator;
  fs.DateSeparator = FOldDateSeparator;
  fs.TimeSeparator = FOldTimeSeparator;
}

void TExportFormats::SetIntegerFormat(const QString &value) {
  FIntegerFormat = value.isEmpty() ? DefaultIntegerFormat : value;
}

void TExportFormats::SetFloatFormat(const QString &value) { FFloatFormat = value; }

void TExportFormats::SetDateFormat(const QString &value) {
  FDateFormat = value.isEmpty() ? DefaultDateFormat() : value;
}

void TExportFormats::SetTimeFormat(const QString &value) {
  FTimeFormat = value.isEmpty() ? DefaultTimeFormat() : value;
}

void TExportFormats::SetDateTimeFormat(const QString &value) {
  FDateTimeFormat = value.isEmpty() ? DefaultDateTimeFormat() : value;
}

void TExportFormats::SetCurrencyFormat(const QString &value) {
  FCurrencyFormat = value.isEmpty() ? DefaultCurrencyFormat() : value;
}

void TExportFormats::SetBooleanTrue(const QString &value) {
  FBooleanTrue = value.isEmpty() ? DefaultBooleanTrue : value;
}

void TExportFormats::SetBooleanFalse(const QString &value) {
  FBooleanFalse = value.isEmpty() ? DefaultBooleanFalse : value;
}

void TExportFormats::SetNULLString(const QString &value) { FNULLString = value.trimmed(); }
