// A temporary current folder holding what the window reads at run time:
// small sun and atom bitmaps, the mouse icon and seven scenario files with
// distinct atom counts, plus a window loaded and shown in it. Messages are
// recorded instead of shown.
#pragma once

#include "frm_orvel_model.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// Read access to the window's private state.
struct FormInspector {
  static double sunX(const frmOrvelModel &f) { return f.sunX; }
  static double sunY(const frmOrvelModel &f) { return f.sunY; }
  static int sunFrame(const frmOrvelModel &f) { return f.sunFrame; }
  static float ambientF(const frmOrvelModel &f) { return f.ambientF; }
  static raster::HDC backgroundHdc(const frmOrvelModel &f) { return f.backgroundHdc; }
  static raster::HDC frameHdc(const frmOrvelModel &f) { return f.frameHdc; }
  static bool surfacesBuilt(const frmOrvelModel &f) { return f.surfacesBuilt; }
};

class RunFolderTest : public testing::Test {
protected:
  // Atom counts of the test scenarios, one distinct count per file.
  static constexpr int kGasAtoms = 2;
  static constexpr int kLiquidAtoms = 4;
  static constexpr int kSolidAtoms = 6;
  static constexpr int kGasGasAtoms = 8;
  static constexpr int kLiquidGasAtoms = 10;
  static constexpr int kSolidLiquidAtoms = 12;
  static constexpr int kSolidGasAtoms = 14;
  // Colours of the test suns (discs on black).
  static const QColor kRedSun;
  static const QColor kOrangeSun;
  static const QColor kYellowSun;

  void SetUp() override;
  void TearDown() override;

  QString path(const QString &name) const { return folder_.filePath(name); }
  void removeFile(const QString &name) const;
  void writeText(const QString &name, const QByteArray &text) const;
  static void writeScenario(const QString &file, int atoms);
  // A window loaded (Form_Load) and shown (first activation) in the folder.
  frmOrvelModel &openWindow();

  QStringList messages;
  std::unique_ptr<frmOrvelModel> window;
  int fatalErrors = 0;

private:
  QTemporaryDir folder_;
  QString previousFolder_;
};
