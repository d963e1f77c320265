#include "analysis/thermostat.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {
constexpr double kKineticPerTemperature = 1.5; // mean kinetic energy = 3/2·T
constexpr double kClampRate = 0.01;            // the engine's clamp, per step
} // namespace

double clampTargetFor(double temperature) { return kKineticPerTemperature * temperature; }

double heldTemperatureFor(double clampTarget) { return clampTarget / kKineticPerTemperature; }

double largestHeldTemperature() { return kHottestHeld; }

bool clampReaches(double temperature) { return clampTargetFor(temperature) <= kLargestClampTarget; }

double rescaleFactor(double meanKinetic, double temperature, int steps) {
  if (!(meanKinetic > 0.0) || steps <= 0)
    return 1.0;
  // The clamp's pull compounded over the run's steps.
  const double rate = 1.0 - std::pow(1.0 - kClampRate, steps);
  return 1.0 + rate * (std::sqrt(clampTargetFor(std::max(temperature, 0.0)) / meanKinetic) - 1.0);
}

double Ramp::valueAfter(std::int64_t done) const {
  if (finishedAfter(done))
    return to;
  if (done <= 0)
    return from;
  return from + (to - from) * static_cast<double>(done) / static_cast<double>(steps);
}

} // namespace analysis
