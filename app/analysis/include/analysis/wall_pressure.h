// What the soft walls of the box mean for pressure and volume.
#pragma once

#include "analysis/real_units.h"

#include <array>
#include <vector>

namespace analysis {

// The walls push an atom back only within this distance of each face.
constexpr double kWallSkin = 2048.0;

// The room inside the wall skins, where an atom feels no wall: each edge of
// the box less a skin at either end (0 when the skins meet).
double innerVolume(const std::array<double, 6> &box);
// A mass (model units) over the room inside the wall skins of the box, in
// kg/m³; 0 for a box whose skins meet.
double densityInside(double mass, const std::array<double, 6> &box, const ModelUnits &units);
// The area of the skins' inner faces, which the atoms press against.
double innerArea(const std::array<double, 6> &box);

// The engine divides its wall force sum by the area of the whole box, but
// the walls act at the inner faces of their skins: this is the same force
// per area of those faces, the pressure the atoms exert (model units). 0
// for a box whose skins meet.
double wallPressure(double enginePressure, const std::array<double, 6> &box);

// The pressure the walls themselves exert, from where the atoms are (x, y, z
// per atom): the walls' own push on every atom inside a skin, summed and
// divided by innerArea (model units; 0 for a box whose skins meet). The
// engine's wall force sum also counts the pair and gravity forces on those
// atoms, which are not the walls' and need not sum to nothing.
double wallPushPressure(const std::vector<double> &coords, const std::array<double, 6> &box);

// The same for the lid alone, the top face (largest y): its push on the atoms
// in its skin over the area of that skin's inner face. Under gravity the
// floor carries the weight of a liquid and the lid does not, so this is the
// pressure of the vapour or gas above it, the one a piston feels.
double lidPushPressure(const std::vector<double> &coords, const std::array<double, 6> &box);

} // namespace analysis
