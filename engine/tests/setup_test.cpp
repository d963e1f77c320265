// Set-up: the start lattice, its box, the atom count and the neighbour grid.
#include "engine_test_support.h"

namespace pavex_test {
namespace {

using LatticeSetUp = EngineTest;

TEST_F(LatticeSetUp, FiveCubedLatticeHas250AtomsInItsBox) {
  double box[6] = {-1, -1, -1, -1, -1, -1};
  int32_t count = 0;
  ASSERT_EQ(MD_init(5, 5, 5, box, &count), PAVEX_OK);
  EXPECT_EQ(count, 250);
  EXPECT_EQ(MD_number_of_coordinates(), 250);
  EXPECT_EQ(MD_array_size(), 750);
  const double expected[6] = {
      0, 0, 0, 4.5 * kLattice + 24576, 4.5 * kLattice + 24576, 4.5 * kLattice + 34816};
  double stored[6];
  MD_get_box(stored);
  for (int k = 0; k < 6; ++k) {
    EXPECT_NEAR(box[k], expected[k], 1e-9) << k;
    EXPECT_EQ(stored[k], box[k]) << k;
  }
  double x, y, z;
  ASSERT_EQ(MD_return_one_coordinate(0, &x, &y, &z), 0);
  EXPECT_EQ(x, 12288.0);
  EXPECT_EQ(y, 12288.0);
  EXPECT_EQ(z, 2048.0);
}

TEST_F(LatticeSetUp, AtomsComeInCornerAndCentrePairsWithXFastest) {
  ASSERT_EQ(init(3, 2, 2), PAVEX_OK);
  double x0, y0, z0, x, y, z;
  MD_return_one_coordinate(0, &x0, &y0, &z0);
  // Atom 1: centre of cell (0, 0, 0); atom 2: corner of cell (1, 0, 0);
  // atom 6: corner of cell (0, 1, 0); atom 23: centre of cell (2, 1, 1).
  MD_return_one_coordinate(1, &x, &y, &z);
  EXPECT_NEAR(x - x0, 0.5 * kLattice, 1e-9);
  EXPECT_NEAR(z - z0, 0.5 * kLattice, 1e-9);
  MD_return_one_coordinate(2, &x, &y, &z);
  EXPECT_NEAR(x - x0, kLattice, 1e-9);
  EXPECT_EQ(y, y0);
  MD_return_one_coordinate(6, &x, &y, &z);
  EXPECT_EQ(x, x0);
  EXPECT_NEAR(y - y0, kLattice, 1e-9);
  MD_return_one_coordinate(23, &x, &y, &z);
  EXPECT_NEAR(x - x0, 2.5 * kLattice, 1e-9);
  EXPECT_NEAR(y - y0, 1.5 * kLattice, 1e-9);
  EXPECT_NEAR(z - z0, 1.5 * kLattice, 1e-9);
}

TEST_F(LatticeSetUp, LongRowOfCellsSetsBoxAndGridFromItsLength) {
  double box[6];
  int32_t count = 0;
  ASSERT_EQ(MD_init(125, 1, 1, box, &count), PAVEX_OK);
  EXPECT_EQ(count, 250);
  EXPECT_NEAR(box[3], 124.5 * kLattice + 24576, 1e-9);
  EXPECT_NEAR(box[4], 0.5 * kLattice + 24576, 1e-9);
  EXPECT_NEAR(box[5], 0.5 * kLattice + 34816, 1e-9);
  EXPECT_NEAR(state().gridScale, 32767.0 / (124.5 * kLattice + 24576), 1e-15);
  EXPECT_NEAR(state().gridScale, 0.16349, 1e-5);
  EXPECT_EQ(state().window, 335);
}

TEST_F(LatticeSetUp, GridOfFiveCubedLatticeSpansTheLargestExtent) {
  ASSERT_EQ(init(5, 5, 5), PAVEX_OK);
  EXPECT_NEAR(state().gridScale, 32767.0 / (4.5 * kLattice + 34816), 1e-15);
  EXPECT_NEAR(state().gridScale, 0.79586, 1e-5);
  EXPECT_EQ(state().window, 1630);
  EXPECT_NEAR(state().boxArea,
              2 * (2 * (4.5 * kLattice + 24576) * (4.5 * kLattice + 34816) +
                   (4.5 * kLattice + 24576) * (4.5 * kLattice + 24576)),
              1e-3);
}

TEST_F(LatticeSetUp, ZeroDimensionGivesAnEmptyBoxOfMarginsOnly) {
  double box[6] = {-1, -1, -1, -1, -1, -1};
  int32_t count = -1;
  ASSERT_EQ(MD_init(0, 5, 5, box, &count), PAVEX_OK);
  EXPECT_EQ(count, 0);
  const double expected[6] = {0, 0, 0, 24576, 24576, 34816};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(box[k], expected[k]) << k;
  }
  EXPECT_EQ(MD_do_run(5), PAVEX_OK);
}

TEST_F(LatticeSetUp, TwoAtomsOnALineCannotTakeATemperature) {
  MD_set_temperature(100);
  EXPECT_EQ(init(1, 1, 1), PAVEX_E_INERTIA);
  EXPECT_EQ(MD_number_of_coordinates(), 2);
}

TEST_F(LatticeSetUp, NegativeDimensionWithPositiveProductPlacesNoAtoms) {
  int32_t count = 0;
  double box[6];
  EXPECT_EQ(MD_init(-1, -1, 2, box, &count), PAVEX_E_PARTICLE_COUNT);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(MD_number_of_coordinates(), 0);
}

TEST_F(LatticeSetUp, CountsThatDoNotFitAreRefusedBeforeAnythingIsWritten) {
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  const double *positions = state().atoms.position.get();
  for (const auto &dims :
       {std::vector<int32_t>{2000, 2000, 2000}, std::vector<int32_t>{1000, 1000, 100},
        std::vector<int32_t>{INT32_MAX, INT32_MAX, INT32_MAX}, std::vector<int32_t>{-1, 5, 5}}) {
    double box[6] = {7, 7, 7, 7, 7, 7};
    int32_t count = 7;
    EXPECT_EQ(MD_init(dims[0], dims[1], dims[2], box, &count), PAVEX_E_NO_ATOM_MEMORY);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(box[0], 7.0);
  }
  EXPECT_EQ(MD_number_of_coordinates(), 16);
  EXPECT_EQ(state().atoms.position.get(), positions);
  EXPECT_EQ(MD_do_run(1), PAVEX_OK);
}

TEST_F(LatticeSetUp, AZeroCountBesideHugeOnesBuildsNoAtomsAtOnce) {
  // Found by fuzzing: the lattice walk used to count through the huge axes.
  int32_t count = 7;
  double box[6];
  EXPECT_EQ(MD_init(0, INT32_MAX, INT32_MAX, box, &count), PAVEX_OK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(MD_init(INT32_MAX, INT32_MAX, 0, box, &count), PAVEX_OK);
  EXPECT_EQ(MD_number_of_coordinates(), 0);
}

TEST_F(LatticeSetUp, InitKeepsSettingsAndReplacesAtomsAndDefaultTable) {
  MD_set_gravity(0.05);
  MD_set_timestep(0.5);
  MD_set_clamp_temp(300);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  const double params[4] = {1, 1, 1000, 1500};
  MD_set_potential_function(1, params);
  const std::vector<double> moved(48, 1.0);
  MD_set_coordinates(moved.data());
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  EXPECT_EQ(MD_number_of_coordinates(), 54);
  EXPECT_EQ(state().gravity, 0.05);
  EXPECT_EQ(state().timeStep, 0.5);
  EXPECT_EQ(state().clampTemperature, 300.0);
  EXPECT_EQ(state().clampOn, 1);
  EXPECT_EQ(state().largestCutoff, 2048.0);
  EXPECT_EQ(state().pairTable[0].a, 1024.0);
  double x, y, z;
  MD_return_one_coordinate(0, &x, &y, &z);
  EXPECT_EQ(x, 12288.0);
}

TEST_F(LatticeSetUp, InitAppliesTheStoredTemperature) {
  MD_set_temperature(150);
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK);
  EXPECT_NEAR(MD_get_temperature(), 150.0, 1e-9);
  double mass[54];
  int32_t type[54];
  EXPECT_EQ(MD_get_atom_properties(mass, type), 4 * 54);
  for (int i = 0; i < 54; ++i) {
    EXPECT_EQ(mass[i], 1.0);
    EXPECT_EQ(type[i], 0);
  }
}

} // namespace
} // namespace pavex_test
