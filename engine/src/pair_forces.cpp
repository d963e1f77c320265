#include "pair_forces.h"

#include "neighbour_grid.h"
#include "pair_table.h"

namespace pavex {

double computePairForces(EngineState &state) {
  const ColumnLayout layout = updateNeighbourGrid(state);
  AtomArrays &atoms = state.atoms;
  const double *position = atoms.position.get();
  const int32_t *type = atoms.type.get();
  const SortRecord *slots = atoms.sortRecords.get();
  const PairRecord *table = state.pairTable.get();
  double *force = atoms.force.get();
  int32_t *candidates = atoms.candidates.get();
  double energy = 0.0;
  for (int32_t a = 0; a + 1 < state.n; ++a) {
    const int32_t count = gatherCandidates(state, layout, a, candidates);
    if (count == 0) {
      continue;
    }
    const int64_t i3 = 3 * static_cast<int64_t>(slots[a].atom);
    const double xi = position[i3], yi = position[i3 + 1], zi = position[i3 + 2];
    const int32_t ti = type[slots[a].atom];
    double fxi = force[i3], fyi = force[i3 + 1], fzi = force[i3 + 2];
    for (int32_t c = 0; c < count; ++c) {
      const int32_t j = slots[candidates[c]].atom;
      const int64_t j3 = 3 * static_cast<int64_t>(j);
      const PairRecord &pair = table[pairIndex(ti, type[j])];
      const double dx = xi - position[j3];
      const double dy = yi - position[j3 + 1];
      const double dz = zi - position[j3 + 2];
      const double r2 = dz * dz + dy * dy + dx * dx;
      if (r2 < pair.d2) {
        const double s = (r2 - pair.d2) * pair.r;
        const double q = s * s;
        const double f = s * (q - pair.halfB) * pair.k8;
        fxi -= f * dx;
        fyi -= f * dy;
        fzi -= f * dz;
        force[j3] += f * dx;
        force[j3 + 1] += f * dy;
        force[j3 + 2] += f * dz;
        energy += pair.a * q * (q - pair.b);
      }
    }
    force[i3] = fxi;
    force[i3 + 1] = fyi;
    force[i3 + 2] = fzi;
  }
  return energy;
}

} // namespace pavex
