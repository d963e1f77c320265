// Colour by speed: the ends of the ramp, and speeds that are all equal.
#include "speed_ramp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace views;

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

TEST(SpeedRamp, EveryStepOfTheRampIsADistinctColour) {
  for (int level = 1; level < kRampLevels; ++level) {
    const atom_drawing::AtomColour a = rampColour(level - 1), b = rampColour(level);
    EXPECT_TRUE(a.r != b.r || a.g != b.g || a.b != b.b) << level;
  }
}
