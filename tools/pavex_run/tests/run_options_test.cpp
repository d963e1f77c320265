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
}

TEST(RunOptions, ReadsEveryOptionAndSortsKicksByStep) {
  const RunOptions options =
      parseRunOptions({"--steps", "500", "liquid.ams", "--every", "50", "--csv", "out.csv", "--xyz",
                       "out.xyz", "--kick", "300:317", "--kick", "100:255.5"});
  EXPECT_EQ(options.scenario, "liquid.ams");
  EXPECT_EQ(options.steps, 500);
  EXPECT_EQ(options.every, 50);
  EXPECT_EQ(options.csvPath, "out.csv");
  EXPECT_EQ(options.xyzPath, "out.xyz");
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
      {"a.ams", "--steps", "-5"},
      {"a.ams", "--every", "0"},
      {"a.ams", "--kick", "100"},
      {"a.ams", "--kick", "100:hot"},
      {"a.ams", "--kick", "-1:300"},
      {"a.ams", "--kick", "100:2500"},
      {"a.ams", "--steps", "50", "--kick", "100:300"},
  };
  for (const auto &arguments : broken)
    EXPECT_THROW(parseRunOptions(arguments), UsageError) << ::testing::PrintToString(arguments);
}
