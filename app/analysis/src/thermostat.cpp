#include "analysis/thermostat.h"

namespace analysis {

namespace {
constexpr double kKineticPerTemperature = 1.5; // mean kinetic energy = 3/2·T
} // namespace

double clampTargetFor(double temperature) { return kKineticPerTemperature * temperature; }

double heldTemperatureFor(double clampTarget) { return clampTarget / kKineticPerTemperature; }

double largestHeldTemperature() { return heldTemperatureFor(kLargestClampTarget); }

double Ramp::valueAfter(std::int64_t done) const {
  if (finishedAfter(done))
    return to;
  if (done <= 0)
    return from;
  return from + (to - from) * static_cast<double>(done) / static_cast<double>(steps);
}

} // namespace analysis
