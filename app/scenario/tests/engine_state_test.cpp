#include "fake_engine_client.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace ModDornDll;

TEST(InitEngine, ResizesAndClearsTheArraysForTheEngineCount) {
  FakeEngine engine;
  numAtoms = 999;
  cellsX = cellsY = cellsZ = 5;
  clampOn = 1;
  frameCount = 17;
  atomCoords.assign(10, 4.0);
  initEngine();
  EXPECT_EQ(numAtoms, 250);
  EXPECT_EQ(frameCount, 0);
  EXPECT_EQ(atomCoords, std::vector<double>(751, 0.0));
  EXPECT_EQ(atomVelocities, std::vector<double>(751, 0.0));
  EXPECT_EQ(atomMasses, std::vector<double>(251, 0.0));
  EXPECT_EQ(atomTypes, std::vector<std::int32_t>(251, 0));
  std::vector<std::int16_t> identity(251, 0);
  std::iota(identity.begin(), identity.end() - 1, std::int16_t{0});
  EXPECT_EQ(drawOrder, identity);
  EXPECT_EQ(boxDims, (std::array<double, 6>{-1, -2, -3, 500, 200, 300}));
  EXPECT_EQ(engine.log(), "MD_init(5,5,5)\nMD_set_clamp_on_off(1)\n");
}

TEST(InitEngine, TakesTheCountTheEngineWritesBack) {
  FakeEngine engine;
  numAtoms = 7;
  cellsX = 2;
  cellsY = cellsZ = 1;
  initEngine();
  EXPECT_EQ(numAtoms, 4);
  EXPECT_EQ(drawOrder, (std::vector<std::int16_t>{0, 1, 2, 3, 0}));
}

TEST(InitEngine, ACountBeyondTheSixteenBitSlotsIsRefused) {
  FakeEngine engine;
  cellsX = 16384;
  cellsY = cellsZ = 1;
  EXPECT_THROW(initEngine(), std::out_of_range);
  cellsX = -2;
  EXPECT_THROW(initEngine(), std::out_of_range);
}

TEST(EnsurePotentialTable, FillsEveryPairWithTheDefaults) {
  numTypes = 2;
  potentialParams.assign(40, 7.0);
  EXPECT_EQ(ensurePotentialTable(), 3);
  const std::vector<double> pair{1024.0, 2.0, 1412.0, 2048.0};
  std::vector<double> expected;
  for (int j = 0; j < 3; ++j)
    expected.insert(expected.end(), pair.begin(), pair.end());
  EXPECT_EQ(potentialParams, expected);
}

TEST(EnsurePotentialTable, CountsPairsIncludingATypeWithItself) {
  numTypes = 1;
  EXPECT_EQ(ensurePotentialTable(), 1);
  EXPECT_EQ(potentialParams.size(), 4u);
  numTypes = 127;
  EXPECT_EQ(ensurePotentialTable(), 8128);
  EXPECT_EQ(potentialParams.size(), 32512u);
}

TEST(EnsurePotentialTable, RefusesTypeCountsItCannotHold) {
  potentialParams.assign(4, 1.0);
  numTypes = 0;
  EXPECT_THROW(ensurePotentialTable(), std::out_of_range);
  numTypes = 128;
  EXPECT_THROW(ensurePotentialTable(), std::out_of_range);
  EXPECT_EQ(potentialParams, std::vector<double>(4, 1.0));
}
