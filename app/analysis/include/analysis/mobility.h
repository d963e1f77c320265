// Which share of each material's atoms moves: the per-atom measure that
// tells a liquid whose atoms all wander from one that has partly frozen.
#pragma once

#include "analysis/atom_frame.h"

#include <vector>

namespace analysis {

// An atom is mobile over a window when it moved more than this share of r0
// (the minimum of its type's own pair): half a bond length, far beyond the
// vibration of a crystal's atom about its site and well short of what a
// liquid's atom diffuses over a few thousand steps.
constexpr double kMobileDistance = 0.5;

// The share of each type's atoms (index = type; 0 for a type without atoms)
// whose displacement from one frame to the later one exceeds
// kMobileDistance·r0, each measured as relativeSquaredDisplacements does, so
// a crystal sliding and turning on the floor as a block shows only its
// vibration. Throws std::invalid_argument unless the frames hold the same
// atoms (checkFrames).
std::vector<double> mobileShares(const AtomFrame &from, const AtomFrame &to);

} // namespace analysis
