// The lid: the top of the box (its largest y; gravity pulls toward -y) moved
// down to compress the atoms and back up to let them expand, between the
// scenario file's own box and kSmallest of its height. The engine's
// neighbour grid keeps the scale set for the file's box, so the lid never
// rises above it.
//
// The lid moves at most kPace per step, a pace at which the soft wall pushes
// the atoms ahead of it without losing one or heating them beyond what the
// thermostat takes away. A move that would put an atom deeper into the lid's
// skin than kSafeDepth, or outside the box, is never made: the lid goes only
// as far as is safe, and waits while that is nowhere. Qt-free and
// engine-free: its owner hands box() to the engine when advance() moved it.
#pragma once

#include <array>
#include <span>
#include <string>

namespace simulation {

class Lid {
public:
  // The smallest box height, as a fraction of the file's box height.
  static constexpr double kSmallest = 0.3;
  // Model length units per step. bench/lid_speed: bringing the lid down to
  // the smallest box and back up at this pace, the measured temperature of
  // the air (300 K and 90 K) and of the water (300 K) stays within 2.4 %,
  // 2.4 % and 4.0 % of the one held (block means over 500 steps); at twice
  // the pace the water strays 5.6 %. No pace up to 32 lost an atom.
  static constexpr double kPace = 0.5;
  // How far into the lid's skin a move may put an atom: the wall's rest
  // distance from the skin's inner face (W_D - W_C), where the wall's
  // energy reaches 9 W_A = 4,608 K.
  static constexpr double kSafeDepth = 636.0;

  // pace: model length units per step (bench/lid_speed tries others).
  explicit Lid(double pace = kPace) : pace_(pace) {}

  // Puts the lid at the file's box, with nothing to do.
  void reset(const std::array<double, 6> &fileBox);
  // The height to move to, as a fraction of the file's box height, clamped
  // to [kSmallest, 1].
  void setTarget(double fraction);

  // Moves the lid toward its target after a run of `steps` steps, the atoms
  // at `coords` (x, y, z per atom). Returns whether the box changed.
  bool advance(std::span<const double> coords, int steps);

  double height() const; // the box height now, a fraction of the file's
  double target() const { return target_; }
  bool moving() const { return box_[4] != targetTop(); }
  const std::string &hold() const { return hold_; }
  const std::array<double, 6> &box() const { return box_; }

private:
  double targetTop() const;
  double lowestTop() const;
  double safeTop(std::span<const double> coords) const;

  double pace_;
  std::array<double, 6> fileBox_{};
  std::array<double, 6> box_{};
  double target_ = 1.0;
  std::string hold_;
};

} // namespace simulation
