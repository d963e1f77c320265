// Temperature: random velocities without drift or spin, the limits of the
// set-point, the kinetic-energy routine and the random sequence.
#include "engine_test_support.h"
#include "random_generator.h"
#include "spin_removal.h"

#include <cmath>

namespace pavex_test {
namespace {

using Temperature = EngineTest;
using SpinRemoval = EngineTest;

// Total momentum and angular momentum about the centre of mass.
void momenta(const std::vector<double> &r, const std::vector<double> &v, double (&p)[3],
             double (&l)[3]) {
  const size_t n = r.size() / 3;
  double c[3] = {0, 0, 0};
  for (size_t i = 0; i < n; ++i) {
    for (int k = 0; k < 3; ++k) {
      c[k] += r[3 * i + k] / n;
    }
  }
  for (int k = 0; k < 3; ++k) {
    p[k] = l[k] = 0;
  }
  for (size_t i = 0; i < n; ++i) {
    const double d[3] = {r[3 * i] - c[0], r[3 * i + 1] - c[1], r[3 * i + 2] - c[2]};
    const double *u = &v[3 * i];
    for (int k = 0; k < 3; ++k) {
      p[k] += u[k];
    }
    l[0] += d[1] * u[2] - d[2] * u[1];
    l[1] += d[2] * u[0] - d[0] * u[2];
    l[2] += d[0] * u[1] - d[1] * u[0];
  }
}

TEST_F(Temperature, GeneratorStartsWith41AndStaysInRange) {
  uint32_t s = 1;
  EXPECT_EQ(pavex::nextRandom(s), 41);
  EXPECT_EQ(pavex::nextRandom(s), 18467);
  EXPECT_EQ(pavex::nextRandom(s), 6334);
  for (int k = 0; k < 100000; ++k) {
    const int32_t r = pavex::nextRandom(s);
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 32767);
  }
}

TEST_F(Temperature, FirstDrawnComponentUsesTheFirstResult) {
  // Two atoms on a line: the spin removal fails and the raw draws remain.
  MD_set_temperature(100);
  ASSERT_EQ(init(1, 1, 1), PAVEX_E_INERTIA);
  const std::vector<double> v = velocities();
  EXPECT_EQ(v[0], (41.0 - 16383.0) / 16383.0);
  EXPECT_EQ(v[1], (18467.0 - 16383.0) / 16383.0);
}

TEST_F(Temperature, SetTemperatureGivesThatTemperatureWithoutDriftOrSpin) {
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  ASSERT_EQ(MD_set_temperature(250), PAVEX_OK);
  EXPECT_NEAR(MD_get_temperature(), 250.0, 1e-9);
  EXPECT_NEAR(MD_get_kinetic_energy(), 375.0, 1e-9);
  double p[3], l[3];
  momenta(coordinates(), velocities(), p, l);
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(p[k], 0.0, 1e-10);
    EXPECT_NEAR(l[k], 0.0, 1e-5); // distances ~1e4 times velocities ~20
  }
}

TEST_F(Temperature, ReadsTemperatureTimesTimeStepSquared) {
  MD_set_timestep(0.5);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  ASSERT_EQ(MD_set_temperature(100), PAVEX_OK);
  EXPECT_NEAR(MD_get_temperature(), 25.0, 1e-9);
}

TEST_F(Temperature, StoredKineticEnergyIsTheOneBeforeScaling) {
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  ASSERT_EQ(MD_set_temperature(100), PAVEX_OK);
  double total, potential, kinetic;
  MD_get_all_energy(&total, &potential, &kinetic);
  EXPECT_GT(kinetic, 0.0);
  EXPECT_LT(kinetic, 1.5); // random components lie in -1 .. 1
  EXPECT_NEAR(MD_get_kinetic_energy(), 150.0, 1e-9);
}

TEST_F(Temperature, NewVelocitiesReplaceTheGivenOnes) {
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  const std::vector<double> given(48, 3.0);
  MD_set_velocity(given.data());
  ASSERT_EQ(MD_set_temperature(50), PAVEX_OK);
  for (double v : velocities()) {
    EXPECT_NE(v, 3.0);
  }
}

TEST_F(Temperature, ZeroOrNegativeTemperatureStopsEveryAtom) {
  for (double t : {0.0, -5.0}) {
    ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
    ASSERT_EQ(MD_set_temperature(100), PAVEX_OK);
    EXPECT_EQ(MD_set_temperature(t), PAVEX_OK);
    EXPECT_EQ(state().temperature, t);
    for (double v : velocities()) {
      EXPECT_EQ(v, 0.0);
    }
    EXPECT_EQ(MD_get_temperature(), 0.0);
  }
}

TEST_F(Temperature, LimitIs2000AndNonFiniteValuesAreRefused) {
  EXPECT_EQ(MD_set_temperature(2000), PAVEX_OK); // no atoms: only stored
  EXPECT_EQ(state().temperature, 2000.0);
  EXPECT_EQ(MD_set_temperature(2000.000001), PAVEX_E_TEMPERATURE);
  EXPECT_EQ(MD_set_temperature(NAN), PAVEX_E_TEMPERATURE);
  EXPECT_EQ(MD_set_temperature(-INFINITY), PAVEX_E_TEMPERATURE);
  EXPECT_EQ(state().temperature, 2000.0);
  EXPECT_EQ(MD_set_clamp_temp(2000), PAVEX_OK);
  EXPECT_EQ(MD_set_clamp_temp(2000.5), PAVEX_E_CLAMP);
  EXPECT_EQ(MD_set_clamp_temp(NAN), PAVEX_E_CLAMP);
  EXPECT_EQ(state().clampTemperature, 2000.0);
  EXPECT_EQ(MD_get_temperature(), 0.0);
}

TEST_F(Temperature, KineticEnergyRoutineFillsPerAtomArrays) {
  ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
  const double mass[2] = {2.0, 1.0};
  const int32_t type[2] = {0, 0};
  MD_set_atom_properties(mass, type);
  const double v[6] = {3, 4, 0, 0, 0, 1};
  MD_set_velocity(v);
  EXPECT_EQ(MD_get_kinetic_energy(), (25.0 * 2 + 1.0) * 0.5 / 2);
  double energy[2], step[2];
  EXPECT_EQ(MD_return_kinetic_energy(energy), 16);
  EXPECT_EQ(MD_return_atom_velocities(step), 16);
  EXPECT_EQ(energy[0], 25.0);
  EXPECT_EQ(energy[1], 0.5);
  EXPECT_EQ(step[0], 5.0);
  EXPECT_EQ(step[1], 1.0);
}

TEST_F(SpinRemoval, RigidRotationIsRemovedCompletely) {
  // Four atoms of a tetrahedron spinning about (1, 2, 3).
  const std::vector<double> r = {0, 0, 0, 10, 0, 0, 0, 10, 0, 0, 0, 10};
  const double mass[4] = {1, 2, 3, 4};
  const double w[3] = {1, 2, 3};
  const double centre[3] = {2, 3, 4};
  std::vector<double> v(12);
  for (int i = 0; i < 4; ++i) {
    const double d[3] = {r[3 * i] - centre[0], r[3 * i + 1] - centre[1], r[3 * i + 2] - centre[2]};
    v[3 * i] = w[1] * d[2] - w[2] * d[1];
    v[3 * i + 1] = w[2] * d[0] - w[0] * d[2];
    v[3 * i + 2] = w[0] * d[1] - w[1] * d[0];
  }
  pavex::AngularVelocity av;
  ASSERT_EQ(pavex::calcAngVel(r.data(), v.data(), mass, 4, av), PAVEX_OK);
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(av.omega[k], w[k], 1e-12);
  }
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(av.centre[k], centre[k], 1e-12);
  }
  ASSERT_EQ(pavex::removeSpin(r.data(), v.data(), mass, 4), PAVEX_OK);
  for (double u : v) {
    EXPECT_NEAR(u, 0.0, 1e-12);
  }
}

TEST_F(SpinRemoval, NoMassOrAtomsOnALineAreReported) {
  const double r[9] = {0, 0, 0, 1, 1, 1, 2, 2, 2};
  const double v[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  const double noMass[3] = {0, 0, 0};
  const double mass[3] = {1, 1, 1};
  pavex::AngularVelocity av;
  EXPECT_EQ(pavex::calcAngVel(r, v, noMass, 3, av), PAVEX_E_NO_MASS);
  EXPECT_EQ(pavex::calcAngVel(r, v, mass, 3, av), PAVEX_E_INERTIA);
  EXPECT_EQ(pavex::calcAngVel(r, v, mass, 0, av), PAVEX_OK);
}

TEST_F(SpinRemoval, DriftRemovalZeroesTheMomentum) {
  double v[6] = {1, 2, 3, 5, 6, 7};
  const double mass[2] = {1, 3};
  pavex::removeDrift(v, mass, 2);
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(v[k] + 3 * v[3 + k], 0.0, 1e-12);
  }
  EXPECT_DOUBLE_EQ(v[3] - v[0], 4.0);
}

} // namespace
} // namespace pavex_test
