// The user's experiment folder, in the temporary data folder the test
// program's main gives it, emptied before and after each test, so that no
// test touches the real user's files or sees another test's.
#pragma once

#include "experiment_library.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

class UserFolderTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(guide::userExperimentFolder().startsWith(QDir::tempPath()))
        << guide::userExperimentFolder().toStdString();
    QDir(guide::userExperimentFolder()).removeRecursively();
  }
  void TearDown() override { QDir(guide::userExperimentFolder()).removeRecursively(); }

  // Writes a file, making its folder.
  static void write(const QString &path, const QByteArray &text) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(text);
  }
  static QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};
