#include "scenario/engine_snapshot.h"

#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"

namespace ModDornDll {
namespace {

// The first `count` slots of a program-side array (which carries a spare).
template <typename T> std::vector<T> firstSlots(const std::vector<T> &from, std::size_t count) {
  return {from.begin(), from.begin() + static_cast<std::ptrdiff_t>(std::min(count, from.size()))};
}

} // namespace

ScenarioData snapshotOfEngine() {
  const auto atoms = static_cast<std::size_t>(numAtoms);
  Pavex::MD_return_coordinates(atomCoords.data());
  std::vector<double> velocities(3 * atoms + 1);
  Pavex::MD_return_velocity(velocities.data());
  velocities.pop_back();

  ScenarioData data;
  data.requestedAtoms = numAtoms;
  data.atomCount = numAtoms;
  data.typeCount = numTypes;
  data.temperature = temperature;
  data.gravity = gravity;
  data.timeStep = timeStep;
  data.box = boxDims;
  const auto pairs = static_cast<std::size_t>(numTypes) * (numTypes + 1) / 2;
  data.potentialParams = firstSlots(potentialParams, 4 * pairs);
  data.coords = firstSlots(atomCoords, 3 * atoms);
  data.velocities = std::move(velocities);
  data.masses = firstSlots(atomMasses, atoms);
  data.atomTypes = firstSlots(atomTypes, atoms);
  return data;
}

} // namespace ModDornDll
