// One step's forces and energies: pairs at known distances, the wall skin and
// gravity.
#include "engine_test_support.h"
#include "external_forces.h"
#include "pair_forces.h"

#include <cmath>

namespace pavex_test {
namespace {

using PairForces = EngineTest;
using Walls = EngineTest;
using Gravity = EngineTest;

// Default record (1024, 2, 1412, 2048): force on the atom at +d from the other.
double analyticForce(double r) {
  const double s = (r * r - 2048.0 * 2048.0) / (1412.0 * 1412.0 - 2048.0 * 2048.0);
  const double k8 = 8.0 * 1024 / (1412.0 * 1412.0 - 2048.0 * 2048.0);
  return -k8 * s * (s * s - 1.0) * r;
}

double analyticEnergy(double r) {
  const double s = (r * r - 2048.0 * 2048.0) / (1412.0 * 1412.0 - 2048.0 * 2048.0);
  return 1024.0 * s * s * (s * s - 2.0);
}

TEST_F(PairForces, AtReferenceDistanceNoForceAndEnergyMinusDepth) {
  twoAtomsApart(1412);
  const double energy = pavex::computePairForces(state());
  EXPECT_NEAR(energy, -1024.0, 1e-9);
  for (int c = 0; c < 6; ++c) {
    EXPECT_NEAR(state().atoms.force[c], 0.0, 1e-12) << c;
  }
  ASSERT_EQ(MD_do_run(1), PAVEX_OK);
  double total, potential, kinetic;
  MD_get_all_energy(&total, &potential, &kinetic);
  EXPECT_NEAR(potential, -512.0, 1e-9);
  EXPECT_NEAR(total, potential + kinetic, 1e-12);
}

TEST_F(PairForces, AtOrBeyondTheCutoffNothingAtAll) {
  for (double r : {2048.0, 2100.0, 5000.0}) {
    twoAtomsApart(r);
    EXPECT_EQ(pavex::computePairForces(state()), 0.0) << r;
    for (int c = 0; c < 6; ++c) {
      EXPECT_EQ(state().atoms.force[c], 0.0) << r;
    }
  }
}

TEST_F(PairForces, ForcesAreEqualOppositeAndMatchTheGradient) {
  for (double r : {1000.0, 1300.0, 1700.0, 2000.0}) {
    twoAtomsApart(r);
    const double energy = pavex::computePairForces(state());
    const double *f = state().atoms.force.get();
    EXPECT_NEAR(energy, analyticEnergy(r), 1e-9 * 1024) << r;
    EXPECT_NEAR(f[3], analyticForce(r), 1e-12) << r;
    EXPECT_EQ(f[0], -f[3]) << r;
    EXPECT_EQ(f[1], 0.0);
    EXPECT_EQ(f[5], 0.0);
  }
  // Repulsive inside the minimum, attractive outside it.
  twoAtomsApart(1300);
  pavex::computePairForces(state());
  EXPECT_GT(state().atoms.force[3], 0.0);
  twoAtomsApart(1700);
  pavex::computePairForces(state());
  EXPECT_LT(state().atoms.force[3], 0.0);
}

TEST_F(PairForces, ShapeOneRecordBetweenUnlikeTypes) {
  twoAtomsApart(1412);
  const double params[12] = {1024, 2, 1412, 2048, 1024, 1, 1412, 2048, 1024, 2, 1412, 2048};
  ASSERT_EQ(MD_set_potential_function(2, params), PAVEX_OK);
  const double mass[2] = {1, 1};
  const int32_t type[2] = {1, 0};
  MD_set_atom_properties(mass, type);
  // s = 1: E = A (1 - b) = 0 with b = 1; the force is -K8 (1 - 1/2) d.
  EXPECT_NEAR(pavex::computePairForces(state()), 0.0, 1e-9);
  EXPECT_NEAR(state().atoms.force[3], -8.0 * 1024 / -2200560.0 * 0.5 * 1412, 1e-9);
}

TEST_F(Walls, PushStartsOneUnitInsideTheSkin) {
  ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
  const double box[6] = {0, 0, 0, 100000, 100000, 100000};
  MD_set_box(box);
  // Atom 0 exactly at the skin's inner edge in x, atom 1 one unit inside it.
  const double xyz[6] = {2048, 50000, 50000, 50000, 50000, 100000 - 2047};
  MD_set_coordinates(xyz);
  std::fill_n(state().atoms.force.get(), 6, 0.0);
  pavex::applyWalls(state());
  const double *f = state().atoms.force.get();
  EXPECT_EQ(f[0], 0.0);
  const double s = 1.0 + 1.0 / 636.0;
  const double push = 8.0 * 512 / 636 * s * (s * s - 1);
  EXPECT_GT(push, 0.0);
  EXPECT_NEAR(f[5], -push, 1e-15); // toward the interior, away from zmax
  EXPECT_NEAR(state().wallEnergy, 512 * (s * s - 1) * (s * s - 1), 1e-12);
  EXPECT_NEAR(state().wallForceSum, push, 1e-15);
}

TEST_F(Walls, AtomDeepInTheSkinMovesInwardAndSetsPressure) {
  ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
  const double box[6] = {0, 0, 0, 10000, 10000, 10000};
  MD_set_box(box);
  const double xyz[6] = {5000, 100, 5000, 5000, 5000, 5000};
  MD_set_coordinates(xyz);
  ASSERT_EQ(MD_do_run(1), PAVEX_OK);
  EXPECT_GT(state().wallForceSum, 0.0);
  EXPECT_EQ(MD_get_boundary_pressure(), state().wallForceSum / 6e8);
  double y, unused;
  MD_return_one_velocity(0, &unused, &y, &unused);
  EXPECT_GT(y, 0.0);
}

TEST_F(Gravity, AtomAtRestFallsAlongMinusY) {
  ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
  const double box[6] = {0, 0, 0, 100000, 100000, 100000};
  MD_set_box(box);
  const double xyz[6] = {30000, 40000, 30000, 70000, 60000, 70000};
  MD_set_coordinates(xyz);
  const double mass[2] = {2, 1};
  const int32_t type[2] = {0, 0};
  MD_set_atom_properties(mass, type);
  MD_set_gravity(0.05);
  ASSERT_EQ(MD_do_run(1), PAVEX_OK);
  EXPECT_NEAR(state().gravityEnergy, 0.05 * (2 * 40000 + 60000), 1e-9);
  const std::vector<double> r = coordinates();
  const std::vector<double> v = velocities();
  EXPECT_LT(r[1], 40000.0);
  EXPECT_LT(v[1], 0.0);
  EXPECT_EQ(r[0], 30000.0);
  EXPECT_EQ(v[2], 0.0);
  // Both masses fall alike: a = h F / m = 0.5 * g.
  EXPECT_DOUBLE_EQ(state().atoms.r2[1], -0.025);
  EXPECT_DOUBLE_EQ(state().atoms.r2[4], -0.025);
}

} // namespace
} // namespace pavex_test
