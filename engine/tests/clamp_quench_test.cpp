// Clamp and quench: how a step ends for the velocities.
#include "engine_test_support.h"

#include <algorithm>
#include <cmath>

namespace pavex_test {
namespace {

using ClampAndQuench = EngineTest;

TEST_F(ClampAndQuench, FullRateClampToZeroStopsEveryAtomEachStep) {
  MD_set_temperature(200);
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  MD_set_clamp_on_off(1);
  ASSERT_EQ(state().clampRate, 1.0);
  for (int step = 0; step < 3; ++step) {
    ASSERT_EQ(MD_do_run(1), PAVEX_OK);
    for (double v : velocities()) {
      ASSERT_EQ(v, 0.0);
    }
  }
  double total, potential, kinetic;
  MD_get_all_energy(&total, &potential, &kinetic);
  EXPECT_GT(kinetic, 0.0); // measured before the clamp
}

TEST_F(ClampAndQuench, NegativeClampTemperatureCountsAsZero) {
  MD_set_temperature(200);
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  ASSERT_EQ(MD_set_clamp_temp(-50), PAVEX_OK);
  EXPECT_EQ(state().clampTemperature, -50.0);
  state().clampRate = 1.0;
  ASSERT_EQ(MD_do_run(1), PAVEX_OK);
  for (double v : velocities()) {
    ASSERT_EQ(v, 0.0);
  }
}

TEST_F(ClampAndQuench, ClampTempSwitchesOnWithGentleRate) {
  EXPECT_EQ(MD_set_clamp_temp(300), PAVEX_OK);
  EXPECT_EQ(state().clampOn, 1);
  EXPECT_EQ(state().clampRate, 0.01);
  MD_set_clamp_on_off(0);
  EXPECT_EQ(state().clampOn, 0);
  MD_set_clamp_on_off(-1);
  EXPECT_EQ(state().clampOn, 1);
}

TEST_F(ClampAndQuench, ClampScalesByTheRatioOfTargetToKineticEnergy) {
  // The same first step twice from the same random start, without and with
  // the clamp.
  MD_set_temperature(200);
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  ASSERT_EQ(MD_do_run(1), PAVEX_OK);
  const std::vector<double> free = velocities();
  const double k = state().kineticEnergy;
  state().randomState = 1;
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  MD_set_clamp_temp(50);
  ASSERT_EQ(MD_do_run(1), PAVEX_OK);
  EXPECT_EQ(state().kineticEnergy, k);
  const double factor = 1.0 + 0.01 * (std::sqrt(50.0 / k) - 1.0);
  EXPECT_LT(factor, 1.0);
  const std::vector<double> clamped = velocities();
  for (size_t c = 0; c < free.size(); ++c) {
    ASSERT_EQ(clamped[c], free[c] * factor) << c;
  }
}

TEST_F(ClampAndQuench, QuenchStopsAtomsWhenPotentialEnergyRises) {
  MD_set_temperature(200);
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  MD_set_clamp_on_off(1); // a quench step applies no clamp
  state().clampRate = 0.5;
  state().previousPotentialEnergy = -1e9;
  ASSERT_EQ(MD_do_quench(1), PAVEX_OK);
  for (double v : velocities()) {
    ASSERT_EQ(v, 0.0);
  }
  EXPECT_EQ(state().quenchOn, 0);
  EXPECT_EQ(state().previousPotentialEnergy, state().potentialEnergy);
}

TEST_F(ClampAndQuench, QuenchKeepsVelocitiesWhilePotentialEnergyFalls) {
  MD_set_temperature(200);
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  state().previousPotentialEnergy = 1e9;
  ASSERT_EQ(MD_do_quench(1), PAVEX_OK);
  const std::vector<double> v = velocities();
  EXPECT_TRUE(std::any_of(v.begin(), v.end(), [](double u) { return u != 0.0; }));
}

} // namespace
} // namespace pavex_test
