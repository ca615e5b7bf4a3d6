#pragma once
// A small ini file: sections of key=value lines, read and written as UTF-8 text.

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

class TIniFile {
public:
  explicit TIniFile(const QString &fileName);  // reads the file when it exists
  void UpdateFile() const;                      // writes everything back
  // Reads the file again taking its bytes as Windows ANSI text, as files were stored before
  // their strings were UTF-8 (even bytes that happen to form valid UTF-8).
  void ReadAsAnsi();

  QString ReadString(const QString &section, const QString &key, const QString &def) const;
  void WriteString(const QString &section, const QString &key, const QString &value);
  int ReadInteger(const QString &section, const QString &key, int def) const;
  void WriteInteger(const QString &section, const QString &key, int value);
  bool ReadBool(const QString &section, const QString &key, bool def) const;
  void WriteBool(const QString &section, const QString &key, bool value);
  // The key=value lines of a section, in file order.
  QStringList ReadSectionValues(const QString &section) const;
  void EraseSection(const QString &section);
  bool SectionExists(const QString &section) const;

private:
  void Read(bool ansi);

  QString FFileName;
  std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>> FSections;
};
