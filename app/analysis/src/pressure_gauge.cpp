#include "analysis/pressure_gauge.h"

namespace analysis {

void PressureGauge::add(std::int64_t step, double pressure) {
  if (first_ < 0)
    first_ = step;
  readings_.push_back({step, pressure});
  while (readings_.front().step <= step - kWindowSteps)
    readings_.pop_front();
}

void PressureGauge::clear() {
  readings_.clear();
  first_ = -1;
}

std::optional<double> PressureGauge::reading() const {
  if (readings_.empty() || readings_.back().step - first_ < kWindowSteps)
    return std::nullopt;
  double sum = 0.0;
  for (const Reading &r : readings_)
    sum += r.pressure;
  return sum / double(readings_.size());
}

} // namespace analysis
