#include "run_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace scene {

QString runFolder() { return QDir::currentPath(); }

QString installedDataFolder() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/../share/corvanta"));
}

QString runPath(const QString &name) {
  const QString here = runFolder() + name;
  if (QFileInfo::exists(here))
    return here;
  const QString installed = installedDataFolder() + name;
  return QFileInfo::exists(installed) ? installed : here;
}

QString searchedFolders(const QString &name) {
  return QCoreApplication::translate("scene", "%1\nand %2")
      .arg(runFolder() + name, installedDataFolder() + name);
}

} // namespace scene
