// The thermostat over a run: the scenario's own clamp target, a held
// temperature (--hold) or a steady ramp (--ramp), sent to the engine as
// clamp targets between engine calls, or kept by rescaling the velocities
// after each call where the clamp cannot reach.
#pragma once

#include "run_options.h"
#include "simulation/temperature_hold.h"

namespace PavexRun {

class ThermostatSchedule {
public:
  // fileTemperature is the scenario's, which the loader made the clamp target.
  ThermostatSchedule(const RunOptions &options, double fileTemperature);

  // The temperature the clamp holds the atoms at from this step on, kelvin.
  double heldAt(int step) const;

  // The clamp target that holds the atoms from this step on (beyond the
  // engine's reach for the hottest temperatures, which the run holds itself).
  double clampTargetAt(int step) const;

  // Holds the atoms at this step's temperature from now on; a run that
  // keeps the scenario's own target sends nothing. Throws Pavex::EngineError
  // when the engine refuses the clamp target.
  void applyAt(int step);
  // After an engine call of `steps` steps.
  void afterRun(int steps) { hold_.afterRun(steps); }

private:
  const RunOptions &options_;
  double fileTemperature_;
  simulation::TemperatureHold hold_;
};

} // namespace PavexRun
