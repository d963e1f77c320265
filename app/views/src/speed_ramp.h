// Colour by speed: each atom's speed placed on a ramp from cold blue to hot
// red, or to bright yellow, over the spread of the speeds shown. Qt-free.
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

// The ramps a speed can be coloured by. BlueToRed runs blue, cyan, green,
// yellow, red. BlueToYellow runs from a medium blue through grey to yellow,
// getting brighter at every step, and holds no red-green contrast, so that
// readers with red-green colour blindness see the same ramp.
enum class SpeedRamp { BlueToRed, BlueToYellow };

// The colour of a ramp step.
atom_drawing::AtomColour rampColour(int level, SpeedRamp ramp = SpeedRamp::BlueToRed);

} // namespace views
