#include "pair_forces.h"

#include "cell_lanes.h"
#include "neighbour_grid.h"
#include "pair_table.h"

#include <algorithm>
#include <climits>

namespace pavex {
namespace {

// The records of type t with every type u, at u.
const PairRecord *pairRecordsOf(const EngineState &state, int32_t t) {
  return state.pairMatrix.get() + static_cast<int64_t>(t) * state.pairTableTypes;
}

// Sorts the first `count` keys by slot; `slot` holds their slots, all
// different, and has room for kCellLanes more. A few keys are placed by
// counting how many slots are smaller, four slots at a time (no branches to
// mispredict); more go through an insertion sort.
void sortKeys(uint64_t *keys, int32_t *slot, int32_t count) {
  constexpr int32_t kFew = 32;
  if (count <= kFew) {
    std::fill_n(slot + count, kCellLanes, INT32_MAX); // smaller than none
    uint64_t sorted[kFew];
    for (int32_t k = 0; k < count; ++k) {
      CellLanes smaller = {0, 0, 0, 0};
      for (int32_t m = 0; m < count; m += kCellLanes) {
        smaller -= loadLanes(slot + m) < slot[k];
      }
      sorted[smaller[0] + smaller[1] + smaller[2] + smaller[3]] = keys[k];
    }
    std::copy_n(sorted, count, keys);
    return;
  }
  for (int32_t k = 1; k < count; ++k) {
    const uint64_t key = keys[k];
    int32_t m = k;
    for (; m > 0 && keys[m - 1] > key; --m) {
      keys[m] = keys[m - 1];
    }
    keys[m] = key;
  }
}

// Picks the candidates of slot a that lie within their pair's cut-off and
// returns how many there are. Their keys (slot in the high half, candidate
// number in the low half) come out in slot order: sorted here unless the
// candidates came in slot order already. candidateR2 holds the squared
// distance of every candidate. Every key is written and only the close ones
// are counted, which spares a branch that would often be mispredicted.
int32_t keepWithinCutoff(const EngineState &state, int32_t a, int32_t count, bool sorted) {
  const AtomArrays &atoms = state.atoms;
  const double *p = atoms.slotPosition.get();
  int32_t *slot = atoms.candidates.get();
  double *dist = atoms.candidateR2.get();
  uint64_t *keys = atoms.candidateKeys.get();
  const int64_t a3 = 3 * static_cast<int64_t>(a);
  const double xa = p[a3], ya = p[a3 + 1], za = p[a3 + 2];
  const PairRecord *records = pairRecordsOf(state, atoms.slotType[a]);
  int32_t kept = 0;
  for (int32_t c = 0; c < count; ++c) {
    const int32_t b = slot[c];
    const int64_t b3 = 3 * static_cast<int64_t>(b);
    const double dx = xa - p[b3];
    const double dy = ya - p[b3 + 1];
    const double dz = za - p[b3 + 2];
    const double r2 = dz * dz + dy * dy + dx * dx;
    dist[c] = r2;
    keys[kept] = static_cast<uint64_t>(b) << 32 | static_cast<uint32_t>(c);
    slot[kept] = b; // kept <= c: overwrites only candidates already read
    kept += r2 < records[atoms.slotType[b]].d2;
  }
  if (!sorted) {
    sortKeys(keys, slot, kept);
  }
  return kept;
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
  AtomArrays &atoms = state.atoms;
  const double *p = atoms.slotPosition.get();
  double *f = atoms.slotForce.get();
  double energy = 0.0;
  for (int32_t a = 0; a + 1 < state.n; ++a) {
    const int32_t kept = keepWithinCutoff(
        state, a, gatherCandidates(state, layout, a, atoms.candidates.get()), !layout.filed);
    const int64_t a3 = 3 * static_cast<int64_t>(a);
    const double xi = p[a3], yi = p[a3 + 1], zi = p[a3 + 2];
    const PairRecord *records = pairRecordsOf(state, atoms.slotType[a]);
    double fxi = f[a3], fyi = f[a3 + 1], fzi = f[a3 + 2];
    for (int32_t c = 0; c < kept; ++c) {
      const uint64_t key = atoms.candidateKeys[c];
      const auto b = static_cast<int32_t>(key >> 32);
      const int64_t b3 = 3 * static_cast<int64_t>(b);
      const PairRecord &pair = records[atoms.slotType[b]];
      const double dx = xi - p[b3];
      const double dy = yi - p[b3 + 1];
      const double dz = zi - p[b3 + 2];
      const double s = (atoms.candidateR2[key & 0xffffffffu] - pair.d2) * pair.r;
      const double q = s * s;
      const double strength = s * (q - pair.halfB) * pair.k8;
      fxi -= strength * dx;
      fyi -= strength * dy;
      fzi -= strength * dz;
      f[b3] += strength * dx;
      f[b3 + 1] += strength * dy;
      f[b3 + 2] += strength * dz;
      energy += pair.a * q * (q - pair.b);
    }
    f[a3] = fxi;
    f[a3 + 1] = fyi;
    f[a3 + 2] = fzi;
  }
  scatterForces(state);
  return energy;
}

} // namespace pavex
