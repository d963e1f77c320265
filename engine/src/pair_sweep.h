// One stretch of the pair sweep: for each slot, its candidates within their
// pair's cut-off in slot order, and the forces and energies of those pairs
// added in exactly that order.
#ifndef PAVEX_PAIR_SWEEP_H
#define PAVEX_PAIR_SWEEP_H

#include "engine_state.h"
#include "neighbour_grid.h"

namespace pavex {

// One part of the pair sweep. It owns the forces of slots [ownFrom, ownTo)
// and sweeps the slots from `searchFrom` (<= ownFrom) to ownTo: the slots
// before ownFrom only add their share to owned partners, which thus receive
// every contribution in slot order, as in a sweep from slot 0. The energy
// terms of the owned slots are summed in `energy` by a part that owns every
// slot; a part of several (`terms` set) stores them in order instead, for
// the caller to sum after those of earlier parts.
struct SweepPart {
  int32_t searchFrom = 0;
  int32_t ownFrom = 0;
  int32_t ownTo = 0;
  double *terms = nullptr;
  int64_t termRoom = 0;
  int64_t termCount = 0;
  double energy = 0.0;

  void storeEnergy(double term) {
    if (termCount < termRoom) {
      terms[termCount] = term;
    }
    ++termCount; // past the room: the caller sweeps again in one part
  }
  bool overflowed() const { return termCount > termRoom; }
};

// Sweeps the slots of `part` after updateNeighbourGrid, with the scratch of
// the thread that runs it.
void sweep(const EngineState &state, const ColumnLayout &layout, SweepScratch &scratch,
           SweepPart &part);

} // namespace pavex

#endif
