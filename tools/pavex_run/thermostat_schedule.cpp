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

void ThermostatSchedule::applyAt(int step) const {
  if (!options_.ramp && !options_.hold)
    return;
  const double target = clampTargetAt(step);
  if (Pavex::MD_set_clamp_temp(target) != 0)
    throw Pavex::EngineError("the engine refused the clamp target " + std::to_string(target));
}

} // namespace PavexRun
