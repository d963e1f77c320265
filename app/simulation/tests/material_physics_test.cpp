// The shipped materials against physics a student can look up, on the real
// engine: the air is an ideal gas whose pressure follows N·k·T / V and whose
// atoms move at the Maxwell–Boltzmann mean speed for their real mass; the
// water stays a liquid at every ambient temperature above its melting point;
// the rock is solid below its melting point and melts above it. Short runs;
// bench/ has the long ones.
#include "simulation/simulation_controller.h"

#include "analysis/mobility.h"
#include "analysis/real_units.h"
#include "analysis/wall_pressure.h"
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int kStepsPerTick = 50;

std::string shipped(const std::string &name) { return std::string(SCENARIO_FOLDER) + "/" + name; }

class MaterialPhysics : public testing::Test {
protected:
  void start(const std::string &scenario, double kelvin) {
    controller.startUp();
    controller.load(shipped(scenario));
    ASSERT_TRUE(controller.card()) << scenario << " has no usable card: " << controller.cardProblem();
    controller.setStepsPerTick(kStepsPerTick);
    controller.setThermostat(kelvin);
  }
  void run(int steps) {
    for (int done = 0; done < steps; done += kStepsPerTick)
      controller.tick();
  }
  analysis::ModelUnits units() const {
    return {controller.card()->metresPerLength, controller.card()->kilogramsPerMass};
  }
  // The mean over `samples` samples, one every `every` steps, of what `read` gives.
  template <typename Read> double meanOver(int samples, int every, Read read) {
    double sum = 0.0;
    for (int k = 0; k < samples; ++k) {
      run(every);
      sum += read();
    }
    return sum / samples;
  }
  double wallPressure() const {
    return analysis::wallPressure(Pavex::MD_get_boundary_pressure(), ModDornDll::boxDims);
  }
  // The share of each material's atoms moving over each window, the least of all windows.
  std::vector<double> leastMobileShares(int windows, int window) {
    std::vector<double> least(static_cast<std::size_t>(ModDornDll::numTypes), 1.0);
    analysis::AtomFrame from = controller.atomFrame();
    for (int w = 0; w < windows; ++w) {
      run(window);
      const analysis::AtomFrame to = controller.atomFrame();
      const std::vector<double> shares = analysis::mobileShares(from, to);
      for (std::size_t t = 0; t < least.size(); ++t)
        least[t] = std::min(least[t], shares[t]);
      from = to;
    }
    return least;
  }

  simulation::SimulationController controller;
};

} // namespace

// The walls' pressure is a mean over many samples: a few hundred atoms hit
// the walls unevenly from step to step.
TEST_F(MaterialPhysics, TheAirPressesAsAnIdealGasOnTheWalls) {
  start("gas.ams", 300.0);
  run(5000);
  const double atoms = ModDornDll::numAtoms;
  const double volume = analysis::innerVolume(ModDornDll::boxDims);
  const double at300 = meanOver(200, 50, [&] { return wallPressure(); });
  const double measured300 = meanOver(20, 50, [] { return Pavex::MD_get_temperature(); });
  EXPECT_NEAR(at300, atoms * measured300 / volume, 0.15 * atoms * measured300 / volume);
  const double kilopascals =
      analysis::fromPascals(at300 * analysis::pascalsPerPressure(units()),
                            analysis::PressureUnit::Kilopascal);
  EXPECT_GT(kilopascals, 100.0) << "a few hundred molecules in a box of a few nanometres";

  controller.setThermostat(600.0);
  run(5000);
  const double at600 = meanOver(200, 50, [&] { return wallPressure(); });
  EXPECT_NEAR(at600 / at300, 2.0, 0.2);
  std::printf("air at %.1f K: %.0f kPa on the walls, N k T / V %.0f kPa; at 600 K %.2f times "
              "as much\n",
              measured300, kilopascals, kilopascals * atoms * measured300 / volume / at300,
              at600 / at300);
}

TEST_F(MaterialPhysics, TheAirsMoleculesMoveAtTheMaxwellBoltzmannMeanSpeed) {
  start("gas.ams", 300.0);
  run(5000);
  std::vector<double> velocities(3 * static_cast<std::size_t>(ModDornDll::numAtoms));
  const double metresPerSecond = analysis::metresPerSecondPerSpeed(units());
  double speeds = 0.0;
  double temperatures = 0.0;
  int counted = 0;
  for (int sample = 0; sample < 50; ++sample) {
    run(200);
    Pavex::MD_return_velocity(velocities.data()); // Δt·v, and Δt is 1
    for (std::size_t k = 0; k + 2 < velocities.size(); k += 3)
      speeds += std::hypot(velocities[k], velocities[k + 1], velocities[k + 2]) * metresPerSecond;
    counted += ModDornDll::numAtoms;
    temperatures += Pavex::MD_get_temperature();
  }
  ASSERT_EQ(ModDornDll::timeStep, 1.0);
  const double temperature = temperatures / 50.0;
  EXPECT_NEAR(temperature, 300.0, 15.0);
  const double mass = ModDornDll::atomMasses[0] * controller.card()->kilogramsPerMass;
  const double maxwell =
      std::sqrt(8.0 * analysis::kBoltzmann * temperature / (std::numbers::pi * mass));
  EXPECT_NEAR(speeds / counted, maxwell, 0.05 * maxwell);
  std::printf("air at %.1f K: mean speed %.1f m/s, Maxwell-Boltzmann %.1f m/s\n", temperature,
              speeds / counted, maxwell);
}

// The landscape gives 255–317 K; the water must flow at every one of those
// above its melting point, as the ambient temperature moves it there.
TEST_F(MaterialPhysics, FollowingTheAmbientTemperatureTheWaterStaysLiquidAboveItsMeltingPoint) {
  start("liquid.ams", 296.0);
  for (const double ambient : {274.0, 316.0}) {
    SCOPED_TRACE(ambient);
    controller.ambientChanged(ambient);
    controller.setFollowAmbient(true);
    run(3000);
    EXPECT_GE(leastMobileShares(2, 5000)[0], 0.8);
    EXPECT_NEAR(Pavex::MD_get_temperature(), ambient, 0.1 * ambient);
  }
}

// A crystal of 720 atoms is two fifths surface, and its surface loosens well
// before the crystal melts (5–8 % of the atoms move per window from about 0.6
// of the melting point), so "solid" is checked well below it.
TEST_F(MaterialPhysics, RockIsSolidBelowItsMeltingPointAndMeltsAboveIt) {
  start("solid.ams", 300.0);
  const double melting = controller.card()->materials.at(0).meltingPoint;
  controller.setThermostat(0.4 * melting);
  run(3000);
  EXPECT_LE(leastMobileShares(1, 5000)[0], 0.05);
  controller.setThermostat(1.3 * melting);
  run(10000);
  EXPECT_GE(leastMobileShares(1, 5000)[0], 0.8);
  EXPECT_NEAR(Pavex::MD_get_temperature(), 1.3 * melting, 0.05 * 1.3 * melting);
}
