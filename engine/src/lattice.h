// The start lattice of MD_init: a body-centred cubic crystal in a box with
// fixed margins.
#ifndef PAVEX_LATTICE_H
#define PAVEX_LATTICE_H

#include "engine_state.h"

namespace pavex {

// Places two atoms per cell (corner, then centre), x fastest, into the
// position array; returns how many atoms were placed (0 when a dimension is
// negative).
int64_t placeLattice(double *position, int32_t nx, int32_t ny, int32_t nz);

// Shifts the atoms so that their bounding box starts at 0, adds the margins
// and stores the resulting box in the engine state.
void fitBoxAroundAtoms(EngineState &state);

} // namespace pavex

#endif
