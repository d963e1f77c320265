// Scenario files written by the program read back as the very same numbers,
// and a failed save leaves the old file as it was.
#include "file_text.h"
#include "scenario/scenario_writer.h"
#include "scenario_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

#include <sys/resource.h>
#include <unistd.h>

using namespace ModDornDll;
namespace fs = std::filesystem;

using scenario_testing::readText;

namespace {

const char *const kShipped[] = {"gas.ams",        "liquid.ams",       "solid.ams",    "gas-gas.ams",
                                "liquid-gas.ams", "solid-liquid.ams", "solid-gas.ams"};

class ScenarioWriter : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("corvanta-writer-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string path(const std::string &name) const { return (folder_ / name).string(); }

private:
  fs::path folder_;
};

// Everything the file carries that must come back bit for bit.
void expectSameScenario(const ScenarioData &read, const ScenarioData &written) {
  EXPECT_EQ(read.atomCount, written.atomCount);
  EXPECT_EQ(read.typeCount, written.typeCount);
  EXPECT_EQ(read.temperature, written.temperature);
  EXPECT_EQ(read.gravity, written.gravity);
  EXPECT_EQ(read.timeStep, written.timeStep);
  EXPECT_EQ(read.box, written.box);
  EXPECT_EQ(read.potentialParams, written.potentialParams);
  EXPECT_EQ(read.coords, written.coords);
  EXPECT_EQ(read.velocities, written.velocities);
  EXPECT_EQ(read.masses, written.masses);
  EXPECT_EQ(read.atomTypes, written.atomTypes);
}

// The largest scenario the layout allows, with numbers that need all 17
// significant digits, tiny and huge exponents and negative values.
ScenarioData largestScenario() {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> anywhere(0.0, 1.0);
  ScenarioData data;
  data.requestedAtoms = data.atomCount = 10922;
  data.typeCount = 3;
  data.temperature = 1.0 / 3.0;
  data.gravity = -0.05;
  data.timeStep = 0.7;
  data.box = {-1e-300, 0.1, 0, 28000.000000000004, 24000, 1.7976931348623157e308};
  for (int j = 0; j < 6; ++j)
    data.potentialParams.insert(data.potentialParams.end(),
                                {1024.0 * (j + 1), 2.0 / 3.0, 1412.0 + j, 2048.0});
  for (int k = 0; k < data.atomCount; ++k) {
    for (int axis = 0; axis < 3; ++axis) {
      data.coords.push_back(0.1 + 23999.9 * anywhere(random)); // inside the box
      data.velocities.push_back(anywhere(random) - 0.5);
    }
    data.masses.push_back(1.0 + k % 3 + anywhere(random));
    data.atomTypes.push_back(k % 3);
  }
  return data;
}

} // namespace

TEST_F(ScenarioWriter, ShippedScenariosReadBackBitForBit) {
  for (const char *name : kShipped) {
    SCOPED_TRACE(name);
    const ScenarioData original = readScenario(std::string(SCENARIO_FOLDER) + "/" + name);
    writeScenarioFile(path(name), original);
    expectSameScenario(readScenario(path(name)), original);
  }
}

TEST_F(ScenarioWriter, TheLargestScenarioReadsBackBitForBit) {
  const ScenarioData original = largestScenario();
  writeScenarioFile(path("largest.ams"), original);
  expectSameScenario(readScenario(path("largest.ams")), original);
}

TEST_F(ScenarioWriter, WritesTheLayoutLineByLine) {
  ScenarioData data;
  data.requestedAtoms = data.atomCount = 2;
  data.typeCount = 2;
  data.temperature = 300;
  data.gravity = 0.05;
  data.timeStep = 1;
  data.box = {0, 0, 0, 1e5, 2.5, 3};
  data.potentialParams = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  data.coords = {1, 2, 3, 4, 5, 6};
  data.velocities = {0.5, 0, -0.25, 0, 0, 1e-20};
  data.masses = {4, 1};
  data.atomTypes = {1, 0};
  EXPECT_EQ(scenarioText(data), "Version = 1.0\r\n"
                                "Number of atoms = 2\r\n"
                                "Number of types = 2\r\n"
                                "Temperature = 300\r\n"
                                "Gravity = 0.05\r\n"
                                "Timestep = 1\r\n"
                                "Steps per run = 5\r\n"
                                "box min dimensions = 0, 0, 0\r\n"
                                "box max dimensions = 1E+05, 2.5, 3\r\n"
                                "Type 0 has mass 1\r\n"
                                "Type 1 has mass 4\r\n"
                                "Potential functions:\r\n"
                                "1, 2, 3, 4\r\n"
                                "5, 6, 7, 8\r\n"
                                "9, 10, 11, 12\r\n"
                                " x, y, z, vx, vy, vz, mass, type\r\n"
                                "0, 1, 2, 3, 0.5, 0, -0.25, 4, 1\r\n"
                                "1, 4, 5, 6, 0, 0, 1E-20, 1, 0\r\n"
                                "**** End Of File ****\r\n");
}

TEST_F(ScenarioWriter, ANumberNoFileCanCarryIsRefusedAndNothingIsWritten) {
  ScenarioData data = largestScenario();
  data.coords[5] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(writeScenarioFile(path("nan.ams"), data), SaveError);
  data.coords[5] = INFINITY;
  EXPECT_THROW(writeScenarioFile(path("nan.ams"), data), SaveError);
  EXPECT_FALSE(fs::exists(path("nan.ams")));
  EXPECT_TRUE(fs::is_empty(path("")));
}

TEST_F(ScenarioWriter, MoreAtomsThanAFileHoldsAreRefused) {
  ScenarioData data = largestScenario();
  data.atomCount = data.requestedAtoms = 10924;
  for (int k = 0; k < 2; ++k) {
    data.coords.insert(data.coords.end(), {1, 1, 1});
    data.velocities.insert(data.velocities.end(), {0, 0, 0});
    data.masses.push_back(1);
    data.atomTypes.push_back(0);
  }
  EXPECT_THROW(scenarioText(data), SaveError);
}

TEST_F(ScenarioWriter, AFailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const ScenarioData original = readScenario(std::string(SCENARIO_FOLDER) + "/solid.ams");
  writeScenarioFile(path("kept.ams"), original);
  const std::string before = readText(path("kept.ams"));

  // A file-size limit stands in for a full disc: the write stops part-way.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  try {
    writeScenarioFile(path("kept.ams"), largestScenario());
    ADD_FAILURE() << "the save did not fail";
  } catch (const SaveError &error) {
    EXPECT_NE(std::string(error.what()).find("kept.ams"), std::string::npos) << error.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(readText(path("kept.ams")), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(path("")), fs::directory_iterator()), 1);
}

TEST_F(ScenarioWriter, AFolderThatCannotTakeTheFileIsReported) {
  const ScenarioData data = readScenario(std::string(SCENARIO_FOLDER) + "/gas.ams");
  EXPECT_THROW(writeScenarioFile(path("no/such/folder/gas.ams"), data), SaveError);
  fs::create_directories(path("occupied.ams/inside"));
  EXPECT_THROW(writeScenarioFile(path("occupied.ams"), data), SaveError);
  EXPECT_TRUE(fs::is_directory(path("occupied.ams/inside")));
}

TEST_F(ScenarioWriter, ANewFileGetsTheUsualPermissionsAndAnOldFileKeepsItsOwn) {
  const ScenarioData data = readScenario(std::string(SCENARIO_FOLDER) + "/gas.ams");
  const mode_t mask = ::umask(022);
  writeScenarioFile(path("new.ams"), data);
  EXPECT_EQ(fs::status(path("new.ams")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
  fs::permissions(path("new.ams"), fs::perms::owner_read | fs::perms::owner_write);
  writeScenarioFile(path("new.ams"), data);
  EXPECT_EQ(fs::status(path("new.ams")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  ::umask(mask);
}
