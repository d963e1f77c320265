// Pair table and materials: records, their order and derived values, the
// default table, types spread in blocks, masses and types in and out.
#include "engine_test_support.h"
#include "pair_table.h"

namespace pavex_test {
namespace {

using PairTable = EngineTest;
using Materials = EngineTest;

TEST_F(PairTable, RecordHoldsParametersAndDerivedValues) {
  const pavex::PairRecord r = pavex::makePairRecord(1024, 2, 1412, 2048);
  EXPECT_EQ(r.a, 1024.0);
  EXPECT_EQ(r.b, 2.0);
  EXPECT_EQ(r.c, 1412.0);
  EXPECT_EQ(r.d, 2048.0);
  EXPECT_EQ(r.k8, 8192.0 / -2200560.0);
  EXPECT_EQ(r.halfB, 1.0);
  EXPECT_EQ(r.d2, 4194304.0);
  EXPECT_EQ(r.r, 1.0 / -2200560.0);
}

TEST_F(PairTable, RecordWithoutWidthDoesNotInteract) {
  const pavex::PairRecord r = pavex::makePairRecord(1024, 2, 2048, 2048);
  EXPECT_EQ(r.k8, 0.0);
  EXPECT_EQ(r.r, 0.0);
}

TEST_F(PairTable, ThreeTypesGiveSixRecordsInTriangularOrder) {
  double params[24];
  for (int k = 0; k < 24; ++k) {
    params[k] = 100.0 + k;
  }
  ASSERT_EQ(MD_set_potential_function(3, params), PAVEX_OK);
  EXPECT_EQ(state().numTypes, 3);
  EXPECT_EQ(state().numPairs, 6);
  for (int p = 0; p < 6; ++p) {
    EXPECT_EQ(state().pairTable[p].a, 100.0 + 4 * p);
    EXPECT_EQ(state().pairTable[p].d, 103.0 + 4 * p);
  }
  EXPECT_EQ(state().largestCutoff, 123.0);
  EXPECT_EQ(pavex::pairIndex(2, 1), 4);
  EXPECT_EQ(pavex::pairIndex(1, 2), 4);
  EXPECT_EQ(pavex::pairIndex(2, 0), 3);
  EXPECT_EQ(pavex::pairIndex(1, 1), 2);
}

TEST_F(PairTable, OneTypeReadsExactlyFourValues) {
  const double params[4] = {10, 1, 500, 900};
  ASSERT_EQ(MD_set_potential_function(1, params), PAVEX_OK);
  EXPECT_EQ(state().numPairs, 1);
  EXPECT_EQ(state().largestCutoff, 900.0);
}

TEST_F(PairTable, NegativeCutoffsLeaveTheLargestAtZero) {
  const double params[12] = {1, 1, -5, -10, 1, 1, -5, -20, 1, 1, -5, -30};
  ASSERT_EQ(MD_set_potential_function(2, params), PAVEX_OK);
  EXPECT_EQ(state().largestCutoff, 0.0);
}

TEST_F(PairTable, BadArgumentsLeaveThePreviousTableInForce) {
  const double params[4] = {10, 1, 500, 900};
  ASSERT_EQ(MD_set_potential_function(1, params), PAVEX_OK);
  EXPECT_EQ(MD_set_potential_function(0, params), PAVEX_E_NO_TYPES);
  EXPECT_EQ(MD_set_potential_function(-5, params), PAVEX_E_NO_TYPES);
  EXPECT_EQ(MD_set_potential_function(2, nullptr), PAVEX_E_NULL_PARAMS);
  EXPECT_EQ(state().numTypes, 1);
  EXPECT_EQ(state().pairTable[0].d, 900.0);
}

TEST_F(PairTable, ReadBackGivesTheSameParameters) {
  const double params[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  ASSERT_EQ(MD_set_potential_function(2, params), PAVEX_OK);
  int32_t ntypes = 0;
  double back[12] = {};
  EXPECT_EQ(MD_get_potential_function(&ntypes, back), PAVEX_OK);
  EXPECT_EQ(ntypes, 2);
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(back[k], params[k]);
  }
}

TEST_F(PairTable, InitInstallsTheDefaultsForTheCurrentNumberOfTypes) {
  MD_set_nr_of_materials(2);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  int32_t ntypes = 0;
  double back[12];
  ASSERT_EQ(MD_get_potential_function(&ntypes, back), PAVEX_OK);
  ASSERT_EQ(ntypes, 2);
  const double expected[12] = {1024, 2, 1412, 2048, 1024, 1, 1412, 2048, 1024, 2, 1412, 2048};
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(back[k], expected[k]) << k;
  }
  MD_set_nr_of_materials(1);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  EXPECT_EQ(state().numPairs, 1);
  EXPECT_EQ(state().largestCutoff, 2048.0);
}

TEST_F(PairTable, DefaultsForMoreTypesUseShapeTwoForLikeAndOneForUnlikeTypes) {
  MD_set_nr_of_materials(3);
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  ASSERT_EQ(state().numPairs, 6);
  const double shapes[6] = {2, 1, 2, 1, 1, 2};
  for (int p = 0; p < 6; ++p) {
    EXPECT_EQ(state().pairTable[p].b, shapes[p]) << p;
    EXPECT_EQ(state().pairTable[p].d, 2048.0) << p;
  }
}

TEST_F(Materials, ThreeTypesOver250AtomsInBlocks) {
  ASSERT_EQ(init(5, 5, 5), PAVEX_OK);
  EXPECT_EQ(MD_set_nr_of_materials(3), 83);
  const int32_t *type = state().atoms.type.get();
  EXPECT_EQ(type[0], 0);
  EXPECT_EQ(type[83], 0);
  EXPECT_EQ(type[84], 1);
  EXPECT_EQ(type[166], 1);
  EXPECT_EQ(type[167], 2);
  EXPECT_EQ(type[249], 2);
  EXPECT_EQ(MD_set_nr_of_materials(2), 125);
  EXPECT_EQ(type[125], 0);
  EXPECT_EQ(type[126], 1);
}

TEST_F(Materials, MoreTypesThanAtomsGiveOneAtomPerType) {
  ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
  EXPECT_EQ(MD_set_nr_of_materials(4), 0);
  EXPECT_EQ(state().atoms.type[0], 0);
  EXPECT_EQ(state().atoms.type[1], 1);
}

TEST_F(Materials, FewerThanOneTypeChangesNothing) {
  ASSERT_EQ(init(2, 2, 2), PAVEX_OK);
  MD_set_nr_of_materials(2);
  EXPECT_EQ(MD_set_nr_of_materials(0), 0);
  EXPECT_EQ(MD_set_nr_of_materials(-3), 0);
  EXPECT_EQ(state().numTypes, 2);
  EXPECT_EQ(state().atoms.type[15], 1);
}

TEST_F(Materials, MassesAndTypesGoInAndOut) {
  ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
  const double mass[2] = {2.5, 4.0};
  const int32_t type[2] = {1, 0};
  EXPECT_EQ(MD_set_atom_properties(mass, type), 8);
  double massBack[2];
  int32_t typeBack[2];
  EXPECT_EQ(MD_get_atom_properties(massBack, typeBack), 8);
  EXPECT_EQ(massBack[0], 2.5);
  EXPECT_EQ(massBack[1], 4.0);
  EXPECT_EQ(typeBack[0], 1);
  EXPECT_EQ(typeBack[1], 0);
}

} // namespace
} // namespace pavex_test
