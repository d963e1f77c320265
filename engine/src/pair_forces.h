// Pair forces between atoms within their pair's cut-off.
#ifndef PAVEX_PAIR_FORCES_H
#define PAVEX_PAIR_FORCES_H

#include "engine_state.h"

namespace pavex {

// Sets the force array to the pair forces at the current positions: each
// pair of the neighbour grid's sweep once, in sweep order. Returns the pair
// energy sum. Every atom's type must be covered by the pair table. With
// enough atoms the sweep is cut into parts on the engine's worker threads;
// every force and the energy sum are still added up in sweep order, so the
// bits do not depend on the threads.
double computePairForces(EngineState &state);

} // namespace pavex

#endif
