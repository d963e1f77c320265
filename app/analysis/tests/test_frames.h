// Small frames with known answers for the measure tests.
#pragma once

#include "analysis/atom_frame.h"

namespace analysis::testing {

// The pair of the liquid material: A 4096, b 1, C 1412, D 2048 (r0 ≈ 1624).
extern const double kLiquidPair[4];
// Its nearest-neighbour distance, the minimum of the pair potential.
extern const double kLiquidR0;

// A face-centred cube of 3 × 3 × 3 cells with neighbours at r0, one type,
// in a box of 30,000 on each side.
AtomFrame crystal(double r0);

// Every atom moved on to where the next one stood: the crystal's sites, but
// no atom near its own, as in a liquid.
AtomFrame reshuffled(AtomFrame frame);

// The same atoms moved by (dx, dy, 0).
AtomFrame shifted(AtomFrame frame, double dx, double dy);

// The same atoms turned by an angle (radians) about the vertical through
// (10000, 10000).
AtomFrame turned(const AtomFrame &frame, double angle);

// Four atoms at the corners of a tetrahedron of edge r0, each with three
// neighbours; and the same with each atom moved on to the next corner.
AtomFrame tetrahedron(double r0);
AtomFrame tetrahedronTurnedOn(const AtomFrame &frame);

} // namespace analysis::testing
