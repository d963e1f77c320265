#include "simulation/start_up.h"

#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"

namespace simulation {

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
