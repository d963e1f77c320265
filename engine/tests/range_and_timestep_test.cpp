// Range check at the end of a step, and rescaling of the scaled derivatives
// when the time step changes.
#include "engine_test_support.h"

#include <cmath>

namespace pavex_test {
namespace {

using RangeCheck = EngineTest;
using TimeStep = EngineTest;

class RangeLimits : public EngineTest {
protected:
  // One atom so heavy that the wall cannot move it, at height y.
  int32_t stepWithHeavyAtomAt(double y) {
    EXPECT_EQ(init(1, 1, 1), PAVEX_OK);
    const double box[6] = {0, 0, 0, 100000, 100000, 100000};
    MD_set_box(box);
    const double xyz[6] = {50000, y, 50000, 20000, 20000, 20000};
    MD_set_coordinates(xyz);
    const double mass[2] = {1e300, 1};
    const int32_t type[2] = {0, 0};
    MD_set_atom_properties(mass, type);
    return MD_do_run(1);
  }
};

TEST_F(RangeLimits, AtomOnTheBoxMaximumIsInside) {
  EXPECT_EQ(stepWithHeavyAtomAt(100000), PAVEX_OK);
  EXPECT_EQ(coordinates()[1], 100000.0);
}

TEST_F(RangeLimits, AtomATinyAmountAboveTheMaximumIsOutside) {
  EXPECT_EQ(stepWithHeavyAtomAt(std::nextafter(100000.0, 1e6)), PAVEX_E_OUT_OF_RANGE);
}

TEST_F(RangeCheck, AtomBeyondTheBoxStopsTheRunAfterThatStep) {
  const auto launch = [this] {
    ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
    const double box[6] = {0, 0, 0, 100000, 100000, 100000};
    MD_set_box(box);
    const double xyz[6] = {50000, 50000, 50000, 30000, 30000, 30000};
    MD_set_coordinates(xyz);
    const double v[6] = {0, 0, 0, 0, 0, -40000}; // through the floor in one step
    MD_set_velocity(v);
  };
  launch();
  EXPECT_EQ(MD_do_run(10), PAVEX_E_OUT_OF_RANGE);
  const std::vector<double> afterRun = coordinates();
  EXPECT_LT(afterRun[5], 0.0); // the offending step's results remain
  launch();
  EXPECT_EQ(MD_do_run(1), PAVEX_E_OUT_OF_RANGE);
  EXPECT_EQ(coordinates(), afterRun);
}

TEST_F(RangeCheck, ZeroStepsChangeNothing) {
  MD_set_temperature(100);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  const std::vector<double> before = coordinates();
  double total, potential, kinetic;
  MD_get_all_energy(&total, &potential, &kinetic);
  EXPECT_EQ(MD_do_run(0), PAVEX_OK);
  EXPECT_EQ(MD_do_run(-3), PAVEX_OK);
  EXPECT_EQ(coordinates(), before);
  double total2, potential2, kinetic2;
  MD_get_all_energy(&total2, &potential2, &kinetic2);
  EXPECT_EQ(total2, total);
  EXPECT_EQ(kinetic2, kinetic);
}

TEST_F(TimeStep, DoublingScalesEachDerivativeByItsPower) {
  MD_set_temperature(100);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  ASSERT_EQ(MD_do_run(3), PAVEX_OK);
  pavex::AtomArrays &a = state().atoms;
  const std::vector<double> r0(a.position.get(), a.position.get() + 48);
  const std::vector<double> r1(a.velocity.get(), a.velocity.get() + 48);
  const std::vector<double> r2(a.r2.get(), a.r2.get() + 48);
  const std::vector<double> r3(a.r3.get(), a.r3.get() + 48);
  const std::vector<double> r5(a.r5.get(), a.r5.get() + 48);
  MD_set_timestep(2);
  EXPECT_EQ(state().timeStep, 2.0);
  for (int c = 0; c < 48; ++c) {
    ASSERT_EQ(a.position[c], r0[c]);
    ASSERT_EQ(a.velocity[c], 2 * r1[c]);
    ASSERT_EQ(a.r2[c], 4 * r2[c]);
    ASSERT_EQ(a.r3[c], 8 * r3[c]);
    ASSERT_EQ(a.r5[c], 32 * r5[c]);
  }
}

TEST_F(TimeStep, NonPositiveOrNonFiniteStepsAreIgnored) {
  MD_set_temperature(100);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  const std::vector<double> before = velocities();
  for (double dt : {0.0, -1.0, double(NAN), double(INFINITY)}) {
    MD_set_timestep(dt);
    EXPECT_EQ(state().timeStep, 1.0);
    EXPECT_EQ(velocities(), before);
  }
}

} // namespace
} // namespace pavex_test
