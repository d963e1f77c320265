#include "run_folder.h"

#include <QDir>

namespace scene {

QString runFolder() { return QDir::currentPath(); }

QString runPath(const QString &name) { return runFolder() + name; }

} // namespace scene
