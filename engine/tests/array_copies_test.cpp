// Copies of whole arrays, single-atom getters, the box and the counts.
#include "engine_test_support.h"

#include <cmath>

namespace pavex_test {
namespace {

using ArrayCopies = EngineTest;

TEST_F(ArrayCopies, CoordinatesAndVelocitiesRoundTripWithByteCounts) {
  ASSERT_EQ(init(2, 1, 1), PAVEX_OK);
  std::vector<double> xyz(12), back(12);
  for (int c = 0; c < 12; ++c) {
    xyz[c] = 1000.0 + c;
  }
  EXPECT_EQ(MD_set_coordinates(xyz.data()), 96);
  EXPECT_EQ(MD_return_coordinates(back.data()), 96);
  EXPECT_EQ(back, xyz);
  EXPECT_EQ(MD_set_velocity(xyz.data()), 96);
  EXPECT_EQ(MD_return_velocity(back.data()), 96);
  EXPECT_EQ(back, xyz);
  double energy[4], step[4];
  EXPECT_EQ(MD_return_kinetic_energy(energy), 32);
  EXPECT_EQ(MD_return_atom_velocities(step), 32);
}

TEST_F(ArrayCopies, SetCoordinatesLeavesOtherArraysAlone) {
  MD_set_temperature(100);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  ASSERT_EQ(MD_do_run(2), PAVEX_OK);
  const std::vector<double> r2(state().atoms.r2.get(), state().atoms.r2.get() + 48);
  const std::vector<double> v = velocities();
  std::vector<double> xyz = coordinates();
  xyz[0] += 10;
  MD_set_coordinates(xyz.data());
  EXPECT_EQ(velocities(), v);
  EXPECT_EQ(std::vector<double>(state().atoms.r2.get(), state().atoms.r2.get() + 48), r2);
}

TEST_F(ArrayCopies, SingleAtomGettersCheckTheIndex) {
  ASSERT_EQ(init(2, 1, 1), PAVEX_OK);
  const std::vector<double> xyz = coordinates();
  double x = 1, y = 1, z = 1;
  EXPECT_EQ(MD_return_one_coordinate(3, &x, &y, &z), 0);
  EXPECT_EQ(x, xyz[9]);
  EXPECT_EQ(y, xyz[10]);
  EXPECT_EQ(z, xyz[11]);
  for (int32_t i : {4, -1}) {
    x = y = z = 1;
    EXPECT_EQ(MD_return_one_coordinate(i, &x, &y, &z), -1);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    EXPECT_EQ(z, 0.0);
    x = 1;
    EXPECT_EQ(MD_return_one_velocity(i, &x, &y, &z), -1);
    EXPECT_EQ(x, 0.0);
  }
  const double v[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 8, 9};
  MD_set_velocity(v);
  EXPECT_EQ(MD_return_one_velocity(3, &x, &y, &z), 0);
  EXPECT_EQ(z, 9.0);
}

TEST_F(ArrayCopies, CountsAreZeroBeforeTheFirstInit) {
  EXPECT_EQ(MD_number_of_coordinates(), 0);
  EXPECT_EQ(MD_array_size(), 0);
}

TEST_F(ArrayCopies, BoxGoesInAndOutAndSetsTheArea) {
  const double box[6] = {1, 2, 3, 3, 5, 7}; // edges 2, 3, 4
  MD_set_box(box);
  double back[6];
  MD_get_box(back);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(back[k], box[k]);
  }
  EXPECT_EQ(state().boxArea, 52.0);
  state().wallForceSum = 104.0;
  EXPECT_EQ(MD_get_boundary_pressure(), 2.0);
  const double bad[6] = {0, 0, 0, NAN, 1, 1};
  MD_set_box(bad);
  MD_get_box(back);
  EXPECT_EQ(back[3], 3.0);
}

TEST_F(ArrayCopies, GravityIsStoredUnlessNotFinite) {
  MD_set_gravity(0.05);
  MD_set_gravity(NAN);
  MD_set_gravity(INFINITY);
  EXPECT_EQ(state().gravity, 0.05);
}

} // namespace
} // namespace pavex_test
