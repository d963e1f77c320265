#include "simulation/lid.h"

#include "analysis/wall_pressure.h"

#include <algorithm>

namespace simulation {

namespace {

// Between the skins of floor and lid the atoms need room of at least one
// skin's thickness, whatever the file's height.
constexpr double kLeastRoom = 3.0 * analysis::kWallSkin;

const std::string kWaitsForAtoms =
    "The lid waits: an atom lies close under it, deeper in the lid's wall skin than is safe; "
    "it moves on once the wall has pushed the atom back.";
const std::string kNoRoom =
    "The lid stops here: any lower, the wall skins of lid and floor would leave the atoms no "
    "room between them.";

} // namespace

void Lid::reset(const std::array<double, 6> &fileBox) {
  fileBox_ = fileBox;
  box_ = fileBox;
  target_ = 1.0;
  hold_.clear();
}

void Lid::setTarget(double fraction) {
  target_ = std::clamp(fraction, kSmallest, 1.0);
  hold_.clear();
}

double Lid::height() const {
  const double file = fileBox_[4] - fileBox_[1];
  return file > 0.0 ? (box_[4] - box_[1]) / file : 1.0;
}

// The file's own top exactly at 1, so that a lid back up hands the engine
// the file's box unchanged.
double Lid::targetTop() const {
  if (target_ >= 1.0)
    return fileBox_[4];
  return std::max(fileBox_[1] + target_ * (fileBox_[4] - fileBox_[1]), lowestTop());
}

double Lid::lowestTop() const { return std::min(fileBox_[1] + kLeastRoom, fileBox_[4]); }

// The lowest top that keeps every atom within kSafeDepth of the skin's
// inner face.
double Lid::safeTop(std::span<const double> coords) const {
  double highest = fileBox_[1];
  for (std::size_t k = 1; k < coords.size(); k += 3)
    highest = std::max(highest, coords[k]);
  return highest + analysis::kWallSkin - kSafeDepth;
}

bool Lid::advance(std::span<const double> coords, int steps) {
  const double top = box_[4];
  const double wanted = targetTop();
  if (top == wanted) {
    hold_ = target_ < 1.0 && wanted > fileBox_[1] + target_ * (fileBox_[4] - fileBox_[1])
                ? kNoRoom
                : std::string();
    return false;
  }
  const double reach = pace_ * std::max(steps, 0);
  double next = std::clamp(wanted, top - reach, top + reach);
  if (next < top) {
    next = std::max(next, safeTop(coords));
    hold_ = next == std::max(wanted, top - reach) ? std::string() : kWaitsForAtoms;
    if (next >= top)
      return false;
  } else {
    hold_.clear();
  }
  box_[4] = next;
  return true;
}

} // namespace simulation
