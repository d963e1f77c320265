// pavex-run's thermostat on the real engine with a shipped scenario: a held
// temperature is the temperature the atoms settle at, and it decides the
// phase; a ramp is followed as it moves.
//
// The water of liquid.ams melts at about 268 K on the model (docs/materials.md)
// and evaporates in the closed box well below 900 K. Held at 150 K, far below
// melting, it freezes (or sets into a glass: either way its atoms stay put);
// held at 900 K it is a dense vapour around what is left of the drop: liquid
// or gas, never solid.
#include "pavex_run_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

using namespace PavexRunTest;

namespace {

constexpr int kSteps = 8000;
constexpr int kSettled = 5000;          // the temperature has settled from here on
constexpr double kHeldTolerance = 0.05; // mean measured temperature against the held one

struct Row {
  int step;
  double temperature;
  double thermostat;
};

struct HeldRun {
  std::vector<Row> rows;
  std::string phase; // of type 0 in the closing summary
};

HeldRun runLiquid(const std::string &thermostat) {
  const std::string csv = temporaryPath("held.csv");
  const Outcome outcome =
      runPavexRun(std::string(SCENARIO_FOLDER) + "/liquid.ams --units model " + thermostat +
                  " --steps " + std::to_string(kSteps) + " --every 500 --csv " + csv);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
  HeldRun run;
  const auto lines = readLines(csv);
  std::filesystem::remove(csv);
  for (std::size_t k = 1; k < lines.size(); ++k) {
    std::istringstream fields(lines[k]);
    std::vector<double> values;
    for (std::string field; std::getline(fields, field, ',');)
      values.push_back(std::stod(field));
    run.rows.push_back({static_cast<int>(values.at(0)), values.at(1), values.at(6)});
  }
  const auto summary = outcome.output.find("\n   0 ", outcome.output.find("phase summary"));
  if (summary != std::string::npos) {
    const auto end = outcome.output.find('\n', summary + 1);
    const std::string line = outcome.output.substr(summary + 1, end - summary - 1);
    run.phase = line.substr(line.rfind(' ') + 1);
  }
  return run;
}

double meanSettledTemperature(const HeldRun &run) {
  double sum = 0.0;
  int rows = 0;
  for (const Row &row : run.rows) {
    if (row.step >= kSettled) {
      sum += row.temperature;
      ++rows;
    }
  }
  return rows > 0 ? sum / rows : 0.0;
}

} // namespace

TEST(HeldTemperature, HeldLowTheLiquidSettlesThereAndFreezes) {
  const HeldRun run = runLiquid("--hold 150");
  ASSERT_EQ(run.rows.size(), kSteps / 500 + 1u);
  EXPECT_NEAR(meanSettledTemperature(run), 150.0, kHeldTolerance * 150.0);
  EXPECT_EQ(run.rows.back().thermostat, 150.0);
  EXPECT_EQ(run.phase, "solid");
}

TEST(HeldTemperature, HeldHighTheLiquidSettlesThereAndStaysFluid) {
  const HeldRun run = runLiquid("--hold 900");
  EXPECT_NEAR(meanSettledTemperature(run), 900.0, kHeldTolerance * 900.0);
  EXPECT_TRUE(run.phase == "liquid" || run.phase == "gas") << run.phase;
}

// The clamp pulls the atoms after the thermostat a few hundred steps late: at
// this ramp's pace (450 K over 8,000 steps) 20–35 K behind it. Without the
// ramp the atoms would stay near the file's 296 K.
TEST(HeldTemperature, TheAtomsFollowARampAsItMoves) {
  constexpr double kLag = 50.0;
  const HeldRun run = runLiquid("--ramp 600:150");
  ASSERT_FALSE(run.rows.empty());
  EXPECT_EQ(run.rows.back().thermostat, 150.0);
  for (const Row &row : run.rows) {
    if (row.step >= 4000) {
      SCOPED_TRACE("step " + std::to_string(row.step));
      EXPECT_NEAR(row.temperature, row.thermostat, kLag);
    }
  }
}
