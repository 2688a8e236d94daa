#include "settings/OptionsProfile.h"

#include <pwd.h>
#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <cstdlib>
#include <limits>
#include <vector>

#include "settings/OptionKeys.h"

namespace quorvane {

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir) {
    return found->pw_dir;
  }
  return "/";
}

// A stored value as text. An INI line holding unquoted commas reads back as a list; it is the
// text as written.
QString ValueText(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
  return value.toString();
}

// A flag is the decimal text of a 32-bit integer; anything else reads as the default.
int FlagFrom(const QVariant& value, int fallback) {
  if (!value.isValid()) return fallback;
  bool ok = false;
  const qlonglong number = ValueText(value).trimmed().toLongLong(&ok, 10);
  if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
    return fallback;
  }
  return static_cast<int>(number);
}

}  // namespace

std::string DefaultProfilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  // The base directory must be absolute; a relative one is ignored, as the convention says.
  const std::string base =
      config && config[0] == '/' ? std::string(config) : HomeFolder() + "/.config";
  return base + "/quorvane/quorvane.ini";
}

OptionsProfile::OptionsProfile(std::string iniPath) : m_strPath(std::move(iniPath)) {}

AppOptions OptionsProfile::Load() const {
  QSettings settings(QFile::decodeName(QByteArray::fromStdString(m_strPath)), QSettings::IniFormat);
  settings.beginGroup(QLatin1String(kOptionsSection));
  AppOptions options;
  for (const OptionKey& key : kOptionKeys) {
    const QVariant value = settings.value(QLatin1String(key.name));
    if (key.type == OptionKey::Type::Flag) {
      options.*key.flag = FlagFrom(value, key.flagDefault);
    } else {
      options.*key.text = value.isValid() ? ValueText(value).toStdString() : key.textDefault;
    }
  }
  return options;
}

void OptionsProfile::Save(const AppOptions& options) const {
  QSettings settings(QFile::decodeName(QByteArray::fromStdString(m_strPath)), QSettings::IniFormat);
  settings.beginGroup(QLatin1String(kOptionsSection));
  for (const OptionKey& key : kOptionKeys) {
    if (key.type == OptionKey::Type::Flag) {
      settings.setValue(QLatin1String(key.name), options.*key.flag);
    } else {
      settings.setValue(QLatin1String(key.name), QString::fromStdString(options.*key.text));
    }
  }
  settings.endGroup();
  // A failed write is not reported: the options in memory stay in force for the run.
  settings.sync();
}

}  // namespace quorvane
