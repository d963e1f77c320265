// The thermostat: the temperature the atoms are held at, and how it becomes
// the engine's clamp target.
#pragma once

#include <cstdint>

namespace analysis {

// The engine refuses a clamp target above this.
constexpr double kLargestClampTarget = 2000.0;

// The engine reads a temperature as 2/3 of the mean kinetic energy per atom,
// but its clamp drives the mean kinetic energy itself toward the clamp
// target. Holding the measured temperature at T therefore takes a clamp
// target of 3/2·T; these two functions are the only place that knows it.
double clampTargetFor(double temperature);
double heldTemperatureFor(double clampTarget);

// The hottest the atoms can be held: well past the melting point of rock
// (quartz melts at 1,986 K).
constexpr double kHottestHeld = 3000.0;
double largestHeldTemperature();

// Whether the engine's clamp can hold the atoms at this temperature: its
// target, 3/2 of it, must stay within what the engine takes (so up to
// 1,333 K). Hotter, the program holds the temperature itself.
bool clampReaches(double temperature);

// The factor by which the program multiplies every velocity after a run of
// `steps` steps to hold the atoms at `temperature` where the clamp cannot:
// it moves the mean kinetic energy toward 3/2·temperature as fast as the
// engine's clamp would at its rate of 0.01 per step. 1 when the atoms stand
// still (there is nothing to scale) or the run made no step.
double rescaleFactor(double meanKinetic, double temperature, int steps);

// A steady move of the thermostat from one temperature to another over a
// number of steps.
struct Ramp {
  double from = 0.0;
  double to = 0.0;
  std::int64_t steps = 0;

  // The thermostat after this many steps of the ramp; the end value from
  // the last step on (and for a ramp of no steps).
  double valueAfter(std::int64_t done) const;
  bool finishedAfter(std::int64_t done) const { return done >= steps; }
};

} // namespace analysis
