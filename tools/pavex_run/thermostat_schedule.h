// The thermostat over a run: the scenario's own clamp target, a held
// temperature (--hold) or a steady ramp (--ramp), sent to the engine as
// clamp targets between engine calls.
#pragma once

#include "run_options.h"

namespace PavexRun {

class ThermostatSchedule {
public:
  // fileTemperature is the scenario's, which the loader made the clamp target.
  ThermostatSchedule(const RunOptions &options, double fileTemperature);

  // The temperature the clamp holds the atoms at from this step on, kelvin.
  double heldAt(int step) const;

  // The clamp target the engine holds from this step on.
  double clampTargetAt(int step) const;

  // Sends the clamp target for this step to the engine; a run that keeps the
  // scenario's own target sends nothing. Throws Pavex::EngineError when the
  // engine refuses the target.
  void applyAt(int step) const;

private:
  const RunOptions &options_;
  double fileTemperature_;
};

} // namespace PavexRun
