#include "run_options.h"

#include <gtest/gtest.h>

using namespace PavexRun;

TEST(RunOptions, ScenarioAloneTakesTheDefaults) {
  const RunOptions options = parseRunOptions({"solid.ams"});
  EXPECT_EQ(options.scenario, "solid.ams");
  EXPECT_EQ(options.steps, 10000);
  EXPECT_EQ(options.every, 1000);
  EXPECT_TRUE(options.csvPath.empty());
  EXPECT_TRUE(options.xyzPath.empty());
  EXPECT_TRUE(options.kicks.empty());
  EXPECT_FALSE(options.hold);
  EXPECT_FALSE(options.ramp);
  EXPECT_EQ(options.mobilityWindow, 0);
}

TEST(RunOptions, ReadsEveryOptionAndSortsKicksByStep) {
  const RunOptions options =
      parseRunOptions({"--steps", "500", "liquid.ams", "--every", "50", "--csv", "out.csv", "--xyz",
                       "out.xyz", "--kick", "300:317", "--kick", "100:255.5", "--save", "end.ams"});
  EXPECT_EQ(options.scenario, "liquid.ams");
  EXPECT_EQ(options.steps, 500);
  EXPECT_EQ(options.every, 50);
  EXPECT_EQ(options.csvPath, "out.csv");
  EXPECT_EQ(options.xyzPath, "out.xyz");
  EXPECT_EQ(options.savePath, "end.ams");
  ASSERT_EQ(options.kicks.size(), 2u);
  EXPECT_EQ(options.kicks[0].step, 100);
  EXPECT_EQ(options.kicks[0].temperature, 255.5);
  EXPECT_EQ(options.kicks[1].step, 300);
}

TEST(RunOptions, RefusesWhatCannotBeRun) {
  const std::vector<std::vector<std::string>> broken = {
      {},
      {"a.ams", "b.ams"},
      {"a.ams", "--fast"},
      {"a.ams", "--steps"},
      {"a.ams", "--steps", "12x"},
      {"--lattice", "20x20x20", "--save", "big.ams"},
      {"a.ams", "--steps", "-5"},
      {"a.ams", "--every", "0"},
      {"a.ams", "--kick", "100"},
      {"a.ams", "--kick", "100:hot"},
      {"a.ams", "--kick", "-1:300"},
      {"a.ams", "--kick", "100:2500"},
      {"a.ams", "--steps", "50", "--kick", "100:300"},
      {"a.ams", "--hold", "-1"},
      {"a.ams", "--hold", "3000.1"},
      {"a.ams", "--hold", "warm"},
      {"a.ams", "--ramp", "300"},
      {"a.ams", "--ramp", "-5:300"},
      {"a.ams", "--ramp", "100:3001"},
      {"a.ams", "--hold", "300", "--ramp", "100:200"},
      {"a.ams", "--mobility", "0"},
      {"a.ams", "--steps", "4000", "--mobility", "5000"},
  };
  for (const auto &arguments : broken)
    EXPECT_THROW(parseRunOptions(arguments), UsageError) << ::testing::PrintToString(arguments);
}

TEST(RunOptions, ReadsTheThermostatAndTheMobilityWindow) {
  const RunOptions held = parseRunOptions({"a.ams", "--hold", "150.5", "--mobility", "5000"});
  EXPECT_EQ(held.hold, 150.5);
  EXPECT_FALSE(held.ramp);
  EXPECT_EQ(held.mobilityWindow, 5000);
  const RunOptions ramped = parseRunOptions({"a.ams", "--ramp", "900:100", "--steps", "40000"});
  ASSERT_TRUE(ramped.ramp);
  EXPECT_EQ(ramped.ramp->from, 900.0);
  EXPECT_EQ(ramped.ramp->to, 100.0);
  EXPECT_EQ(ramped.ramp->steps, 40000); // the ramp spans the whole run
  EXPECT_FALSE(ramped.hold);
}

TEST(RunOptions, TheThermostatHoldsHotEnoughToMeltRockAndNoHotter) {
  EXPECT_EQ(*parseRunOptions({"a.ams", "--hold", "2500"}).hold, 2500.0);
  EXPECT_NO_THROW(parseRunOptions({"a.ams", "--ramp", "1000:3000"}));
  for (const char *held : {"3000.5", "-1"}) {
    try {
      parseRunOptions({"a.ams", "--hold", held});
      FAIL() << "--hold " << held << " was taken";
    } catch (const UsageError &error) {
      EXPECT_NE(std::string(error.what()).find("between 0 and 3000 K"), std::string::npos)
          << error.what();
    }
  }
}
