#include "analysis/thermostat.h"

#include <gtest/gtest.h>

TEST(Thermostat, ClampTargetIsTheKineticEnergyThatReadsAsTheTemperature) {
  // The engine reads 2/3 of the mean kinetic energy per atom.
  EXPECT_DOUBLE_EQ(analysis::clampTargetFor(200.0) * 2.0 / 3.0, 200.0);
  EXPECT_DOUBLE_EQ(analysis::heldTemperatureFor(analysis::clampTargetFor(466.0)), 466.0);
  EXPECT_DOUBLE_EQ(analysis::clampTargetFor(analysis::largestHeldTemperature()),
                   analysis::kLargestClampTarget);
}

TEST(Thermostat, RampMovesSteadilyAndStopsAtItsEnd) {
  const analysis::Ramp ramp{100.0, 300.0, 1000};
  EXPECT_DOUBLE_EQ(ramp.valueAfter(0), 100.0);
  EXPECT_DOUBLE_EQ(ramp.valueAfter(250), 150.0);
  EXPECT_DOUBLE_EQ(ramp.valueAfter(500), 200.0);
  EXPECT_DOUBLE_EQ(ramp.valueAfter(1000), 300.0);
  EXPECT_DOUBLE_EQ(ramp.valueAfter(5000), 300.0);
  EXPECT_FALSE(ramp.finishedAfter(999));
  EXPECT_TRUE(ramp.finishedAfter(1000));
}

TEST(Thermostat, RampDownAndRampOfNoStepsGoStraightToTheEnd) {
  EXPECT_DOUBLE_EQ((analysis::Ramp{900.0, 100.0, 400}.valueAfter(100)), 700.0);
  const analysis::Ramp instant{100.0, 300.0, 0};
  EXPECT_TRUE(instant.finishedAfter(0));
  EXPECT_DOUBLE_EQ(instant.valueAfter(0), 300.0);
}
