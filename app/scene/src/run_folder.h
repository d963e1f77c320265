// Where the program finds its pictures and scenario files: in the folder it
// was started in first, then in its installed data folder (share/corvanta
// beside the bin folder that holds the program), so that a program started
// from the desktop's menu finds them too.
#pragma once

#include <QString>

namespace scene {

// A relative name such as "/bitmaps/eye.ico" in the current folder when it
// is there, else in the installed data folder when it is there, else in the
// current folder (where a message then says it is missing).
QString runPath(const QString &name);
// The current folder itself.
QString runFolder();
// The installed data folder: ../share/corvanta from the program's folder.
QString installedDataFolder();
// Both places a relative folder such as "/bitmaps" is sought, for messages.
QString searchedFolders(const QString &name = {});

} // namespace scene
