// pavex-run as a program: exit codes, messages and what a run writes.
#include "pavex_run_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace PavexRunTest;

namespace {

std::string dataFile(const std::string &name) {
  return std::string(SCENARIO_TEST_DATA) + "/" + name;
}

// The last value of each row of a CSV table below its header.
std::vector<std::string> lastColumn(const std::vector<std::string> &lines) {
  std::vector<std::string> values;
  for (std::size_t i = 1; i < lines.size(); ++i)
    values.push_back(lines[i].substr(lines[i].rfind(',') + 1));
  return values;
}

} // namespace

TEST(PavexRunCommand, AMissingScenarioFileExitsWithTwoNamingIt) {
  const Outcome outcome = runPavexRun("/nonexistent/solid.ams");
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.output.find("/nonexistent/solid.ams: cannot open"), std::string::npos)
      << outcome.output;
}

TEST(PavexRunCommand, ABrokenScenarioFileExitsWithTwoNamingTheLine) {
  const std::string path = temporaryPath("short.ams");
  std::ofstream(path) << "Version = 1\nNumber of atoms = 4\n";
  const Outcome outcome = runPavexRun(path);
  std::filesystem::remove(path);
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.output.find(path + ", line 3: the file ends here"), std::string::npos)
      << outcome.output;
}

TEST(PavexRunCommand, ABadOptionExitsWithTwoAndShowsUsage) {
  const Outcome every = runPavexRun(dataFile("two_types.ams") + " --every 0");
  EXPECT_EQ(every.exitCode, 2);
  EXPECT_NE(every.output.find("--every must be at least 1"), std::string::npos);
  EXPECT_NE(every.output.find("usage: pavex-run"), std::string::npos);
  const Outcome hot = runPavexRun(dataFile("two_types.ams") + " --hold 1400");
  EXPECT_EQ(hot.exitCode, 2);
  EXPECT_NE(hot.output.find("1333.3 K"), std::string::npos) << hot.output;
}

#ifdef HAVE_ENGINE
TEST(PavexRunCommand, ARunWritesRowsTableAndTrajectory) {
  const std::string csv = temporaryPath("run.csv"), xyz = temporaryPath("run.xyz");
  const Outcome outcome =
      runPavexRun(dataFile("two_types.ams") + " --steps 20 --every 10 --kick 10:300 --csv " + csv +
                  " --xyz " + xyz);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
  EXPECT_NE(outcome.output.find("fresh velocities for temperature 300"), std::string::npos);
  EXPECT_NE(outcome.output.find("phase summary after 20 steps"), std::string::npos);
  const auto table = readLines(csv);
  ASSERT_EQ(table.size(), 4u); // header, steps 0, 10 and 20
  EXPECT_EQ(table[0], "step,temperature (K),kinetic (per atom),potential (per atom),"
                      "total (per atom),pressure (force per area),thermostat (K)");
  // The file's temperature 100 is the clamp target: it holds the atoms at 2/3 of it.
  for (const std::string &value : lastColumn(table))
    EXPECT_NEAR(std::stod(value), 100.0 * 2.0 / 3.0, 1e-3);
  int frames = 0;
  for (const std::string &line : readLines(xyz))
    frames += line == "4" ? 1 : 0;
  EXPECT_EQ(frames, 3);
  std::filesystem::remove(csv);
  std::filesystem::remove(xyz);
}

TEST(PavexRunCommand, TheSavedEndOfARunLoadsAndRunsAgain) {
  const std::string saved = temporaryPath("end.ams");
  const Outcome first = runPavexRun(dataFile("two_types.ams") + " --steps 20 --save " + saved);
  ASSERT_EQ(first.exitCode, 0) << first.output;
  const Outcome again = runPavexRun(saved + " --steps 20");
  EXPECT_EQ(again.exitCode, 0) << again.output;
  std::filesystem::remove(saved);
  const Outcome nowhere =
      runPavexRun(dataFile("two_types.ams") + " --steps 20 --save /no/such/folder/end.ams");
  EXPECT_EQ(nowhere.exitCode, 2);
  EXPECT_NE(nowhere.output.find("/no/such/folder/end.ams: cannot be saved"), std::string::npos)
      << nowhere.output;
}

TEST(PavexRunCommand, ARampMovesTheThermostatColumnAndMobilityHasAWindowEach) {
  const std::string csv = temporaryPath("ramp.csv");
  const Outcome outcome = runPavexRun(dataFile("two_types.ams") +
                                      " --steps 400 --every 100 --ramp 100:300 --mobility 200"
                                      " --csv " +
                                      csv);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
  EXPECT_EQ(lastColumn(readLines(csv)),
            (std::vector<std::string>{"100", "150", "200", "250", "300"}));
  std::filesystem::remove(csv);
  const auto mobility = outcome.output.find("mobile share");
  ASSERT_NE(mobility, std::string::npos) << outcome.output;
  EXPECT_NE(outcome.output.find("from       to   type 0   type 1", mobility), std::string::npos);
  EXPECT_NE(outcome.output.find("\n       0      200 ", mobility), std::string::npos);
  EXPECT_NE(outcome.output.find("\n     200      400 ", mobility), std::string::npos);
  EXPECT_EQ(outcome.output.find("\n     400 ", mobility), std::string::npos);
}
#endif
