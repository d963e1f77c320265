// The words of the large view's speed legend: with a material card the
// speeds are in m/s, checked against a textbook speed; without one they are
// the engine's own, in model units.
#include "large_view_frame.h"
#include "scenario/material_card.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace views;

namespace {

// A card's units for nitrogen molecules of engine mass 1: 0.2 pm of length,
// and 28.014 u of mass (N2's molar mass in grams per mole).
ModDornDll::MaterialCard nitrogenCard() {
  ModDornDll::MaterialCard card;
  card.metresPerLength = 0.2e-12;
  card.kilogramsPerMass = 28.014 * analysis::kAtomicMassUnit;
  return card;
}

} // namespace

TEST(SpeedLegend, WithACardTheSpeedsReadInMetresPerSecond) {
  // At 300 K the root-mean-square speed √(3T/m) of engine mass 1 is 30 model
  // units; for nitrogen it is √(3RT/M) = 516.9 m/s.
  const double rms = std::sqrt(3.0 * 300.0 / 1.0);
  const std::vector<double> speeds{0.0, rms / 2.0, rms};
  const SpeedLegend legend = speedLegend(speeds, speedUnit(ModDornDll::unitsOf(nitrogenCard())));
  EXPECT_EQ(legend.unit, QStringLiteral("speed, m/s"));
  EXPECT_EQ(legend.slowest, QStringLiteral("0"));
  EXPECT_EQ(legend.fastest, QStringLiteral("517"));
}

TEST(SpeedLegend, WithoutACardTheSpeedsAreTheEnginesInModelUnits) {
  EXPECT_FALSE(ModDornDll::unitsOf(std::nullopt).has_value());
  const std::vector<double> speeds{12.4, 40.0, 25.0};
  const SpeedLegend legend = speedLegend(speeds, speedUnit(std::nullopt));
  EXPECT_EQ(legend.unit, QStringLiteral("speed, model units"));
  EXPECT_EQ(legend.slowest, QStringLiteral("12"));
  EXPECT_EQ(legend.fastest, QStringLiteral("40"));
  const SpeedLegend none = speedLegend({}, speedUnit(std::nullopt));
  EXPECT_EQ(none.slowest, QStringLiteral("0")) << "no atoms yet";
  EXPECT_EQ(none.fastest, QStringLiteral("0"));
}
