#include "pair_sweep.h"

#include "cell_lanes.h"

#include <algorithm>
#include <climits>

namespace pavex {
namespace {

// The records of type t with every type u, at u.
const PairRecord *pairRecordsOf(const EngineState &state, int32_t t) {
  return state.pairMatrix.get() + static_cast<int64_t>(t) * state.pairTableTypes;
}

// Ranks of `count` (<= 4 * kGroups) different slots, padded to 4 * kGroups
// with slots larger than any: how many of the slots are smaller, for four at
// once against one slot at a time (no branches to mispredict, no sums across
// lanes, and a fixed number of lanes that stay in registers).
template <int32_t kGroups> void rankSlots(const int32_t *slot, int32_t count, CellLanes *smaller) {
  CellLanes own[kGroups];
  for (int32_t g = 0; g < kGroups; ++g) {
    own[g] = loadLanes(slot + kCellLanes * g);
    smaller[g] = CellLanes{0, 0, 0, 0};
  }
  for (int32_t m = 0; m < count; ++m) {
    const CellLanes other = CellLanes{0, 0, 0, 0} + slot[m];
    for (int32_t g = 0; g < kGroups; ++g) {
      smaller[g] -= other < own[g];
    }
  }
}

// Writes the first `count` keys to `sorted` in slot order; `slot` holds their
// slots, all different. A few keys are placed by their ranks; more go
// through an insertion sort.
void sortKeys(const uint64_t *keys, const int32_t *slot, int32_t count, uint64_t *sorted) {
  constexpr int32_t kFew = 32;
  if (count <= kFew) {
    int32_t padded[kFew];
    std::copy_n(slot, count, padded);
    std::fill(padded + count, padded + kFew, INT32_MAX); // smaller than none
    CellLanes smaller[kFew / kCellLanes];
    if (count <= kFew / 2) {
      rankSlots<kFew / kCellLanes / 2>(padded, count, smaller);
    } else {
      rankSlots<kFew / kCellLanes>(padded, count, smaller);
    }
    for (int32_t k = 0; k < count; ++k) {
      sorted[smaller[k / kCellLanes][k % kCellLanes]] = keys[k];
    }
    return;
  }
  for (int32_t k = 0; k < count; ++k) {
    const uint64_t key = keys[k];
    int32_t m = k;
    for (; m > 0 && sorted[m - 1] > key; --m) {
      sorted[m] = sorted[m - 1];
    }
    sorted[m] = key;
  }
}

// Where the candidates' positions are read: slots in slot order, or column
// entries, whose positions lie beside the cells the column walk just read.
// Slots come in slot order; entries from several columns need sorting.
struct SlotPositions {
  static constexpr bool kInSlotOrder = true;
  const double *p;
  int32_t slotOf(int32_t c) const { return c; }
  double x(int32_t c) const { return p[3 * static_cast<int64_t>(c)]; }
  double y(int32_t c) const { return p[3 * static_cast<int64_t>(c) + 1]; }
  double z(int32_t c) const { return p[3 * static_cast<int64_t>(c) + 2]; }
};

struct EntryPositions {
  static constexpr bool kInSlotOrder = false;
  const int32_t *slot;
  const double *px, *py, *pz;
  int32_t slotOf(int32_t e) const { return slot[e]; }
  double x(int32_t e) const { return px[e]; }
  double y(int32_t e) const { return py[e]; }
  double z(int32_t e) const { return pz[e]; }
};

// The pairs found for one slot: their keys (slot in the high half, candidate
// number in the low half) in slot order, and the squared distance of every
// candidate.
struct FoundPairs {
  uint64_t *keys;
  double *r2;
  int32_t count = 0;
};

// Picks the `count` candidates of slot a that lie within their pair's
// cut-off and returns how many there are. Their keys go to `found` in slot
// order: sorted here unless the candidates came in slot order already;
// found.r2 gets the squared distance of every candidate, and `candidates`
// the slots of those kept. Every key is written and only the close ones are
// counted, which spares a branch that would often be mispredicted.
template <typename Positions>
int32_t keepWithinCutoff(const EngineState &state, SweepScratch &scratch, int32_t a, int32_t count,
                         const Positions &at, FoundPairs &found) {
  const AtomArrays &atoms = state.atoms;
  const double *p = atoms.slotPosition.get();
  int32_t *slot = scratch.candidates.get();
  double *dist = found.r2;
  // Keys to be sorted are written beside the sorted ones.
  uint64_t *keys = Positions::kInSlotOrder ? found.keys : scratch.unsortedKeys.get();
  const int64_t a3 = 3 * static_cast<int64_t>(a);
  const double xa = p[a3], ya = p[a3 + 1], za = p[a3 + 2];
  const PairRecord *records = pairRecordsOf(state, atoms.slotType[a]);
  int32_t kept = 0;
  for (int32_t c = 0; c < count; ++c) {
    const int32_t e = slot[c];
    const int32_t b = at.slotOf(e);
    const double dx = xa - at.x(e);
    const double dy = ya - at.y(e);
    const double dz = za - at.z(e);
    const double r2 = dz * dz + dy * dy + dx * dx;
    dist[c] = r2;
    keys[kept] = static_cast<uint64_t>(b) << 32 | static_cast<uint32_t>(c);
    slot[kept] = b; // kept <= c: overwrites only candidates already read
    kept += r2 < records[atoms.slotType[b]].d2;
  }
  if constexpr (!Positions::kInSlotOrder) {
    sortKeys(keys, slot, kept, found.keys);
  }
  return kept;
}

// Finds the pairs of slot a with the slots after it, in slot order. Must be
// called for a = from, from + 1, ... in turn after placeCursors(from).
void findPairs(const EngineState &state, const ColumnLayout &layout, SweepScratch &scratch,
               int32_t a, FoundPairs &found) {
  const AtomArrays &atoms = state.atoms;
  const int32_t count =
      gatherCandidates(state, layout, a, scratch.cursor.get(), scratch.candidates.get());
  if (!layout.filed) {
    const SlotPositions slots{atoms.slotPosition.get()};
    found.count = keepWithinCutoff(state, scratch, a, count, slots, found);
    return;
  }
  const EntryPositions entries{atoms.columnSlot.get(), atoms.columnX.get(), atoms.columnY.get(),
                               atoms.columnZ.get()};
  found.count = keepWithinCutoff(state, scratch, a, count, entries, found);
}

// Fewest atoms for which the partners' memory is asked for ahead: with
// fewer, their positions and forces stay in the nearest caches and asking
// only costs time (measured: 5 % lost at 2,000 and 9,826 atoms, 10 % gained
// at 128,000).
constexpr int32_t kPrefetchFrom = 32768;

// Asks for the memory of the partners' positions and forces ahead of their
// use, while the slot before is still being summed.
void prefetchPartners(const EngineState &state, const FoundPairs &found) {
  for (int32_t c = 0; c < found.count; ++c) {
    const int64_t b3 = 3 * static_cast<int64_t>(found.keys[c] >> 32);
    __builtin_prefetch(state.atoms.slotForce.get() + b3, 1);
    __builtin_prefetch(state.atoms.slotPosition.get() + b3);
  }
}

// The pair's force strength (force on the first atom is -strength times the
// distance vector) and s^2, at squared distance r2.
struct PairTerms {
  double strength;
  double q;
};

PairTerms pairTerms(const PairRecord &pair, double r2) {
  const double s = (r2 - pair.d2) * pair.r;
  const double q = s * s;
  return {s * (q - pair.halfB) * pair.k8, q};
}

// Adds the forces of the pairs found for an owned slot a, in key order, to a
// and to its owned partners, and their energies to the part.
template <bool kOneOfSeveral>
void addOwnedPairs(const EngineState &state, const FoundPairs &found, int32_t a, SweepPart &part) {
  const AtomArrays &atoms = state.atoms;
  const double *p = atoms.slotPosition.get();
  double *f = atoms.slotForce.get();
  const int64_t a3 = 3 * static_cast<int64_t>(a);
  const double xi = p[a3], yi = p[a3 + 1], zi = p[a3 + 2];
  const PairRecord *records = pairRecordsOf(state, atoms.slotType[a]);
  double fxi = f[a3], fyi = f[a3 + 1], fzi = f[a3 + 2];
  for (int32_t c = 0; c < found.count; ++c) {
    const uint64_t key = found.keys[c];
    const auto b = static_cast<int32_t>(key >> 32);
    const int64_t b3 = 3 * static_cast<int64_t>(b);
    const PairRecord &pair = records[atoms.slotType[b]];
    const double dx = xi - p[b3];
    const double dy = yi - p[b3 + 1];
    const double dz = zi - p[b3 + 2];
    const PairTerms t = pairTerms(pair, found.r2[key & 0xffffffffu]);
    fxi -= t.strength * dx;
    fyi -= t.strength * dy;
    fzi -= t.strength * dz;
    if (!kOneOfSeveral || b < part.ownTo) {
      f[b3] += t.strength * dx;
      f[b3 + 1] += t.strength * dy;
      f[b3 + 2] += t.strength * dz;
    }
    const double energy = pair.a * t.q * (t.q - pair.b);
    if constexpr (kOneOfSeveral) {
      part.storeEnergy(energy);
    } else {
      part.energy += energy;
    }
  }
  f[a3] = fxi;
  f[a3 + 1] = fyi;
  f[a3 + 2] = fzi;
}

// Adds the forces of the pairs found for slot a, which the part does not
// own, to those partners that it owns.
void addToOwnedPartners(const EngineState &state, const FoundPairs &found, int32_t a,
                        const SweepPart &part) {
  const AtomArrays &atoms = state.atoms;
  const double *p = atoms.slotPosition.get();
  double *f = atoms.slotForce.get();
  const int64_t a3 = 3 * static_cast<int64_t>(a);
  const PairRecord *records = pairRecordsOf(state, atoms.slotType[a]);
  for (int32_t c = 0; c < found.count; ++c) {
    const uint64_t key = found.keys[c];
    const auto b = static_cast<int32_t>(key >> 32);
    if (b < part.ownFrom || b >= part.ownTo) {
      continue;
    }
    const int64_t b3 = 3 * static_cast<int64_t>(b);
    const PairTerms t = pairTerms(records[atoms.slotType[b]], found.r2[key & 0xffffffffu]);
    f[b3] += t.strength * (p[a3] - p[b3]);
    f[b3 + 1] += t.strength * (p[a3 + 1] - p[b3 + 1]);
    f[b3 + 2] += t.strength * (p[a3 + 2] - p[b3 + 2]);
  }
}

// Sweeps the part's slots in order. The pairs of the next slot are found
// before the forces of the current one are summed, so that its partners'
// memory is on its way while the current slot is summed.
template <bool kOneOfSeveral>
void sweepSlots(const EngineState &state, const ColumnLayout &layout, SweepScratch &scratch,
                SweepPart &part) {
  const int32_t end = std::min(part.ownTo, state.n - 1); // the last slot has no later partner
  if (part.searchFrom >= end) {
    return;
  }
  const int64_t n = state.n;
  const bool prefetch = n >= kPrefetchFrom;
  FoundPairs found[2] = {{scratch.candidateKeys.get(), scratch.candidateR2.get()},
                         {scratch.candidateKeys.get() + n, scratch.candidateR2.get() + n}};
  findPairs(state, layout, scratch, part.searchFrom, found[0]);
  for (int32_t a = part.searchFrom; a < end; ++a) {
    const FoundPairs &now = found[(a - part.searchFrom) & 1];
    if (a + 1 < end) {
      FoundPairs &next = found[(a + 1 - part.searchFrom) & 1];
      findPairs(state, layout, scratch, a + 1, next);
      if (prefetch) {
        prefetchPartners(state, next);
      }
    }
    if (a < part.ownFrom) {
      addToOwnedPartners(state, now, a, part);
    } else {
      addOwnedPairs<kOneOfSeveral>(state, now, a, part);
    }
  }
}

} // namespace

void sweep(const EngineState &state, const ColumnLayout &layout, SweepScratch &scratch,
           SweepPart &part) {
  if (layout.filed) {
    placeCursors(state, layout, part.searchFrom, scratch.cursor.get());
  }
  if (part.terms != nullptr) {
    sweepSlots<true>(state, layout, scratch, part);
  } else {
    sweepSlots<false>(state, layout, scratch, part);
  }
}

} // namespace pavex
