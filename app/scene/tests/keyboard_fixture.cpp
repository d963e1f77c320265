#include "keyboard_fixture.h"

#include <QApplication>
#include <QTest>

namespace {

// More presses than the window has controls: a round is surely complete.
constexpr int kMostTabs = 64;

bool blackOrWhite(QRgb pixel) {
  const QRgb colour = pixel & 0xFFFFFF;
  return colour == 0x000000 || colour == 0xFFFFFF;
}

} // namespace

frmOrvelModel &KeyboardTest::openActiveWindow() {
  frmOrvelModel &f = openWindow();
  f.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
  return f;
}

bool KeyboardTest::tabTo(QWidget *target, bool backwards) {
  for (int i = 0; i < kMostTabs; ++i) {
    press(backwards ? Qt::Key_Backtab : Qt::Key_Tab,
          backwards ? Qt::ShiftModifier : Qt::NoModifier);
    if (QApplication::focusWidget() == target)
      return true;
  }
  return false;
}

void KeyboardTest::press(int key, Qt::KeyboardModifiers modifiers) {
  QWidget *focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "no control has focus";
  QTest::keyClick(focus, Qt::Key(key), modifiers);
}

int blackAndWhitePixels(const QImage &image, const QRect &band, const QRect &inner) {
  int count = 0;
  for (int y = band.top(); y <= band.bottom(); ++y)
    for (int x = band.left(); x <= band.right(); ++x)
      if (!inner.contains(x, y) && blackOrWhite(image.pixel(x, y)))
        ++count;
  return count;
}

bool isBlackAndWhiteBand(const QImage &image, const QRect &band, const QRect &inner) {
  const int bandPixels = band.width() * band.height() - inner.width() * inner.height();
  return blackAndWhitePixels(image, band, inner) == bandPixels;
}
