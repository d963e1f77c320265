// Holding a pressure by moving the lid: a slow, damped proportional-integral
// pull of the room's height on the logarithm of the pressure ratio.
//
// The barostat reads the pressure gauge only once the lid has stood still for
// a whole gauge window, so that the reading belongs to the box as it stands.
// It then sets the room's inner height (between the skins of floor and lid)
// to h·exp(kP·e + kI·Σe), with e = ln(P_gauge / P_held): too high a pressure
// raises the lid, too low lowers it. For an ideal gas P·h is constant, so
// kP = 1 would land on the held pressure at once; half of that damps the
// gauge's noise, and the small integral term removes what stays off (a
// liquid's vapour, whose pressure hardly depends on the volume, is moved
// only by it: the lid then keeps rising while the liquid boils). One
// decision changes the height by at most kLargestChange; the lid's own pace
// and range limit it further. The integral does not grow while a decision is
// cut short by either.
#pragma once

#include <cstdint>
#include <optional>

namespace analysis {

class Barostat {
public:
  static constexpr double kProportional = 0.5;
  static constexpr double kIntegral = 0.1;
  static constexpr double kLargestChange = 0.2; // of the inner height per decision

  // heldPressure in model units (> 0); the lid's range as fractions of the
  // file's box height, whose height (model units) is fileHeight.
  Barostat(double heldPressure, double fileHeight, double smallest);

  double heldPressure() const { return held_; }

  // After every run: the lid's height now (a fraction of the file's) and the
  // gauge's reading. Returns the height the lid should move to, when the
  // barostat decides; nullopt while it waits for a still lid and a reading.
  std::optional<double> decide(std::int64_t step, double lidHeight, std::optional<double> gauge);

private:
  double held_;
  double fileHeight_;
  double smallest_;
  double integral_ = 0.0;
  double lastHeight_ = -1.0;
  std::int64_t stillSince_ = 0;
};

} // namespace analysis
