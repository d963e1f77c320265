// The large view's summary for a screen reader: the atoms by material, the
// turn in whole degrees each way, the zoom, the colouring with its ramp's
// ends, and a picture that could not be drawn.
#include "large_view_summary.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace views;

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

ViewContent twoMaterials() {
  return {true,
          {{QStringLiteral("water"), QStringLiteral("blue"), 500},
           {QStringLiteral("quartz"), QStringLiteral("red"), 284}},
          Colouring::Material,
          SpeedRamp::BlueToRed,
          {},
          {}};
}

} // namespace

TEST(LargeViewSummary, CountsTheAtomsOfEachMaterial) {
  const QString summary = largeViewSummary(twoMaterials(), {});
  EXPECT_TRUE(summary.startsWith(
      QStringLiteral("Atoms shown: 784; water: 500 (blue); quartz: 284 (red). Seen from the "
                     "front. Coloured by material.")))
      << summary.toStdString();
  EXPECT_TRUE(summary.contains(QStringLiteral("Arrow keys turn the box")));
}

TEST(LargeViewSummary, TellsTheTurnAndZoomInWholeDegreesAndEachDirection) {
  const QString summary = largeViewSummary(twoMaterials(), {-29.6 * kDegree, -10.2 * kDegree, 0.5});
  EXPECT_TRUE(summary.contains(QStringLiteral(
      "Turned 30° to the left. Tipped 10° away from you. Shown 0.50 times as large as at first.")))
      << summary.toStdString();
  const QString barely = largeViewSummary(twoMaterials(), {0.2 * kDegree, 0.0, 1.001});
  EXPECT_TRUE(barely.contains(QStringLiteral("Seen from the front.")))
      << "less than half a degree and a thousandth of zoom read as none: " << barely.toStdString();
  EXPECT_FALSE(barely.contains(QStringLiteral("times as large")));
}

TEST(LargeViewSummary, BySpeedNamesTheRampsEndsWithTheSlowestAndFastestSpeed) {
  ViewContent content = twoMaterials();
  content.by = Colouring::Speed;
  content.slowest = QStringLiteral("12 m/s");
  content.fastest = QStringLiteral("517 m/s");
  EXPECT_TRUE(largeViewSummary(content, {})
                  .contains(QStringLiteral("from blue for the slowest (12 m/s) through green to "
                                           "red for the fastest (517 m/s).")));
  content.ramp = SpeedRamp::BlueToYellow;
  EXPECT_TRUE(largeViewSummary(content, {})
                  .contains(QStringLiteral("from blue for the slowest (12 m/s) through grey to "
                                           "yellow for the fastest (517 m/s).")));
}

TEST(LargeViewSummary, APictureNotDrawnSaysSoAndNamesNoAtoms) {
  ViewContent content = twoMaterials();
  content.drawn = false;
  const QString summary = largeViewSummary(content, {});
  EXPECT_TRUE(summary.startsWith(QStringLiteral("No atoms are shown."))) << summary.toStdString();
  EXPECT_FALSE(summary.contains(QStringLiteral("784")));
}
