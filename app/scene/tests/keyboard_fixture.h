// The main window shown and active, worked by keys as a keyboard user works
// it: Tab from control to control, keys sent to the control with focus.
#pragma once

#include "run_folder_fixture.h"

#include <QImage>

class KeyboardTest : public RunFolderTest {
protected:
  // The window loaded, shown and made the active window.
  frmOrvelModel &openActiveWindow();
  // Presses Tab (or Shift+Tab) on the control with focus, once at least,
  // until `target` has it; false when a whole round of the controls never
  // reaches it.
  static bool tabTo(QWidget *target, bool backwards = false);
  // Presses a key on the control with focus.
  static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};

// Whether every pixel of `image` inside `band` but outside `inner` is pure
// black or pure white: a focus frame's pixels.
bool isBlackAndWhiteBand(const QImage &image, const QRect &band, const QRect &inner);
// How many pixels of `image` inside `band` but outside `inner` are pure
// black or pure white.
int blackAndWhitePixels(const QImage &image, const QRect &band, const QRect &inner);
