// The command line of the lattice and the LAMMPS export.
#include "run_options.h"

#include <gtest/gtest.h>

using namespace PavexRun;

TEST(LatticeOptions, ALatticeTakesThePlaceOfTheScenarioFile) {
  const RunOptions options =
      parseRunOptions({"--lattice", "80x81x82", "--steps", "0", "--export-lammps", "deck"});
  ASSERT_TRUE(options.lattice);
  EXPECT_EQ(options.lattice->x, 80);
  EXPECT_EQ(options.lattice->y, 81);
  EXPECT_EQ(options.lattice->z, 82);
  EXPECT_EQ(options.lattice->atoms(), 2 * 80 * 81 * 82);
  EXPECT_EQ(options.lattice->text(), "80x81x82");
  EXPECT_TRUE(options.scenario.empty());
  EXPECT_EQ(options.lammpsDir, "deck");
}

TEST(LatticeOptions, RefusesLatticesTheEngineCannotBuildOrHeat) {
  const std::vector<std::vector<std::string>> broken = {
      {"--lattice"},
      {"--lattice", "5x5"},
      {"--lattice", "5x5x"},
      {"--lattice", "x5x5"},
      {"--lattice", "5x5x5x5"},
      {"--lattice", "0x5x5"},
      {"--lattice", "5x-5x5"},
      {"--lattice", "5x5xfive"},
      {"--lattice", "5 x5x5"},
      {"--lattice", "1x1x1"},           // two atoms on one line
      {"--lattice", "3000x3000x3000"},  // beyond the engine's 32-bit array sizes
      {"--lattice", "99999999999x1x1"}, // beyond a 32-bit cell count
      {"a.ams", "--lattice", "5x5x5"},
      {"a.ams", "--export-lammps"},
  };
  for (const auto &arguments : broken)
    EXPECT_THROW(parseRunOptions(arguments), UsageError) << ::testing::PrintToString(arguments);
}

TEST(LatticeOptions, TheLargestLatticeIsTheEnginesLargestAtomCount) {
  // 2·223·223·899 = 89,412,742 atoms fit; 2·224·224·899 = 90,216,448 do not.
  EXPECT_NO_THROW(parseRunOptions({"--lattice", "223x223x899"}));
  EXPECT_THROW(parseRunOptions({"--lattice", "224x224x899"}), UsageError);
}
