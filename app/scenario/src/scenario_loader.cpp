// Loading a scenario: the whole file is read and checked first; only a file
// that passes replaces the program-side state and sets up the engine.
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "scenario_reader.h"

#include <algorithm>
#include <cmath>

namespace ModDornDll {
namespace {

template <typename T> void copyInto(const std::vector<T> &from, std::vector<T> &to) {
  // The engine's atom count sized the arrays; an engine that built fewer
  // atoms than the file describes gets the first ones.
  std::copy_n(from.begin(), std::min(from.size(), to.size()), to.begin());
}

void takeOver(const ScenarioData &data) {
  numAtoms = data.requestedAtoms;
  cellsX = static_cast<std::int32_t>(std::nearbyint(numAtoms / 2.0));
  cellsY = 1;
  cellsZ = 1;
  numTypes = data.typeCount;
  initEngine();
  ensurePotentialTable();
  temperature = data.temperature;
  gravity = data.gravity;
  timeStep = data.timeStep;
  boxDims = data.box;
  potentialParams = data.potentialParams;
  copyInto(data.coords, atomCoords);
  copyInto(data.velocities, atomVelocities);
  copyInto(data.masses, atomMasses);
  copyInto(data.atomTypes, atomTypes);
}

// The order decides what the engine ends up with: the temperature draws
// fresh velocities over the file's, with the masses and time step the engine
// holds before the last two calls.
void handToEngine() {
  Pavex::MD_set_coordinates(atomCoords.data());
  Pavex::MD_set_velocity(atomVelocities.data());
  Pavex::MD_set_potential_function(numTypes, potentialParams.data());
  Pavex::MD_set_clamp_on_off(clampOn);
  Pavex::MD_set_temperature(temperature);
  Pavex::MD_set_clamp_temp(temperature);
  Pavex::MD_set_gravity(gravity);
  Pavex::MD_set_timestep(timeStep);
  Pavex::MD_set_box(boxDims.data());
  Pavex::MD_set_atom_properties(atomMasses.data(), atomTypes.data());
}

} // namespace

void loadScenarioFile(const std::string &fileName) {
  if (fileName.empty())
    return;
  const ScenarioData data = readScenario(fileName);
  takeOver(data);
  handToEngine();
}

} // namespace ModDornDll
