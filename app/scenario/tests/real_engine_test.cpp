// The loader and the set-up procedures against the engine library built
// beside this test.
#include "scenario/engine_binding.h"
#include "scenario/engine_snapshot.h"
#include "scenario/mod_dorn_dll.h"
#include "scenario/scenario_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

using namespace ModDornDll;

namespace {

std::string dataFile(const std::string &name) {
  return std::string(SCENARIO_TEST_DATA) + "/" + name;
}

std::vector<double> engineVelocities() {
  std::vector<double> velocities(3 * static_cast<std::size_t>(numAtoms));
  Pavex::MD_return_velocity(velocities.data());
  return velocities;
}

} // namespace

TEST(RealEngine, StartUpLatticeOfFiveCellsCubedHas250Atoms) {
  cellsX = cellsY = cellsZ = 5;
  numTypes = 1;
  initEngine();
  EXPECT_EQ(numAtoms, 250);
  EXPECT_EQ(Pavex::MD_number_of_coordinates(), 250);
  EXPECT_EQ(atomCoords.size(), 751u);
  EXPECT_EQ(boxDims[0], 0.0);
  EXPECT_NEAR(boxDims[3], 4.5 * 40960.0 / 29.0 + 24576.0, 1e-9);
  EXPECT_EQ(ensurePotentialTable(), 1);
}

TEST(RealEngine, LoadedScenarioIsWhatTheEngineHolds) {
  loadScenarioFile(dataFile("two_types.ams"));
  ASSERT_EQ(Pavex::MD_number_of_coordinates(), 4);
  std::vector<double> coords(12);
  Pavex::MD_return_coordinates(coords.data());
  EXPECT_EQ(coords, std::vector<double>(atomCoords.begin(), atomCoords.end() - 1));
  std::int32_t types = 0;
  std::vector<double> params(12);
  EXPECT_EQ(Pavex::MD_get_potential_function(&types, params.data()), 0);
  EXPECT_EQ(types, 2);
  EXPECT_EQ(params, potentialParams);
  std::array<double, 6> box{};
  Pavex::MD_get_box(box.data());
  EXPECT_EQ(box, boxDims);
}

TEST(RealEngine, AFileTemperatureWithinTheMaximumDrawsFreshVelocities) {
  loadScenarioFile(dataFile("two_types.ams"));
  EXPECT_NE(engineVelocities(),
            std::vector<double>(atomVelocities.begin(), atomVelocities.end() - 1));
}

// The velocities are drawn for the file's temperature with the masses the
// engine held before the file's masses arrive: 1.0 each from its set-up. The
// file's atoms weigh 1.5, so the measured temperature is 1.5 times the file's.
TEST(RealEngine, VelocitiesAreDrawnBeforeTheFileMassesArrive) {
  std::ifstream in(dataFile("hot.ams"), std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  text.replace(text.find("Temperature = 2500"), 18, "Temperature = 100");
  for (auto at = text.find(", 1, 0\r"); at != std::string::npos; at = text.find(", 1, 0\r"))
    text.replace(at, 7, ", 1.5, 0\r"); // every atom's mass
  const auto path = std::filesystem::temp_directory_path() /
                    ("corvanta-warm-" + std::to_string(::getpid()) + ".ams");
  std::ofstream(path, std::ios::binary) << text;
  loadScenarioFile(path.string());
  std::filesystem::remove(path);
  EXPECT_NEAR(Pavex::MD_get_temperature(), 150.0, 1e-9);
}

TEST(RealEngine, AFileTemperatureAboveTheMaximumKeepsTheFileVelocities) {
  loadScenarioFile(dataFile("hot.ams"));
  EXPECT_EQ(engineVelocities(),
            (std::vector<double>{3, 0, 1.5, 4, -2, 1.5, 5, -4, 1.5, 6, -6, 1.5}));
}

TEST(RealEngine, ASnapshotLoadsBackAsTheEngineHeldIt) {
  loadScenarioFile(std::string(SCENARIO_FOLDER) + "/solid-liquid.ams");
  ASSERT_EQ(Pavex::MD_do_run(50), 0);
  const ScenarioData snapshot = snapshotOfEngine();
  const auto path = std::filesystem::temp_directory_path() /
                    ("corvanta-" + std::to_string(::getpid()) + "-snapshot.ams");
  writeScenarioFile(path.string(), snapshot);
  loadScenarioFile(path.string());
  std::filesystem::remove(path);

  const auto atoms = static_cast<std::size_t>(snapshot.atomCount);
  ASSERT_EQ(Pavex::MD_number_of_coordinates(), snapshot.atomCount);
  std::vector<double> coords(3 * atoms), masses(atoms);
  std::vector<std::int32_t> types(atoms);
  Pavex::MD_return_coordinates(coords.data());
  Pavex::MD_get_atom_properties(masses.data(), types.data());
  EXPECT_EQ(coords, snapshot.coords);
  EXPECT_EQ(masses, snapshot.masses);
  EXPECT_EQ(types, snapshot.atomTypes);
  std::int32_t typeCount = 0;
  std::vector<double> params(snapshot.potentialParams.size());
  Pavex::MD_get_potential_function(&typeCount, params.data());
  EXPECT_EQ(typeCount, snapshot.typeCount);
  EXPECT_EQ(params, snapshot.potentialParams);
  std::array<double, 6> box{};
  Pavex::MD_get_box(box.data());
  EXPECT_EQ(box, snapshot.box);
  EXPECT_EQ(temperature, snapshot.temperature);
  EXPECT_EQ(gravity, snapshot.gravity);
  EXPECT_EQ(timeStep, snapshot.timeStep);
}
