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

// The highest temperature the atoms can be held at (2000 / 1.5).
double largestHeldTemperature();

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
