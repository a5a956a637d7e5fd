#include "platform/ConfigRegistry.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <cstdlib>

namespace {

QString EnvOr(const char* name, const QString& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? QString::fromLocal8Bit(value) : fallback;
}

QStringList ConfigFolders() {
  QStringList folders{EnvOr("XDG_CONFIG_HOME", QDir::homePath() + "/.config")};
  for (const QString& dir : EnvOr("XDG_CONFIG_DIRS", "/etc/xdg").split(':', Qt::SkipEmptyParts))
    folders << dir;
  return folders;
}

}  // namespace

std::string ReadConfigToolPath() {
  for (const QString& folder : ConfigFolders()) {
    const QString file = folder + "/vornhelm.conf";
    if (!QFile::exists(file)) continue;
    QSettings settings(file, QSettings::IniFormat);
    const QVariant value = settings.value("T");
    if (value.isValid()) return value.toString().toStdString();
  }
  return {};
}
