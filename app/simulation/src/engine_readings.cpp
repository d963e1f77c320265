#include "simulation/engine_readings.h"

#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"

namespace simulation {

analysis::Sample readEngine(std::int64_t step, double thermostat, double wallPush) {
  analysis::Sample sample;
  sample.step = step;
  sample.temperature = Pavex::MD_get_temperature();
  Pavex::MD_get_all_energy(&sample.total, &sample.potential, &sample.kinetic);
  sample.pressure = Pavex::MD_get_boundary_pressure();
  sample.thermostat = thermostat;
  sample.wallPush = wallPush;
  return sample;
}

analysis::AtomFrame programFrame() {
  using namespace ModDornDll;
  const auto atoms = static_cast<std::size_t>(numAtoms);
  return {std::vector<double>(atomCoords.begin(), atomCoords.begin() + std::ptrdiff_t(3 * atoms)),
          std::vector<std::int32_t>(atomTypes.begin(), atomTypes.begin() + std::ptrdiff_t(atoms)),
          numTypes, potentialParams, boxDims};
}

analysis::AtomFrame engineFrame() {
  Pavex::MD_return_coordinates(ModDornDll::atomCoords.data());
  analysis::AtomFrame frame = programFrame();
  frame.temperature = Pavex::MD_get_temperature();
  return frame;
}

} // namespace simulation
