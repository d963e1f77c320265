#include "simulation/start_up.h"

#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"

#include <cstdint>

namespace simulation {

namespace {

constexpr std::int32_t kStartCells = 5; // lattice cells along each axis
constexpr std::int32_t kStartMaterials = 1;
constexpr double kStartGravity = 0.05;      // engine units of acceleration
constexpr double kStartTemperature = 200.0; // kelvin, also the clamp's
constexpr double kStartTimeStep = 1.0;      // engine units of time
constexpr std::int32_t kClampOn = 1;

} // namespace

void writeStartUpValues() {
  using namespace ModDornDll;
  gravity = kStartGravity;
  temperature = kStartTemperature;
  timeStep = kStartTimeStep;
  clampOn = kClampOn;
  numTypes = kStartMaterials;
  cellsX = cellsY = cellsZ = kStartCells;
}

void handStartUpValues() {
  using namespace ModDornDll;
  ensurePotentialTable();
  Pavex::MD_set_gravity(gravity);
  Pavex::MD_set_temperature(temperature);
  Pavex::MD_set_clamp_temp(temperature);
  Pavex::MD_set_timestep(timeStep);
  Pavex::MD_set_clamp_on_off(clampOn);
  Pavex::MD_set_nr_of_materials(numTypes);
  Pavex::MD_set_potential_function(numTypes, potentialParams.data());
  Pavex::MD_get_atom_properties(atomMasses.data(), atomTypes.data());
  Pavex::MD_return_coordinates(atomCoords.data());
}

} // namespace simulation
