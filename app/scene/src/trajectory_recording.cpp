#include "trajectory_recording.h"

#include "scenario/mod_dorn_dll.h"

#include <algorithm>
#include <span>

namespace scene {

TrajectoryRecording::TrajectoryRecording(const std::string &path, int every, std::int64_t step,
                                         const std::optional<ModDornDll::MaterialCard> &card)
    : writer_(path, card), every_(std::max(every, 1)) {
  write(step);
}

void TrajectoryRecording::frameShown(std::int64_t step) {
  if (++shown_ % every_ == 0)
    write(step);
}

void TrajectoryRecording::write(std::int64_t step) {
  using namespace ModDornDll;
  const auto atoms = static_cast<std::size_t>(numAtoms);
  writer_.writeFrame(std::span(atomCoords).first(3 * atoms), std::span(atomTypes).first(atoms),
                     std::span(atomMasses).first(atoms), boxDims, step);
  ++written_;
}

} // namespace scene
