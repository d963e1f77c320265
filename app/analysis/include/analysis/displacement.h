// How far each atom moved between two moments of a run, against its
// surroundings rather than against the box.
#pragma once

#include "analysis/atom_frame.h"
#include "analysis/neighbour_cells.h"

#include <vector>

namespace analysis {

// Squared displacement of every atom from one frame to a later one, measured
// against the mean displacement of its neighbours of the same type in the
// earlier frame: a crystal that slides or turns on the smooth floor as a
// whole shows only its vibration. An atom without such neighbours is
// measured against its type's drift (the mean displacement of its atoms).
// fromNeighbours are the neighbour lists of from; the frames must hold the
// same atoms (checkFrames).
std::vector<double> relativeSquaredDisplacements(const AtomFrame &from, const AtomFrame &to,
                                                 const NeighbourLists &fromNeighbours);

} // namespace analysis
