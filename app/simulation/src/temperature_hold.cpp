#include "simulation/temperature_hold.h"

#include "analysis/thermostat.h"
#include "scenario/engine_binding.h"

namespace simulation {

std::int32_t TemperatureHold::holdAt(double kelvin) {
  if (analysis::clampReaches(kelvin)) {
    beyond_.reset();
    return Pavex::MD_set_clamp_temp(analysis::clampTargetFor(kelvin));
  }
  // Also after a scenario load, which switched the clamp on again.
  Pavex::MD_set_clamp_on_off(0);
  beyond_ = kelvin;
  return 0;
}

void TemperatureHold::afterRun(int steps) {
  if (!beyond_)
    return;
  const double factor =
      analysis::rescaleFactor(Pavex::MD_get_kinetic_energy(), *beyond_, steps);
  const std::int32_t values = Pavex::MD_array_size();
  if (factor == 1.0 || values <= 0)
    return;
  velocities_.resize(static_cast<std::size_t>(values));
  Pavex::MD_return_velocity(velocities_.data());
  for (double &v : velocities_)
    v *= factor;
  Pavex::MD_set_velocity(velocities_.data());
}

std::int32_t TemperatureHold::release(double clampTarget) {
  beyond_.reset();
  return Pavex::MD_set_clamp_temp(clampTarget);
}

void TemperatureHold::insulate() {
  beyond_.reset();
  Pavex::MD_set_clamp_on_off(0);
}

} // namespace simulation
