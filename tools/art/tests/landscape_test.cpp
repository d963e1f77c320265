#include "landscape.h"
#include "pixel_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

// The clickable areas of the main window over the landscape, in landscape
// pixels; each must lie over the material it names.
namespace {

const QRect kAirArea(16, 16, 305, 129);
const QRect kCloudArea(368, 104, 137, 57);
const QRect kWaterAirArea(344, 200, 113, 41);
const QRect kWaterArea(208, 256, 129, 57);
const QRect kWaterRockArea(408, 256, 65, 41);
const QRect kSandArea(0, 248, 121, 65);
const QRect kRockArea(496, 224, 41, 89);

bool isBlue(QRgb p) { return qBlue(p) > qRed(p) + 40 && qBlue(p) >= qGreen(p); }
bool isCloudWhite(QRgb p) {
  const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
  const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
  return lo > 150 && hi - lo < 70;
}
bool isSand(QRgb p) {
  return qRed(p) > qBlue(p) + 40 && qGreen(p) > qBlue(p) + 20 && luma(p) > 120;
}
bool isDarkRock(QRgb p) { return luma(p) < 125 && std::abs(qRed(p) - qBlue(p)) < 45; }

class Landscape : public testing::Test {
protected:
  static void SetUpTestSuite() { picture = new QImage(renderLandscape()); }
  static void TearDownTestSuite() {
    delete picture;
    picture = nullptr;
  }
  static double share(const QRect &area, bool (*test)(QRgb)) {
    return shareOf(*picture, area, test);
  }
  static QImage *picture;
};

QImage *Landscape::picture = nullptr;

} // namespace

TEST_F(Landscape, IsA542By314TrueColourPicture) {
  EXPECT_EQ(picture->size(), QSize(542, 314));
  EXPECT_EQ(picture->format(), QImage::Format_RGB888);
}

TEST_F(Landscape, EachClickableAreaLiesOverItsMaterial) {
  EXPECT_GT(share(kAirArea, isBlue), 0.99) << "open sky";
  EXPECT_GT(share(kCloudArea, isCloudWhite), 0.6) << "the cloud fills most of its area";
  EXPECT_LT(share(kAirArea, isCloudWhite), 0.01) << "the cloud stays out of the open sky";
  EXPECT_GT(share(kWaterArea, isBlue), 0.85) << "open water";
  EXPECT_GT(share(kSandArea, isSand), 0.9) << "beach";
  EXPECT_GT(share(kRockArea, isDarkRock), 0.9) << "rock";
}

TEST_F(Landscape, HorizonCrossesTheWaterAirArea) {
  // The sharpest darkening from one row to the next inside the area is the
  // line where the pale sky meets the sea.
  const int left = kWaterAirArea.left();
  const int width = 80; // the part of the area clear of the rock
  int horizon = -1;
  double steepest = 0;
  for (int y = kWaterAirArea.top(); y < kWaterAirArea.bottom(); ++y) {
    const auto rowLuma = [&](int row) {
      return shareOf(*picture, QRect(left, row, width, 1), [](QRgb p) { return luma(p) > 170; });
    };
    const double drop = rowLuma(y) - rowLuma(y + 1);
    if (drop > steepest) {
      steepest = drop;
      horizon = y;
    }
  }
  EXPECT_GT(steepest, 0.9);
  EXPECT_GE(horizon, 212);
  EXPECT_LE(horizon, 226);
}

TEST_F(Landscape, WaterMeetsRockInsideTheWaterRockArea) {
  EXPECT_GT(share(kWaterRockArea, isBlue), 0.15);
  EXPECT_GT(share(kWaterRockArea, isDarkRock), 0.3);
  for (int y = kWaterRockArea.top(); y <= kWaterRockArea.bottom(); ++y) {
    EXPECT_TRUE(isBlue(picture->pixel(kWaterRockArea.left(), y))) << "row " << y;
    EXPECT_TRUE(isDarkRock(picture->pixel(kWaterRockArea.right(), y))) << "row " << y;
  }
}

TEST_F(Landscape, ComesOutTheSameEveryTime) { EXPECT_EQ(renderLandscape(), *picture); }
