#include "pair_forces.h"

#include "pair_sweep.h"

#include <algorithm>

namespace pavex {
namespace {

// A sweep cut into parts, one per thread.
struct PartedSweep {
  const EngineState *state;
  const ColumnLayout *layout;
  SweepPart parts[kMostParts];
};

void sweepOnePart(void *context, int32_t part) {
  auto &work = *static_cast<PartedSweep *>(context);
  sweep(*work.state, *work.layout, work.state->atoms.sweeps[part], work.parts[part]);
}

// Cuts the slots into `count` parts of equal size. A part's search starts at
// the first slot whose window can reach its first owned slot: with no grid x
// below 0, a window reaches less than w beyond its own grid x.
void cutIntoParts(const EngineState &state, int32_t count, PartedSweep &work) {
  const int32_t *gx = state.atoms.slotGx.get();
  for (int32_t t = 0; t < count; ++t) {
    SweepPart &part = work.parts[t];
    part.ownFrom = static_cast<int32_t>(static_cast<int64_t>(state.n) * t / count);
    part.ownTo = static_cast<int32_t>(static_cast<int64_t>(state.n) * (t + 1) / count);
    part.searchFrom = static_cast<int32_t>(
        std::upper_bound(gx, gx + part.ownFrom, gx[part.ownFrom] - state.window) - gx);
    part.terms = state.atoms.energyTerms.get() + kEnergyTermsPerAtom * part.ownFrom;
    part.termRoom = kEnergyTermsPerAtom * (part.ownTo - part.ownFrom);
  }
}

// The pair sweep in as many parts as there are threads, when the atoms are
// many enough to gain and no grid x lies below 0 (a window of a slot there
// reaches any distance). Returns false, having changed no force, when it
// cannot be cut, or true with the energy sum.
bool sweepInParts(EngineState &state, const ColumnLayout &layout, double &energy) {
  const int32_t count = std::min(state.atoms.sweepParts, kMostParts);
  if (count < 2 || state.n < state.threadedFrom || state.atoms.slotGx[0] < 0) {
    return false;
  }
  PartedSweep work{&state, &layout, {}};
  cutIntoParts(state, count, work);
  state.workers->run(sweepOnePart, &work);
  energy = 0.0;
  for (int32_t t = 0; t < count; ++t) {
    if (work.parts[t].overflowed()) {
      std::fill_n(state.atoms.slotForce.get(), 3 * static_cast<int64_t>(state.n), 0.0);
      return false;
    }
    for (int64_t k = 0; k < work.parts[t].termCount; ++k) {
      energy += work.parts[t].terms[k];
    }
  }
  return true;
}

// Writes the slot forces back to the atoms' force array.
void scatterForces(EngineState &state) {
  AtomArrays &atoms = state.atoms;
  for (int64_t k = 0; k < state.n; ++k) {
    const int64_t i = atoms.sortRecords[k].atom;
    for (int d = 0; d < 3; ++d) {
      atoms.force[3 * i + d] = atoms.slotForce[3 * k + d];
    }
  }
}

} // namespace

double computePairForces(EngineState &state) {
  const ColumnLayout layout = updateNeighbourGrid(state);
  double energy = 0.0;
  if (!sweepInParts(state, layout, energy)) {
    SweepPart whole;
    whole.ownTo = state.n;
    sweep(state, layout, state.atoms.sweeps[0], whole);
    energy = whole.energy;
  }
  scatterForces(state);
  return energy;
}

} // namespace pavex
