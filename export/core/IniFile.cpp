#include "IniFile.h"

#include "ExportError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Files written before strings were stored as UTF-8 hold Windows ANSI text; the bytes that are not
// ASCII are read through this table (0x80 to 0x9F; 0xA0 to 0xFF equal Latin-1).
constexpr char16_t Windows1252From80[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

QString DecodeAnsi(const QByteArray &bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char ch : bytes) {
    const uchar b = uchar(ch);
    if (b >= 0x80 && b < 0xA0)
      text += QChar(Windows1252From80[b - 0x80]);
    else
      text += QChar(b);
  }
  return text;
}

QString DecodeIniText(const QByteArray &bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError())
    return DecodeAnsi(bytes);
  if (text.startsWith(QChar(0xFEFF)))
    text.remove(0, 1);
  return text;
}

bool SameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

TIniFile::TIniFile(const QString &fileName) : FFileName(fileName) { Read(false); }

void TIniFile::ReadAsAnsi() { Read(true); }

void TIniFile::Read(bool ansi) {
  FSections.clear();
  QFile file(FFileName);
  if (!file.open(QIODevice::ReadOnly))
    return;
  const QByteArray bytes = file.readAll();
  const QString text = ansi ? DecodeAnsi(bytes) : DecodeIniText(bytes);
  std::vector<std::pair<QString, QString>> *current = nullptr;
  for (QString line : text.split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r')))
      line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')))
      continue;
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
      const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
      current = nullptr;
      for (auto &section : FSections)
        if (SameName(section.first, name))
          current = &section.second;
      if (!current) {
        FSections.emplace_back(name, std::vector<std::pair<QString, QString>>());
        current = &FSections.back().second;
      }
      continue;
    }
    if (!current)
      continue;  // a line before the first section belongs nowhere
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
      continue;
    current->emplace_back(line.left(eq).trimmed(), line.mid(eq + 1));
  }
}

void TIniFile::UpdateFile() const {
  QString text;
  for (const auto &section : FSections) {
    text += QLatin1Char('[') + section.first + QStringLiteral("]\r\n");
    for (const auto &entry : section.second)
      text += entry.first + QLatin1Char('=') + entry.second + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
  }
  QSaveFile file(FFileName);
  const QByteArray bytes = text.toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw EExportError(QStringLiteral("Cannot write the settings file \"%1\": %2")
                           .arg(FFileName, file.errorString()));
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const {
  for (const auto &s : FSections) {
    if (!SameName(s.first, section))
      continue;
    for (const auto &entry : s.second)
      if (SameName(entry.first, key))
        return entry.second;
  }
  return def;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value) {
  for (auto &s : FSections) {
    if (!SameName(s.first, section))
      continue;
    for (auto &entry : s.second) {
      if (SameName(entry.first, key)) {
        entry.second = value;
        return;
      }
    }
    s.second.emplace_back(key, value);
    return;
  }
  FSections.emplace_back(section, std::vector<std::pair<QString, QString>>{{key, value}});
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const {
  const QString text = ReadString(section, key, QString()).trimmed();
  bool ok = false;
  int value = 0;
  if (text.startsWith(QLatin1Char('$')))
    value = text.mid(1).toInt(&ok, 16);
  else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
    value = text.mid(2).toInt(&ok, 16);
  else
    value = text.toInt(&ok, 10);
  return ok ? value : def;
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int value) {
  WriteString(section, key, QString::number(value));
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList TIniFile::ReadSectionValues(const QString &section) const {
  QStringList lines;
  for (const auto &s : FSections) {
    if (!SameName(s.first, section))
      continue;
    for (const auto &entry : s.second)
      lines << entry.first + QLatin1Char('=') + entry.second;
  }
  return lines;
}

void TIniFile::EraseSection(const QString &section) {
  for (auto it = FSections.begin(); it != FSections.end();) {
    if (SameName(it->first, section))
      it = FSections.erase(it);
    else
      ++it;
  }
}

bool TIniFile::SectionExists(const QString &section) const {
  for (const auto &s : FSections)
    if (SameName(s.first, section))
      return true;
  return false;
}
