#include "pixel_checks.h"
#include "sprite_bitmaps.h"

#include <gtest/gtest.h>

#include <QColor>

#include <algorithm>
#include <cmath>

namespace {

// Every pixel whose centre lies within `radius` of the image centre.
bool allWithin(const QImage &image, double radius, const std::function<bool(QRgb)> &test) {
  const double c = image.width() / 2.0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (std::hypot(x + 0.5 - c, y + 0.5 - c) <= radius && !test(image.pixel(x, y)))
        return false;
  return true;
}

bool cornersAreBlack(const QImage &image) {
  const int r = image.width() - 1;
  const int b = image.height() - 1;
  return isPureBlack(image.pixel(0, 0)) && isPureBlack(image.pixel(r, 0)) &&
         isPureBlack(image.pixel(0, b)) && isPureBlack(image.pixel(r, b));
}

struct MeanColour {
  double r = 0, g = 0, b = 0;
};

MeanColour meanOfShape(const QImage &image) {
  MeanColour m;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (isPureBlack(p))
        continue;
      m.r += qRed(p);
      m.g += qGreen(p);
      m.b += qBlue(p);
      ++n;
    }
  }
  return {m.r / n, m.g / n, m.b / n};
}

const auto notBlack = [](QRgb p) { return !isPureBlack(p); };
const auto black = [](QRgb p) { return isPureBlack(p); };

} // namespace

TEST(SunBitmaps, AreSolidDiscsWithRaysOnATransparentBlackGround) {
  for (SunColour colour : {SunColour::Red, SunColour::Orange, SunColour::Yellow}) {
    const QImage sun = renderSun(colour);
    ASSERT_EQ(sun.size(), QSize(kSunSize, kSunSize));
    EXPECT_EQ(sun.format(), QImage::Format_RGB888);
    EXPECT_TRUE(cornersAreBlack(sun));
    EXPECT_TRUE(allWithin(sun, 7.5, notBlack)) << "the disc has a transparent spot";
    EXPECT_EQ(enclosedBlackPixels(sun), 0);
    // A ray reaches well beyond the disc straight up, and nothing is cut off
    // by the image border.
    EXPECT_FALSE(isPureBlack(sun.pixel(kSunSize / 2, 2)));
    EXPECT_EQ(shareOf(sun, QRect(0, 0, kSunSize, 1), black), 1.0);
    EXPECT_EQ(shareOf(sun, QRect(0, kSunSize - 1, kSunSize, 1), black), 1.0);
    EXPECT_EQ(shareOf(sun, QRect(0, 0, 1, kSunSize), black), 1.0);
    EXPECT_EQ(shareOf(sun, QRect(kSunSize - 1, 0, 1, kSunSize), black), 1.0);
  }
}

TEST(SunBitmaps, GrowYellowerFromRedThroughOrange) {
  const auto greenShare = [](SunColour c) {
    const MeanColour m = meanOfShape(renderSun(c));
    return m.g / m.r;
  };
  EXPECT_LT(greenShare(SunColour::Red), 0.45);
  EXPECT_LT(greenShare(SunColour::Red), greenShare(SunColour::Orange) - 0.2);
  EXPECT_LT(greenShare(SunColour::Orange), greenShare(SunColour::Yellow) - 0.2);
}

TEST(AtomBitmaps, AreSolidSpheresLitFromTheUpperLeft) {
  for (int kind = 0; kind < kAtomKinds; ++kind) {
    const QImage atom = renderAtom(kind);
    ASSERT_EQ(atom.size(), QSize(kAtomSize, kAtomSize)) << kind;
    EXPECT_TRUE(cornersAreBlack(atom)) << kind;
    EXPECT_TRUE(allWithin(atom, kAtomSize / 2.0 - 1.0, notBlack)) << kind;
    EXPECT_EQ(enclosedBlackPixels(atom), 0) << kind;

    QPoint brightest;
    for (int y = 0; y < kAtomSize; ++y)
      for (int x = 0; x < kAtomSize; ++x)
        if (luma(atom.pixel(x, y)) > luma(atom.pixel(brightest)))
          brightest = {x, y};
    EXPECT_LT(brightest.x(), kAtomSize / 2) << kind;
    EXPECT_LT(brightest.y(), kAtomSize / 2) << kind;
    const int half = kAtomSize / 2;
    EXPECT_GT(
        shareOf(atom, QRect(1, 1, half - 1, half - 1), [](QRgb p) { return luma(p) > 60; }),
        shareOf(atom, QRect(half, half, half - 1, half - 1), [](QRgb p) { return luma(p) > 60; }))
        << kind;
  }
}

TEST(AtomBitmaps, SixKindsHaveClearlyDifferentHues) {
  const auto hue = [](int kind) {
    const MeanColour m = meanOfShape(renderAtom(kind));
    return QColor::fromRgbF(m.r / 255, m.g / 255, m.b / 255).hslHue();
  };
  for (int a = 0; a < kAtomKinds; ++a) {
    for (int b = a + 1; b < kAtomKinds; ++b) {
      const int apart = std::abs(hue(a) - hue(b));
      EXPECT_GE(std::min(apart, 360 - apart), 30) << "atom kinds " << a << " and " << b;
    }
  }
}
