#include "analysis/thermostat.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Thermostat, ClampTargetIsTheKineticEnergyThatReadsAsTheTemperature) {
  // The engine reads 2/3 of the mean kinetic energy per atom.
  EXPECT_DOUBLE_EQ(analysis::clampTargetFor(200.0) * 2.0 / 3.0, 200.0);
  EXPECT_DOUBLE_EQ(analysis::heldTemperatureFor(analysis::clampTargetFor(466.0)), 466.0);
}

TEST(Thermostat, TheClampReachesTo1333KAndTheProgramHoldsRockMeltingHeatItself) {
  using namespace analysis;
  EXPECT_TRUE(clampReaches(heldTemperatureFor(kLargestClampTarget)));
  EXPECT_FALSE(clampReaches(heldTemperatureFor(kLargestClampTarget) + 0.001));
  EXPECT_GE(largestHeldTemperature(), 2500.0);
}

TEST(Thermostat, RescalingPullsTheKineticEnergyAsTheClampWouldOverTheSameSteps) {
  using namespace analysis;
  // One step: the clamp's own factor 1 + 0.01·(√(target/K) − 1).
  EXPECT_DOUBLE_EQ(rescaleFactor(4000.0, 2000.0, 1), 1.0 + 0.01 * (std::sqrt(3000.0 / 4000.0) - 1));
  // Five steps of the clamp compounded, to first order in the rate.
  const double five = rescaleFactor(1000.0, 2000.0, 5);
  double clamp = 1.0;
  for (int k = 0; k < 5; ++k)
    clamp *= 1.0 + 0.01 * (std::sqrt(3000.0 / 1000.0) - 1);
  EXPECT_NEAR(five, clamp, 2e-3);
  EXPECT_GT(five, 1.0);
  EXPECT_LT(rescaleFactor(5000.0, 2000.0, 5), 1.0);
  EXPECT_DOUBLE_EQ(rescaleFactor(3000.0, 2000.0, 5), 1.0) << "already there";
  // Repeated, the factor settles the kinetic energy at 3/2 of the temperature.
  double kinetic = 1200.0;
  for (int run = 0; run < 2000; ++run)
    kinetic *= std::pow(rescaleFactor(kinetic, 2500.0, 5), 2);
  EXPECT_NEAR(kinetic, 3750.0, 1e-6);
}

TEST(Thermostat, NothingToRescaleLeavesTheVelocitiesAlone) {
  EXPECT_EQ(analysis::rescaleFactor(0.0, 2000.0, 5), 1.0);
  EXPECT_EQ(analysis::rescaleFactor(1000.0, 2000.0, 0), 1.0);
  EXPECT_EQ(analysis::rescaleFactor(std::nan(""), 2000.0, 5), 1.0);
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
