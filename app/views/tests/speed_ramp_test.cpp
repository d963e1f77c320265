// Colour by speed: the ends of the ramps, speeds that are all equal, the
// blue-to-yellow ramp as readers with red-green colour blindness see it,
// and every ramp colour against the large view's backgrounds.
#include "appearance/appearance.h"
#include "large_view_frame.h"
#include "speed_ramp.h"

#include <QColor>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

using namespace views;

namespace {

constexpr std::array kRamps{SpeedRamp::BlueToRed, SpeedRamp::BlueToYellow};

// WCAG's least contrast for graphical objects.
constexpr double kGraphicContrast = 3.0;

using Linear = std::array<double, 3>;
using Matrix = std::array<Linear, 3>;

// Colour vision without one kind of cone, as a matrix on linear RGB
// (Viénot, Brettel and Mollon 1999): both see red and green alike.
constexpr Matrix kDeuteranopia{
    {{0.29031, 0.70969, 0.0}, {0.29031, 0.70969, 0.0}, {-0.02197, 0.02197, 1.0}}};
constexpr Matrix kProtanopia{
    {{0.11238, 0.88762, 0.0}, {0.11238, 0.88762, 0.0}, {0.00401, -0.00401, 1.0}}};

double linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double encoded(double value) {
  const double v = std::clamp(value, 0.0, 1.0);
  return 255.0 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055);
}

Linear linearOf(atom_drawing::AtomColour c) { return {linear(c.r), linear(c.g), linear(c.b)}; }

Linear seenWith(const Matrix &vision, const Linear &colour) {
  Linear seen{};
  for (std::size_t row = 0; row < 3; ++row)
    for (std::size_t k = 0; k < 3; ++k)
      seen[row] += vision[row][k] * colour[k];
  return seen;
}

double luminance(const Linear &c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; }

// How far, in 8-bit steps of the screen, a colour moves when seen with this vision.
double shiftWith(const Matrix &vision, atom_drawing::AtomColour c) {
  const Linear seen = seenWith(vision, linearOf(c));
  return std::max({std::abs(encoded(seen[0]) - c.r), std::abs(encoded(seen[1]) - c.g),
                   std::abs(encoded(seen[2]) - c.b)});
}

// The largest such shift over a ramp.
double largestShift(const Matrix &vision, SpeedRamp ramp) {
  double largest = 0.0;
  for (int level = 0; level < kRampLevels; ++level)
    largest = std::max(largest, shiftWith(vision, rampColour(level, ramp)));
  return largest;
}

QColor qColour(atom_drawing::AtomColour c) { return QColor(c.r, c.g, c.b); }

} // namespace

TEST(SpeedRamp, TheFastestAtomIsAtTheHotEndAndTheSlowestAtTheColdEnd) {
  const std::vector<double> speeds{12.0, 3.5, 40.0, 7.0, 39.0};
  const SpeedSpread spread = speedSpread(speeds);
  EXPECT_EQ(spread.slowest, 3.5);
  EXPECT_EQ(spread.fastest, 40.0);
  EXPECT_EQ(rampLevel(spread, 40.0), kRampLevels - 1);
  EXPECT_EQ(rampLevel(spread, 3.5), 0);
  EXPECT_LT(rampLevel(spread, 12.0), rampLevel(spread, 39.0));
  const atom_drawing::AtomColour hot = rampColour(kRampLevels - 1), cold = rampColour(0);
  EXPECT_GT(hot.r, 2 * hot.b) << "the hot end is red";
  EXPECT_GT(cold.b, 2 * cold.r) << "the cold end is blue";
}

TEST(SpeedRamp, EqualSpeedsGiveOneColourWithoutDividingByZero) {
  const std::vector<double> atRest(5, 0.0);
  const SpeedSpread spread = speedSpread(atRest);
  EXPECT_EQ(rampLevel(spread, 0.0), 0);
  EXPECT_EQ(rampLevel(speedSpread({}), 0.0), 0) << "no atoms";
  EXPECT_EQ(rampLevel({1.0, 2.0}, std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(rampLevel({1.0, 2.0}, 1e300), kRampLevels - 1) << "beyond the spread";
}

TEST(SpeedRamp, EveryStepOfEachRampIsADistinctColour) {
  for (const SpeedRamp ramp : kRamps) {
    for (int level = 1; level < kRampLevels; ++level) {
      const atom_drawing::AtomColour a = rampColour(level - 1, ramp), b = rampColour(level, ramp);
      EXPECT_TRUE(a.r != b.r || a.g != b.g || a.b != b.b) << level;
    }
  }
}

TEST(BlueToYellowRamp, RunsFromBlueForTheSlowestToYellowForTheFastest) {
  const atom_drawing::AtomColour cold = rampColour(0, SpeedRamp::BlueToYellow);
  const atom_drawing::AtomColour hot = rampColour(kRampLevels - 1, SpeedRamp::BlueToYellow);
  EXPECT_GT(cold.b, cold.r + 80) << "blue";
  EXPECT_GT(cold.b, cold.g + 80);
  EXPECT_GT(hot.r, 2 * hot.b) << "yellow";
  EXPECT_GT(hot.g, 2 * hot.b);
}

// Brighter at every step, for every reader: the order of the speeds reads
// from the brightness alone.
TEST(BlueToYellowRamp, EveryStepIsBrighterThanTheOneBeforeWithAnyColourVision) {
  const Matrix normal{{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};
  for (const Matrix &vision : {normal, kDeuteranopia, kProtanopia}) {
    for (int level = 1; level < kRampLevels; ++level) {
      const double before =
          luminance(seenWith(vision, linearOf(rampColour(level - 1, SpeedRamp::BlueToYellow))));
      const double now =
          luminance(seenWith(vision, linearOf(rampColour(level, SpeedRamp::BlueToYellow))));
      EXPECT_GT(now, before) << "level " << level;
    }
  }
}

// Without red-green contrast the ramp looks the same to a reader without
// red or green cones; the blue-to-red ramp, by contrast, loses its greens
// and reds, which shows that the measure tells the two apart.
TEST(BlueToYellowRamp, LooksTheSameToReadersWithRedGreenColourBlindness) {
  constexpr double kUnchanged = 12.0; // 8-bit steps
  for (const Matrix &vision : {kDeuteranopia, kProtanopia}) {
    EXPECT_LT(largestShift(vision, SpeedRamp::BlueToYellow), kUnchanged);
    EXPECT_GT(largestShift(vision, SpeedRamp::BlueToRed), 8 * kUnchanged);
  }
}

// Against black, in high contrast, both ramps meet 3:1; on the ordinary
// dark blue-grey the blue-to-yellow ramp does too.
TEST(SpeedRamp, EveryRampColourStandsOutFromTheBackgroundItIsDrawnOn) {
  for (const SpeedRamp ramp : kRamps)
    for (int level = 0; level < kRampLevels; ++level)
      EXPECT_GE(
          appearance::contrastRatio(qColour(rampColour(level, ramp)), kHighContrastLook.background),
          kGraphicContrast)
          << "level " << level;
  for (int level = 0; level < kRampLevels; ++level)
    EXPECT_GE(appearance::contrastRatio(qColour(rampColour(level, SpeedRamp::BlueToYellow)),
                                        kOrdinaryLook.background),
              kGraphicContrast)
        << "level " << level;
}
