// The program's name and version as the About box shows them.
#pragma once

#include <QString>

// Records the product name and the build's version with the application.
void applyProgramInfo();

// "Version " followed by the major and minor numbers of a version text such
// as "1.0" or "2.5.3" (the revision is not shown).
QString versionCaption(const QString &version);
