#include "SettingsStore.h"

#include <QSettings>

namespace {
// Paths are written with backslashes, as registry paths are; QSettings separates keys by slashes.
QString SettingsKey(const QString &path) {
  QString key = path;
  key.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return key;
}
}  // namespace

TAppRegistryStorage::TAppRegistryStorage()
#ifdef Q_OS_WIN
    // The key itself: QSettings given only an organisation would keep the value one level deeper,
    // under "OrganizationDefaults".
    : FSettings(std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\ZUDUVaro"),
                                            QSettings::NativeFormat)) {}
#else
    : FSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("ZUDUVaro"))) {}
#endif

TAppRegistryStorage::TAppRegistryStorage(const QString &iniFile)
    : FSettings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

TAppRegistryStorage::~TAppRegistryStorage() = default;

QString TAppRegistryStorage::ReadString(const QString &path, const QString &defaultValue) {
  return FSettings->value(SettingsKey(path), defaultValue).toString();
}

void TAppRegistryStorage::WriteString(const QString &path, const QString &value) {
  FSettings->setValue(SettingsKey(path), value);
  FSettings->sync();  // the value is on disk at once, as a registry value would be
}

void TAppRegistryStorage::DeleteValue(const QString &path) {
  FSettings->remove(SettingsKey(path));
  FSettings->sync();
}
