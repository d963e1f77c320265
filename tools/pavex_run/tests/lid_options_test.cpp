// pavex-run's lid: --volume and --hold-pressure as read from the command
// line, and what they do to a run of the air of gas.ams.
#include "pavex_run_command.h"
#include "run_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace PavexRun;
using namespace PavexRunTest;

TEST(LidOptions, ReadTheVolumeAndTheHeldPressure) {
  EXPECT_FALSE(parseRunOptions({"gas.ams"}).volume);
  EXPECT_FALSE(parseRunOptions({"gas.ams"}).holdPressure);
  EXPECT_EQ(parseRunOptions({"gas.ams", "--volume", "0.5"}).volume, 0.5);
  EXPECT_EQ(parseRunOptions({"gas.ams", "--volume", "0.3"}).volume, 0.3);
  EXPECT_EQ(parseRunOptions({"gas.ams", "--volume", "1"}).volume, 1.0);
  EXPECT_EQ(parseRunOptions({"gas.ams", "--hold-pressure", "101.325"}).holdPressure, 101.325);
}

TEST(LidOptions, RefuseAVolumeOutsideTheLidsRangeAndAPressureNotAbove0) {
  const std::vector<std::vector<std::string>> broken = {
      {"gas.ams", "--volume", "0.29"},
      {"gas.ams", "--volume", "1.01"},
      {"gas.ams", "--volume", "half"},
      {"gas.ams", "--volume"},
      {"gas.ams", "--hold-pressure", "0"},
      {"gas.ams", "--hold-pressure", "-5"},
      {"gas.ams", "--hold-pressure", "inf"},
      {"gas.ams", "--hold-pressure", "1 atm"},
      {"gas.ams", "--volume", "0.5", "--hold-pressure", "100"}};
  for (const auto &arguments : broken)
    EXPECT_THROW(parseRunOptions(arguments), UsageError) << arguments.back();
  try {
    parseRunOptions({"gas.ams", "--volume", "0.2"});
  } catch (const UsageError &error) {
    EXPECT_NE(std::string(error.what()).find("between 0.3 and 1"), std::string::npos);
  }
}

#ifdef HAVE_ENGINE
namespace {

std::string gas() { return std::string(SCENARIO_FOLDER) + "/gas.ams"; }

// The pressure column of a CSV table (kPa with the card), rows from `first`.
std::vector<double> pressures(const std::vector<std::string> &table, std::size_t first) {
  std::vector<double> values;
  for (std::size_t row = first; row < table.size(); ++row) {
    std::stringstream fields(table[row]);
    std::string field;
    for (int column = 0; column <= 6; ++column)
      std::getline(fields, field, ',');
    values.push_back(std::stod(field));
  }
  return values;
}

} // namespace

// 2,700 units at half a unit a step: the lid arrives after 5,400 steps.
TEST(LidOptions, TheVolumeMovesTheLidAndTheSavedFileKeepsTheBox) {
  const std::string saved = temporaryPath("lid.ams");
  const Outcome run =
      runPavexRun(gas() + " --volume 0.9 --steps 6000 --every 3000 --save " + saved);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("lid at 0.9000 of the file's box height"), std::string::npos)
      << run.output;
  std::string boxLine;
  for (const std::string &line : readLines(saved))
    if (line.starts_with("box max dimensions"))
      boxLine = line;
  std::filesystem::remove(saved);
  EXPECT_EQ(boxLine.substr(0, boxLine.find('\r')), "box max dimensions = 36000, 24300, 24000");
  const Outcome plain = runPavexRun(gas() + " --steps 100 --every 100");
  EXPECT_EQ(plain.output.find("lid at"), std::string::npos) << "no lid, no notes";
}

// 33,000 kPa is about 1.6 times what the air presses at 300 K in the file's
// box: the barostat brings the lid down to about 0.7 of the height.
TEST(LidOptions, TheHeldPressureInKilopascalsIsHeldWithinTenPerCent) {
  const std::string csv = temporaryPath("held.csv");
  const Outcome run = runPavexRun(gas() +
                                  " --hold 300 --hold-pressure 33000 --steps 100000 "
                                  "--every 2000 --csv " +
                                  csv);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const auto table = readLines(csv);
  std::filesystem::remove(csv);
  ASSERT_EQ(table.size(), 52u);
  double sum = 0.0;
  for (const double kilopascals : pressures(table, 42))
    sum += kilopascals;
  EXPECT_NEAR(sum / 10.0, 33000.0, 3300.0);
}
#endif
