#include "state_point.h"

#include "analysis/phase_measure.h"
#include "analysis/real_units.h"
#include "analysis/wall_pressure.h"
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "scenario/scenario_writer.h"
#include "simulation/engine_readings.h"
#include "simulation/temperature_hold.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace phasemap {

namespace {

// Every material's pair but its depth, and the length unit of every shipped
// material card: r0 = 1624 units is 3.25 Å.
constexpr double kShape = 1.0;
constexpr double kReference = 1412.0;
constexpr double kCutOff = 2048.0;
constexpr double kMetresPerLength = 0.2e-12;
constexpr int kStepsPerRun = 100; // the hold rescales between runs
constexpr int kSampleEvery = 50;  // steps between pressure and temperature samples
// The clamp refuses targets above 2,000; the file's temperature is only
// where the loader draws the starting velocities from.
constexpr double kHighestFileTemperature = 2000.0;

double r0() {
  const double pair[4] = {1.0, kShape, kReference, kCutOff};
  return analysis::minimumDistance(pair);
}

// Face-centred cubic sites of cells³ cubes with nearest neighbours at
// spacing, the block centred on centre.
std::vector<double> fccBlock(int cells, double spacing, double centre) {
  const double a = spacing * std::sqrt(2.0);
  const double basis[4][3] = {{0, 0, 0}, {0.5, 0.5, 0}, {0.5, 0, 0.5}, {0, 0.5, 0.5}};
  const double first = centre - (cells - 0.5) * a / 2.0;
  std::vector<double> coords;
  for (int i = 0; i < cells; ++i)
    for (int j = 0; j < cells; ++j)
      for (int k = 0; k < cells; ++k)
        for (const auto &b : basis) {
          coords.push_back(first + (i + b[0]) * a);
          coords.push_back(first + (j + b[1]) * a);
          coords.push_back(first + (k + b[2]) * a);
        }
  return coords;
}

// The scenario of the state point: a cubic box whose room inside the skins
// holds the atoms at `fraction` of the crystal's number density, the block at
// its pair's spacing in the middle, pressed closer where the room is smaller.
ModDornDll::ScenarioData scenarioFor(const Material &material, int cells, double kelvin,
                                     double fraction) {
  const int atoms = 4 * cells * cells * cells;
  const double crystalNumberDensity = std::sqrt(2.0) / std::pow(r0(), 3);
  const double room = std::cbrt(atoms / (fraction * crystalNumberDensity));
  const double edge = room + 2.0 * analysis::kWallSkin;
  const double spacing = std::min(r0(), room / (cells * std::sqrt(2.0)));
  ModDornDll::ScenarioData data;
  data.requestedAtoms = data.atomCount = atoms;
  data.typeCount = 1;
  data.temperature = std::min(kelvin / material.mass, kHighestFileTemperature);
  data.gravity = 0.0;
  data.timeStep = 1.0;
  data.box = {0.0, 0.0, 0.0, edge, edge, edge};
  data.potentialParams = {material.depth, kShape, kReference, kCutOff};
  data.coords = fccBlock(cells, spacing, edge / 2.0);
  data.velocities.assign(data.coords.size(), 0.0);
  data.masses.assign(std::size_t(atoms), material.mass);
  data.atomTypes.assign(std::size_t(atoms), 0);
  return data;
}

void run(simulation::TemperatureHold &hold, int steps) {
  for (int done = 0; done < steps; done += kStepsPerRun) {
    const int now = std::min(kStepsPerRun, steps - done);
    if (Pavex::MD_do_run(now) != 0)
      throw std::runtime_error("the engine stopped: an atom left the box");
    hold.afterRun(now);
  }
}

double kilogramsPerAtom(const Material &material) {
  return material.molarMass * analysis::kAtomicMassUnit;
}

} // namespace

double crystalDensity(const Material &material) {
  return std::sqrt(2.0) * kilogramsPerAtom(material) / std::pow(r0() * kMetresPerLength, 3);
}

analysis::MapPoint measureStatePoint(const Material &material, const Schedule &schedule,
                                     double kelvin, double fraction, const std::string &scratch) {
  ModDornDll::writeScenarioFile(scratch, scenarioFor(material, schedule.cells, kelvin, fraction));
  ModDornDll::loadScenarioFile(scratch);
  simulation::TemperatureHold hold;
  hold.holdAt(kelvin);
  run(hold, schedule.settle);
  const analysis::AtomFrame start = simulation::engineFrame();
  double pressure = 0.0, temperature = 0.0;
  int samples = 0;
  analysis::AtomFrame recent = start;
  for (int step = 0; step < schedule.measure; step += kSampleEvery) {
    if (step == schedule.measure - analysis::kRecentSteps)
      recent = simulation::engineFrame();
    run(hold, kSampleEvery);
    Pavex::MD_return_coordinates(ModDornDll::atomCoords.data());
    pressure += analysis::wallPushPressure(ModDornDll::atomCoords, ModDornDll::boxDims);
    temperature += Pavex::MD_get_temperature();
    ++samples;
  }
  const analysis::TypeSummary verdict =
      analysis::summarisePhases(start, recent, simulation::engineFrame())[0];
  const analysis::ModelUnits units{kMetresPerLength, kilogramsPerAtom(material) / material.mass};
  analysis::MapPoint point;
  point.temperature = temperature / samples;
  point.density =
      analysis::densityInside(ModDornDll::numAtoms * material.mass, ModDornDll::boxDims, units);
  point.pressure = analysis::kilopascalsFromModelPressure(pressure / samples, units);
  point.phase = verdict.mix;
  point.solidShare = verdict.solidShare;
  point.liquidShare = verdict.liquidShare;
  point.gasShare = verdict.freeShare;
  return point;
}

} // namespace phasemap
