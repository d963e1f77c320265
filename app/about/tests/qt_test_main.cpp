// Qt widget tests run headless on the offscreen platform, with the
// program's name and version set as the program sets them, and remembered
// settings kept in a folder of their own that is gone afterwards.
#include "program_info.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  applyProgramInfo();
  const QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
