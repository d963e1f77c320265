#include "thermostat_schedule.h"

#include "analysis/thermostat.h"
#include "scenario/engine_binding.h"

#include <string>

namespace PavexRun {

ThermostatSchedule::ThermostatSchedule(const RunOptions &options, double fileTemperature)
    : options_(options), fileTemperature_(fileTemperature) {}

double ThermostatSchedule::heldAt(int step) const {
  if (options_.ramp)
    return options_.ramp->valueAfter(step);
  if (options_.hold)
    return *options_.hold;
  return analysis::heldTemperatureFor(fileTemperature_);
}

double ThermostatSchedule::clampTargetAt(int step) const {
  if (!options_.ramp && !options_.hold)
    return fileTemperature_;
  return analysis::clampTargetFor(heldAt(step));
}

void ThermostatSchedule::applyAt(int step) {
  if (!options_.ramp && !options_.hold)
    return;
  const double held = heldAt(step);
  if (hold_.holdAt(held) != 0)
    throw Pavex::EngineError("the engine refused the clamp target for " + std::to_string(held) +
                             " K");
}

} // namespace PavexRun
