// Colour by speed: each atom's speed placed on a ramp from cold blue to hot
// red over the spread of the speeds shown. Qt-free.
#pragma once

#include "atom_drawing/atom_colours.h"

#include <span>

namespace views {

// Steps of the ramp; each is one sphere colour.
constexpr int kRampLevels = 32;

// The slowest and fastest speed of a frame (both 0 for no atoms).
struct SpeedSpread {
  double slowest = 0.0;
  double fastest = 0.0;
};
SpeedSpread speedSpread(std::span<const double> speeds);

// The ramp step of a speed, 0 (slowest) to kRampLevels - 1 (fastest). With
// all speeds equal every atom is at step 0.
int rampLevel(const SpeedSpread &spread, double speed);

// The colour of a ramp step: blue, cyan, green, yellow, red.
atom_drawing::AtomColour rampColour(int level);

} // namespace views
