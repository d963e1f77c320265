// pavex-run as a program: exit codes, messages and what a run writes.
#include "pavex_run_command.h"

#include <gtest/gtest.h>

#include <cmath>
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

// two_types.ams with a card beside it: materials 0 and 1 are water (O) and
// quartz (Si), 0.2 pm per length unit, 18 u per mass unit.
class CardedScenario {
public:
  explicit CardedScenario(const std::string &card)
      : folder_(temporaryPath("carded")), scenario_(folder_ + "/two_types.ams") {
    std::filesystem::create_directories(folder_);
    std::filesystem::copy_file(dataFile("two_types.ams"), scenario_);
    std::ofstream(folder_ + "/two_types.card") << card;
  }
  ~CardedScenario() { std::filesystem::remove_all(folder_); }
  const std::string &scenario() const { return scenario_; }
  std::string file(const std::string &name) const { return folder_ + "/" + name; }

private:
  std::string folder_;
  std::string scenario_;
};

const char *const kWaterAndQuartz =
    "length unit = 0.2 pm\nmass unit = 18 u\n"
    "material 0\nname = water\nsymbol = O\nmelting point = 273.15 K\n"
    "melting point source = CRC\n"
    "material 1\nname = quartz\nsymbol = Si\nmelting point = 1986 K\n"
    "melting point source = CRC\n";

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
  const Outcome hot = runPavexRun(dataFile("two_types.ams") + " --hold 3500");
  EXPECT_EQ(hot.exitCode, 2);
  EXPECT_NE(hot.output.find("3000 K"), std::string::npos) << hot.output;
  const Outcome units = runPavexRun(dataFile("two_types.ams") + " --units si");
  EXPECT_EQ(units.exitCode, 2);
  EXPECT_NE(units.output.find("--units takes real or model"), std::string::npos) << units.output;
  EXPECT_NE(units.output.find("--units model ignores the card"), std::string::npos);
}

#ifdef HAVE_ENGINE
TEST(PavexRunCommand, ARunWritesRowsTableAndTrajectory) {
  const std::string csv = temporaryPath("run.csv"), xyz = temporaryPath("run.xyz");
  const Outcome outcome =
      runPavexRun(dataFile("two_types.ams") + " --steps 20 --every 10 --kick 10:300 --csv " + csv +
                  " --xyz " + xyz);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
  EXPECT_NE(outcome.output.find("fresh velocities for temperature 300 K\n"), std::string::npos);
  EXPECT_NE(outcome.output.find("phase summary after 20 steps"), std::string::npos);
  const auto table = readLines(csv);
  ASSERT_EQ(table.size(), 4u); // header, steps 0, 10 and 20
  // The file has no material card: model units, labelled as such.
  EXPECT_EQ(table[0], "step,temperature (K),kinetic (model units per atom),"
                      "potential (model units per atom),total (model units per atom),"
                      "pressure (model units),thermostat (K)");
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

TEST(PavexRunCommand, WithACardTheRunSpeaksRealUnitsAndUnitsModelTheOldFigures) {
  const CardedScenario carded(kWaterAndQuartz);
  const std::string real = carded.file("real.csv"), model = carded.file("model.csv");
  const std::string xyz = carded.file("run.xyz");
  const Outcome outcome =
      runPavexRun(carded.scenario() + " --steps 20 --every 10 --csv " + real + " --xyz " + xyz);
  ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
  const Outcome old =
      runPavexRun(carded.scenario() + " --steps 20 --every 10 --units model --csv " + model);
  ASSERT_EQ(old.exitCode, 0) << old.output;
  const auto realTable = readLines(real), modelTable = readLines(model);
  ASSERT_EQ(realTable.size(), 4u);
  ASSERT_EQ(modelTable.size(), 4u);
  EXPECT_EQ(realTable[0], "step,time (ps),temperature (K),kinetic (kJ/mol per atom),"
                          "potential (kJ/mol per atom),total (kJ/mol per atom),pressure (kPa),"
                          "thermostat (K)");
  EXPECT_EQ(modelTable[0], "step,temperature (K),kinetic (per atom),potential (per atom),"
                           "total (per atom),pressure (force per area),thermostat (K)");
  // The same run, converted: step 10 of time step 1 at 9.3057e-15 s per time
  // unit, and a kelvin per atom is R = 8.31446 J/mol.
  const std::string realRow = realTable[2], modelRow = modelTable[2];
  EXPECT_EQ(realRow.rfind("10,0.093057,", 0), 0u) << realRow;
  const double kelvin = std::stod(modelRow.substr(modelRow.find(',', 3) + 1));
  const std::string afterTemperature = realRow.substr(realRow.find(',', realRow.find(',', 3) + 1));
  EXPECT_NEAR(std::stod(afterTemperature.substr(afterTemperature.find(',') + 1)),
              kelvin * 0.00831446262, 1e-4 * std::abs(kelvin))
      << realRow << " against " << modelRow;
  EXPECT_NE(outcome.output.find("type material  atoms"), std::string::npos) << outcome.output;
  EXPECT_NE(outcome.output.find("   0 water  "), std::string::npos) << outcome.output;
  EXPECT_NE(outcome.output.find("   1 quartz "), std::string::npos) << outcome.output;
  EXPECT_EQ(old.output.find("water"), std::string::npos) << old.output;
  const auto frames = readLines(xyz);
  ASSERT_GE(frames.size(), 6u);
  EXPECT_NE(frames[1].find("masses:R:1"), std::string::npos) << frames[1];
  // Atom 1 of the file: material 1 of mass 2 at x = 2000 length units.
  EXPECT_EQ(frames[3], "Si 4.0000 4.0020 6.0020 36 1");
}

TEST(PavexRunCommand, ACardThatCannotBeUsedIsNamedAndTheRunGoesOnInModelUnits) {
  const CardedScenario carded("length unit = 0.2 pm\nmass unit = 18\n");
  const std::string csv = carded.file("rows.csv");
  const Outcome outcome = runPavexRun(carded.scenario() + " --steps 10 --every 10 --csv " + csv);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
  EXPECT_NE(outcome.output.find("pavex-run: " + carded.file("two_types.card") + ", line 2: "),
            std::string::npos)
      << outcome.output;
  EXPECT_NE(outcome.output.find("; running in model units\n"), std::string::npos) << outcome.output;
  const auto table = readLines(csv);
  ASSERT_EQ(table.size(), 3u);
  EXPECT_NE(table[0].find("kinetic (model units per atom)"), std::string::npos) << table[0];
}
#endif
