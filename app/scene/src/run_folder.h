// Scenario files and bitmaps are read from the process's current folder.
#pragma once

#include <QString>

namespace scene {

// The current folder followed by a relative name such as "/bitmaps/eye.ico".
QString runPath(const QString &name);
// The current folder itself, for messages that name where a file was sought.
QString runFolder();

} // namespace scene
