#include "analysis/barostat.h"

#include "analysis/pressure_gauge.h"
#include "analysis/wall_pressure.h"

#include <algorithm>
#include <cmath>

namespace analysis {

Barostat::Barostat(double heldPressure, double fileHeight, double smallest)
    : held_(heldPressure), fileHeight_(fileHeight), smallest_(smallest) {}

std::optional<double> Barostat::decide(std::int64_t step, double lidHeight,
                                       std::optional<double> gauge) {
  if (lidHeight != lastHeight_) {
    lastHeight_ = lidHeight;
    stillSince_ = step;
    return std::nullopt;
  }
  if (step - stillSince_ < PressureGauge::kWindowSteps || !gauge)
    return std::nullopt;
  // No push at all (an empty room, or no atom near the walls) reads as a
  // pressure far below any held one: the lid comes down as fast as allowed.
  const double limit = std::log1p(kLargestChange);
  const double error = *gauge > 0.0 ? std::log(*gauge / held_) : -limit / kProportional;
  const double inner = lidHeight * fileHeight_ - 2.0 * kWallSkin;
  const double wanted = kProportional * error + kIntegral * (integral_ + error);
  const double pull = std::clamp(wanted, -limit, limit);
  const double height = (inner * std::exp(pull) + 2.0 * kWallSkin) / fileHeight_;
  const double next = std::clamp(height, smallest_, 1.0);
  // The integral grows only while the pull is neither cut to the largest
  // change nor pinned at an end of the lid's range, so that it does not wind
  // up while the lid cannot follow.
  if (pull == wanted && next == height)
    integral_ += error;
  stillSince_ = step; // the next decision needs a fresh window
  return next;
}

} // namespace analysis
