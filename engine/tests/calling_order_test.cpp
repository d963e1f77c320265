// Calls against the expected order and inputs the caller should not give:
// nothing crashes, nothing is read or written out of bounds.
#include "engine_test_support.h"

namespace pavex_test {
namespace {

using CallingOrder = EngineTest;
using BadInputs = EngineTest;

void expectNoPerAtomData() {
  double buffer[8] = {};
  int32_t types[8] = {};
  EXPECT_EQ(MD_return_coordinates(buffer), 0);
  EXPECT_EQ(MD_set_coordinates(buffer), 0);
  EXPECT_EQ(MD_return_velocity(buffer), 0);
  EXPECT_EQ(MD_set_velocity(buffer), 0);
  EXPECT_EQ(MD_return_kinetic_energy(buffer), 0);
  EXPECT_EQ(MD_return_atom_velocities(buffer), 0);
  EXPECT_EQ(MD_get_atom_properties(buffer, types), 0);
  EXPECT_EQ(MD_set_atom_properties(buffer, types), 0);
  double x = 1, y = 1, z = 1;
  EXPECT_EQ(MD_return_one_coordinate(0, &x, &y, &z), -1);
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(MD_return_one_velocity(0, &x, &y, &z), -1);
  EXPECT_EQ(MD_get_temperature(), 0.0);
  EXPECT_EQ(MD_get_kinetic_energy(), 0.0);
  EXPECT_EQ(MD_do_run(5), PAVEX_E_NO_ATOM_MEMORY);
  EXPECT_EQ(MD_do_quench(5), PAVEX_E_NO_ATOM_MEMORY);
  EXPECT_EQ(MD_set_nr_of_materials(2), 0);
  EXPECT_EQ(MD_set_temperature(100), PAVEX_OK);
  MD_set_timestep(0.5);
  EXPECT_EQ(MD_get_boundary_pressure(), 0.0);
}

TEST_F(CallingOrder, PerAtomOperationsBeforeInitDoNothing) {
  expectNoPerAtomData();
  int32_t ntypes = 0;
  double params[12] = {};
  EXPECT_EQ(MD_get_potential_function(&ntypes, params), PAVEX_E_NO_PAIR_MEMORY);
  EXPECT_EQ(ntypes, 2);
  EXPECT_EQ(params[0], 0.0);
  MD_show_settings();
}

TEST_F(CallingOrder, PerAtomOperationsAfterFreeDoNothingAndInitRecovers) {
  MD_set_temperature(100);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  MD_free_all();
  EXPECT_EQ(MD_number_of_coordinates(), 16);
  expectNoPerAtomData();
  EXPECT_EQ(state().temperature, 100.0);
  EXPECT_EQ(state().timeStep, 0.5);
  EXPECT_EQ(state().numTypes, 2);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  EXPECT_EQ(MD_do_run(5), PAVEX_OK);
}

TEST_F(BadInputs, TypeOutsideThePairTableRefusesTheRun) {
  MD_set_temperature(100);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  const std::vector<double> before = coordinates();
  MD_set_nr_of_materials(3); // the default table covers two types
  EXPECT_EQ(MD_do_run(5), PAVEX_E_NO_PAIR_MEMORY);
  EXPECT_EQ(coordinates(), before);
  MD_set_nr_of_materials(1);
  std::vector<double> mass(16, 1.0);
  std::vector<int32_t> type(16, 0);
  type[3] = -1;
  MD_set_atom_properties(mass.data(), type.data());
  EXPECT_EQ(MD_do_run(5), PAVEX_E_NO_PAIR_MEMORY);
  type[3] = 1;
  MD_set_atom_properties(mass.data(), type.data());
  EXPECT_EQ(MD_do_run(5), PAVEX_OK);
}

TEST_F(BadInputs, TheLargestTypeCountGetsNoPairTableAndNoRun) {
  // Found by fuzzing: counting the pairs of INT32_MAX types overflowed.
  MD_set_nr_of_materials(INT32_MAX);
  ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
  EXPECT_EQ(MD_do_run(1), PAVEX_E_NO_PAIR_MEMORY);
  int32_t types = 0;
  double params[4] = {};
  EXPECT_EQ(MD_get_potential_function(&types, params), PAVEX_E_NO_PAIR_MEMORY);
  EXPECT_EQ(types, INT32_MAX);
  MD_set_nr_of_materials(1);
}

TEST_F(BadInputs, MatchingTableAfterMoreMaterialsLetsTheRunGoOn) {
  MD_set_temperature(100);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  MD_set_nr_of_materials(3);
  std::vector<double> params;
  for (int p = 0; p < 6; ++p) {
    params.insert(params.end(), {1024, 2, 1412, 2048});
  }
  ASSERT_EQ(MD_set_potential_function(3, params.data()), PAVEX_OK);
  EXPECT_EQ(MD_do_run(5), PAVEX_OK);
}

TEST_F(BadInputs, ZeroMassRefusesTheRun) {
  MD_set_temperature(100);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  std::vector<double> mass(16, 1.0);
  const std::vector<int32_t> type(16, 0);
  mass[5] = 0.0;
  MD_set_atom_properties(mass.data(), type.data());
  const std::vector<double> before = coordinates();
  EXPECT_EQ(MD_do_run(3), PAVEX_E_NO_MASS);
  EXPECT_EQ(MD_do_quench(3), PAVEX_E_NO_MASS);
  EXPECT_EQ(state().quenchOn, 0);
  EXPECT_EQ(coordinates(), before);
}

TEST_F(BadInputs, NoPairTableRefusesTheRun) {
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  state().pairTable.reset(); // as after a failed table allocation
  EXPECT_EQ(MD_do_run(1), PAVEX_E_NO_PAIR_MEMORY);
}

TEST_F(BadInputs, PairWithReferenceEqualToCutoffExertsNoForce) {
  twoAtomsApart(1000);
  const double params[4] = {1024, 2, 2048, 2048};
  ASSERT_EQ(MD_set_potential_function(1, params), PAVEX_OK);
  ASSERT_EQ(MD_do_run(1), PAVEX_OK);
  for (double v : velocities()) {
    EXPECT_EQ(v, 0.0);
  }
  EXPECT_EQ(state().potentialEnergy, 0.0);
}

TEST_F(BadInputs, PairsAreFoundInABoxBelowZero) {
  twoAtomsApart(1412);
  const double box[6] = {-100000, -100000, -100000, 0, 0, 0};
  MD_set_box(box);
  const double xyz[6] = {-50000, -50000, -50000, -50000 + 1412, -50000, -50000};
  MD_set_coordinates(xyz);
  ASSERT_EQ(MD_do_run(1), PAVEX_OK);
  EXPECT_NEAR(state().potentialEnergy, -512.0, 1e-9);
}

} // namespace
} // namespace pavex_test
