// The box as it stands: the lid, the pressure gauges and the barostat that
// moves the lid to hold a pressure. After every run it reads the push of the
// walls and of the lid alone from the atoms' coordinates (no engine call),
// lets the barostat decide on the lid's gauge (a piston feels the pressure
// above a liquid, not the liquid's weight on the floor) and moves the lid, handing the engine the new box
// (MD_set_box) only when the lid moved: with the lid at the file's box and
// no pressure held the engine sees no call from it. Its owner calls it
// between runs only.
#pragma once

#include "analysis/barostat.h"
#include "analysis/pressure_gauge.h"
#include "simulation/lid.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace simulation {

class BoxControl {
public:
  // The lid's pace: model length units per step.
  explicit BoxControl(double lidPace = Lid::kPace) : lid_(lidPace) {}

  // A new start: the lid at the file's box, the gauge empty; a held
  // pressure stays held, with the barostat starting afresh.
  void reset(const std::array<double, 6> &fileBox);
  // Moves the lid by hand (a fraction of the file's box height); that
  // releases a held pressure.
  void setLidTarget(double fraction);
  // Holds a pressure on the lid (model units, > 0) by moving it, or stops.
  void holdPressure(std::optional<double> modelPressure);

  // After a run of `steps` steps that ended at `step`, the atoms at coords.
  void afterRun(std::int64_t step, int steps, const std::vector<double> &coords);

  const Lid &lid() const { return lid_; }
  // The gauge's reading (model units); nullopt until a window is covered.
  std::optional<double> gauge() const { return gauge_.reading(); }
  // The lid's own gauge, which the barostat reads (model units).
  std::optional<double> lidGauge() const { return lidGauge_.reading(); }
  // The gauge's reading, or the walls' last push until it has one.
  double pressure() const { return gauge().value_or(lastPush_); }
  std::optional<double> heldPressure() const;

private:
  Lid lid_;
  analysis::PressureGauge gauge_;
  analysis::PressureGauge lidGauge_;
  std::optional<analysis::Barostat> barostat_;
  std::array<double, 6> fileBox_{};
  double lastPush_ = 0.0;
};

} // namespace simulation
