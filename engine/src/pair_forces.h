// Pair forces between atoms within their pair's cut-off.
#ifndef PAVEX_PAIR_FORCES_H
#define PAVEX_PAIR_FORCES_H

#include "engine_state.h"

namespace pavex {

// Adds the pair forces at the current positions to the force array, each
// pair of the neighbour grid's sweep once, and returns the pair energy sum.
// Every atom's type must be covered by the pair table.
double computePairForces(EngineState &state);

} // namespace pavex

#endif
