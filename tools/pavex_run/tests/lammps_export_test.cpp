// pavex-run --export-lammps on the real engine: the deck of a lattice beyond
// the program's drawing slots, velocities in true (unscaled) form, the table
// against the engine's own two-atom energies and forces, and a folder that
// cannot be made.
#include "engine_forces.h"
#include "lammps_table.h"
#include "pavex_run_command.h"
#include "scenario/engine_binding.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace PavexRunTest;

namespace {

std::string fileText(const std::string &path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The mean kinetic energy per atom of a data file: masses by type from the
// Masses section, each atom's type from Atoms, its velocity from Velocities.
double meanKineticEnergy(const std::string &dataPath) {
  std::ifstream in(dataPath);
  std::map<int, double> massOfType;
  std::map<long, int> typeOfAtom;
  std::string section;
  double sum = 0.0;
  for (std::string line; std::getline(in, line);) {
    if (line == "Masses" || line.rfind("Atoms", 0) == 0 || line == "Velocities") {
      section = line.substr(0, 5);
      continue;
    }
    std::istringstream fields(line);
    long id = 0;
    if (!(fields >> id))
      continue;
    double a = 0, b = 0, c = 0;
    if (section == "Masse") {
      fields >> massOfType[static_cast<int>(id)];
    } else if (section == "Atoms") {
      fields >> typeOfAtom[id];
    } else if (section == "Veloc" && fields >> a >> b >> c) {
      sum += 0.5 * massOfType.at(typeOfAtom.at(id)) * (a * a + b * b + c * c);
    }
  }
  return sum / static_cast<double>(typeOfAtom.size());
}

// The value of the first column of the CSV row after the header.
double firstRowValue(const std::string &csvPath, int column) {
  const auto rows = readLines(csvPath);
  std::istringstream row(rows.at(1));
  std::string cell;
  for (int c = 0; c <= column; ++c)
    std::getline(row, cell, ',');
  return std::stod(cell);
}

// two_types.ams with one line replaced, as a temporary file.
std::string variantOfTwoTypes(const std::string &name, const std::string &line,
                              const std::string &replacement) {
  const std::string scenario = temporaryPath(name);
  std::string text = fileText(std::string(SCENARIO_TEST_DATA) + "/two_types.ams");
  text.replace(text.find(line), line.size(), replacement);
  std::ofstream(scenario) << text;
  return scenario;
}

} // namespace

TEST(LammpsExport, ALatticeBeyondTheDrawingSlotsIsExportedWithItsStartUpValues) {
  const std::string folder = temporaryPath("lattice-deck");
  const Outcome outcome = runPavexRun("--lattice 26x26x26 --steps 0 --export-lammps " + folder);
  ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
  const std::string data = fileText(folder + "/pavex.data");
  const std::string input = fileText(folder + "/in.pavex");
  EXPECT_TRUE(contains(data, "\n35152 atoms\n1 atom types\n"));
  // The box: 25.5 lattice constants plus the margins 24,576 and 34,816.
  const double a = 40960.0 / 29.0;
  char box[200];
  std::snprintf(box, sizeof box, "\n0 %.17g xlo xhi\n0 %.17g ylo yhi\n0 %.17g zlo zhi\n",
                25.5 * a + 24576.0, 25.5 * a + 24576.0, 25.5 * a + 34816.0);
  EXPECT_TRUE(contains(data, box)) << box;
  // Temperature 200 drawn at time step 1: a mean kinetic energy of 300.
  EXPECT_NEAR(meanKineticEnergy(folder + "/pavex.data"), 300.0, 1e-9);
  EXPECT_TRUE(contains(input, "\nfix gravity all gravity 0.050000000000000003 vector 0 -1 0\n"));
  EXPECT_TRUE(contains(input, "\nfix clamp all temp/berendsen 133.33333333333"));
  EXPECT_TRUE(contains(fileText(folder + "/pavex.table"), "\nPAIR_0_0\nN 2000 RSQ 0.5 2048 "));
  std::filesystem::remove_all(folder);
}

TEST(LammpsExport, VelocitiesLeaveTheEngineUnscaledByTheTimeStep) {
  const std::string scenario = variantOfTwoTypes("slow.ams", "Timestep = 1", "Timestep = 2");
  const std::string folder = temporaryPath("slow-deck"), csv = temporaryPath("slow.csv");
  const Outcome outcome =
      runPavexRun(scenario + " --steps 10 --csv " + csv + " --export-lammps " + folder);
  ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
  EXPECT_TRUE(contains(fileText(folder + "/pavex.data"), " after 10 steps"));
  EXPECT_TRUE(contains(fileText(folder + "/in.pavex"), "\ntimestep 2\n"));
  // The engine's temperature at the last row is 2/3 of the mean kinetic
  // energy of the exported velocities.
  const auto rows = readLines(csv);
  std::ofstream(csv + ".last") << rows.front() << '\n' << rows.back() << '\n';
  EXPECT_NEAR(2.0 / 3.0 * meanKineticEnergy(folder + "/pavex.data"),
              firstRowValue(csv + ".last", 1), 1e-5 * firstRowValue(csv + ".last", 1));
  for (const std::string &path : {scenario, csv, csv + ".last"})
    std::filesystem::remove(path);
  std::filesystem::remove_all(folder);
}

TEST(LammpsExport, AClampTargetTheEngineRefusedWritesNoDeck) {
  const std::string scenario =
      variantOfTwoTypes("hot.ams", "Temperature = 100", "Temperature = 2500");
  const std::string folder = temporaryPath("hot-deck");
  const Outcome outcome = runPavexRun(scenario + " --steps 0 --export-lammps " + folder);
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_TRUE(contains(outcome.output, "the engine refused the clamp target 2500"))
      << outcome.output;
  EXPECT_FALSE(std::filesystem::exists(folder + "/in.pavex"));
  std::filesystem::remove(scenario);
  std::filesystem::remove_all(folder);
}

TEST(LammpsExport, AFolderThatCannotBeMadeStopsBeforeTheRun) {
  const Outcome outcome = runPavexRun("--lattice 2x2x2 --export-lammps /dev/null/deck");
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_TRUE(contains(outcome.output, "cannot make the folder /dev/null/deck")) << outcome.output;
  EXPECT_FALSE(contains(outcome.output, "phase summary"));
}

TEST(LammpsExport, TheTabulatedPotentialIsTheEnginesForTwoAtoms) {
  const PavexRun::PairParameters pair{4096.0, 1.0, 1412.0, 2048.0};
  const double params[] = {pair.depth, pair.shape, pair.reference, pair.cutOff};
  for (const double r : {20.0, 700.0, 1412.0, 1624.0, 2040.0}) {
    Pavex::MD_set_temperature(0.0); // two atoms on a line cannot be given a temperature
    std::array<double, 6> box{};
    std::int32_t atoms = 0;
    Pavex::MD_init(1, 1, 1, box.data(), &atoms);
    ASSERT_EQ(atoms, 2);
    Pavex::MD_set_potential_function(1, params);
    Pavex::MD_set_gravity(0.0);
    // Apart along x around the middle of the box, far from every wall.
    const double x = (box[0] + box[3]) / 2, y = (box[1] + box[4]) / 2, z = (box[2] + box[5]) / 2;
    const double coords[] = {x - r / 2, y, z, x + r / 2, y, z};
    Pavex::MD_set_coordinates(coords);
    const EngineForces engine = measureEngineForces(1.0);
    ASSERT_EQ(engine.forces.size(), 6u);
    EXPECT_NEAR(engine.potential, PavexRun::pairEnergy(pair, r),
                1e-9 * std::abs(PavexRun::pairEnergy(pair, r)))
        << r;
    EXPECT_NEAR(engine.forces[3], PavexRun::pairForce(pair, r),
                1e-9 * std::abs(PavexRun::pairForce(pair, r)) + 1e-12)
        << r;
  }
}
