#include "simulation/box_control.h"

#include "analysis/wall_pressure.h"
#include "scenario/engine_binding.h"

namespace simulation {

namespace {

analysis::Barostat barostatFor(double pressure, const std::array<double, 6> &fileBox) {
  return analysis::Barostat(pressure, fileBox[4] - fileBox[1], Lid::kSmallest);
}

} // namespace

void BoxControl::reset(const std::array<double, 6> &fileBox) {
  fileBox_ = fileBox;
  lid_.reset(fileBox);
  gauge_.clear();
  lidGauge_.clear();
  lastPush_ = 0.0;
  if (barostat_)
    barostat_ = barostatFor(barostat_->heldPressure(), fileBox);
}

void BoxControl::setLidTarget(double fraction) {
  barostat_.reset();
  lid_.setTarget(fraction);
}

void BoxControl::holdPressure(std::optional<double> modelPressure) {
  if (modelPressure && *modelPressure > 0.0)
    barostat_ = barostatFor(*modelPressure, fileBox_);
  else
    barostat_.reset();
}

std::optional<double> BoxControl::heldPressure() const {
  if (!barostat_)
    return std::nullopt;
  return barostat_->heldPressure();
}

void BoxControl::afterRun(std::int64_t step, int steps, const std::vector<double> &coords) {
  lastPush_ = analysis::wallPushPressure(coords, lid_.box());
  gauge_.add(step, lastPush_);
  lidGauge_.add(step, analysis::lidPushPressure(coords, lid_.box()));
  if (barostat_)
    if (const auto height = barostat_->decide(step, lid_.height(), lidGauge_.reading()))
      lid_.setTarget(*height);
  if (!lid_.advance(coords, steps))
    return;
  std::array<double, 6> box = lid_.box();
  Pavex::MD_set_box(box.data());
}

} // namespace simulation
