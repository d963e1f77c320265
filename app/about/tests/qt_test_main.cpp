// Qt widget tests run headless on the offscreen platform, with the
// program's name and version set as the program sets them, and remembered
// settings and the user's data folder (their own experiments) kept in
// folders of this test program's own that are gone afterwards: tests run
// side by side never share them, nor touch the real user's.
#include "program_info.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir dataFolder;
  qputenv("XDG_DATA_HOME", QFile::encodeName(dataFolder.path()));
  QApplication app(argc, argv);
  applyProgramInfo();
  const QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
