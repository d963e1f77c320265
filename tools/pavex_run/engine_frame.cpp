#include "engine_frame.h"

#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/engine_readings.h"

namespace PavexRun {

analysis::AtomFrame engineFrame() {
  Pavex::MD_return_coordinates(ModDornDll::atomCoords.data());
  analysis::AtomFrame frame = simulation::programFrame();
  frame.temperature = Pavex::MD_get_temperature();
  return frame;
}

} // namespace PavexRun
