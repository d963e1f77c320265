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
  const double pull =
      std::clamp(kProportional * error + kIntegral * (integral_ + error), -limit, limit);
  const double wanted = (inner * std::exp(pull) + 2.0 * kWallSkin) / fileHeight_;
  const double next = std::clamp(wanted, smallest_, 1.0);
  // The integral stops growing while the lid is at the end it pushes
  // toward, so that it does not wind up there.
  const bool pinned = (next == 1.0 && error > 0.0) || (next == smallest_ && error < 0.0);
  if (!pinned)
    integral_ += error;
  stillSince_ = step; // the next decision needs a fresh window
  return next;
}

} // namespace analysis
