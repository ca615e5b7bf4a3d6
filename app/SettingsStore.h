#pragma once
// The settings store `AppRegedit`: one string value addressed by a path such as "Nastavení\Vzhled"
// (subkey "Nastavení", value "Vzhled"). The program keeps it with QSettings under the organisation
// "ZUDUVaro" (HKEY_CURRENT_USER\Software\ZUDUVaro on Windows, ~/.config/ZUDUVaro.conf on Linux);
// tests give it a file of their own.

#include <QString>
#include <memory>

class QSettings;

class ISettingsStore {
public:
  virtual ~ISettingsStore() = default;
  virtual QString ReadString(const QString &path, const QString &defaultValue = QString()) = 0;
  virtual void WriteString(const QString &path, const QString &value) = 0;
  virtual void DeleteValue(const QString &path) = 0;
};

class TAppRegistryStorage : public ISettingsStore {
public:
  // The user's settings of the organisation "ZUDUVaro".
  TAppRegistryStorage();
  // A settings file of its own (INI format), for tests.
  explicit TAppRegistryStorage(const QString &iniFile);
  ~TAppRegistryStorage() override;

  QString ReadString(const QString &path, const QString &defaultValue = QString()) override;
  void WriteString(const QString &path, const QString &value) override;
  void DeleteValue(const QString &path) override;

private:
  std::unique_ptr<QSettings> FSettings;
};
