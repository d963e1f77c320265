// An exported deck on LAMMPS against the engine at step 0: the pair energy,
// the whole potential energy (pair, gravity, walls) and every atom's force
// agree to 1e-6. Runs only where `lmp` is installed.
#include "engine_forces.h"
#include "lammps_check.h"
#include "lattice_start.h"
#include "pavex_run_command.h"
#include "scenario/mod_dorn_dll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

using namespace PavexRunTest;

namespace {

constexpr double kTolerance = 1e-6;

double relative(double value, double reference) {
  return std::abs(value - reference) / std::abs(reference);
}

double length(const std::vector<double> &v, std::size_t atom) {
  return std::hypot(v[3 * atom], v[3 * atom + 1], v[3 * atom + 2]);
}

// The largest difference of one atom's force, relative to that atom's force
// or, for atoms that a symmetric neighbourhood leaves almost without force,
// to a thousandth of the largest force in the model.
double forceError(const std::vector<double> &lammps, const std::vector<double> &engine) {
  const std::size_t atoms = engine.size() / 3;
  double largest = 0.0;
  for (std::size_t i = 0; i < atoms; ++i)
    largest = std::max(largest, length(engine, i));
  double worst = 0.0;
  for (std::size_t i = 0; i < atoms; ++i) {
    std::vector<double> difference(3);
    for (int d = 0; d < 3; ++d)
      difference[d] = lammps[3 * i + d] - engine[3 * i + d];
    worst = std::max(worst, length(difference, 0) / std::max(length(engine, i), 1e-3 * largest));
  }
  return worst;
}

class LammpsComparison : public ::testing::Test {
protected:
  void SetUp() override {
    if (!lammpsInstalled())
      GTEST_SKIP() << "lmp is not on PATH (Debian: apt-get install lammps), so the exported deck "
                      "is not compared with LAMMPS";
  }

  // Exports the model with pavex-run, runs the deck for zero steps on LAMMPS,
  // and measures the same model, loaded here by `load`, on the engine.
  void compare(const std::string &model, const std::function<void()> &load) {
    const std::string folder = temporaryPath("deck");
    const Outcome outcome = runPavexRun(model + " --steps 0 --export-lammps " + folder);
    ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
    const LammpsStepZero lammps = runLammpsStepZero(folder);
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(lammps.ran) << lammps.log;
    load();
    const double timeStep = ModDornDll::timeStep;
    const EngineForces whole = measureEngineForces(timeStep);
    load();
    leaveOnlyPairForces();
    const EngineForces pairs = measureEngineForces(timeStep);
    ASSERT_EQ(lammps.forces.size(), whole.forces.size());
    ASSERT_EQ(lammps.pairForces.size(), pairs.forces.size());

    const double errors[] = {
        relative(lammps.pairEnergy, pairs.potential), relative(lammps.potential, whole.potential),
        forceError(lammps.pairForces, pairs.forces), forceError(lammps.forces, whole.forces)};
    std::printf("%s: relative difference LAMMPS - engine: pair energy %.2e, potential energy "
                "%.2e, pair forces %.2e, forces %.2e\n",
                model.c_str(), errors[0], errors[1], errors[2], errors[3]);
    for (const double error : errors)
      EXPECT_LT(error, kTolerance);
  }
};

} // namespace

TEST_F(LammpsComparison, AShippedScenarioOfTwoMaterialsAgreesAtStepZero) {
  const std::string file = std::string(SCENARIO_FOLDER) + "/solid-liquid.ams";
  compare(file, [&] { ModDornDll::loadScenarioFile(file); });
}

TEST_F(LammpsComparison, ALatticeBeyondTheDrawingSlotsAgreesAtStepZero) {
  const PavexRun::LatticeCells cells{26, 26, 26}; // 35,152 atoms
  compare("--lattice " + cells.text(), [&] { PavexRun::startLattice(cells); });
}

TEST_F(LammpsComparison, AtomsInTheWallsSkinsWithAMassEachAgreeAtStepZero) {
  const std::string file = std::string(SCENARIO_TEST_DATA) + "/two_types.ams";
  compare(file, [&] { ModDornDll::loadScenarioFile(file); });
}
