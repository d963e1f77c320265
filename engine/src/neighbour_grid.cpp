#include "neighbour_grid.h"

#include "cell_lanes.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace pavex {
namespace {

constexpr double kGridRange = 32767.0;
constexpr double kSmallestExtent = 2048.0;
// Upper window bound that replaces a negative one.
constexpr int32_t kOpenUpperBound = 32767;

int32_t toGridUnits(double v) {
  if (v >= kGridLimit) {
    return kGridLimit;
  }
  if (v > -kGridLimit) {
    return static_cast<int32_t>(v);
  }
  return -kGridLimit; // also for NaN
}

// Smallest and largest grid x, y and z over all slots.
struct GridExtremes {
  int32_t lo[3] = {kGridLimit, kGridLimit, kGridLimit};
  int32_t hi[3] = {-kGridLimit, -kGridLimit, -kGridLimit};
};

GridExtremes assignCells(EngineState &state) {
  const double scale = state.gridScale;
  const double *position = state.atoms.position.get();
  SortRecord *records = state.atoms.sortRecords.get();
  GridExtremes ex;
  for (int32_t k = 0; k < state.n; ++k) {
    SortRecord &r = records[k];
    const double *p = position + 3 * static_cast<int64_t>(r.atom);
    const int32_t g[3] = {toGridUnits(scale * (p[0] - state.boxMin[0])),
                          toGridUnits(scale * (p[1] - state.boxMin[1])),
                          toGridUnits(scale * (p[2] - state.boxMin[2]))};
    r.gx = g[0];
    r.gy = g[1];
    r.gz = g[2];
    for (int d = 0; d < 3; ++d) {
      ex.lo[d] = std::min(ex.lo[d], g[d]);
      ex.hi[d] = std::max(ex.hi[d], g[d]);
    }
  }
  return ex;
}

// Counting sort, first half: after it bucketStart[b] and bucketCursor[b] hold
// where bucket b (0 <= b < buckets) begins in the sorted order.
template <typename KeyOf>
void bucketOffsets(AtomArrays &atoms, int64_t buckets, int32_t n, KeyOf keyOf) {
  int32_t *start = atoms.bucketStart.get();
  std::fill_n(start, buckets + 1, 0);
  for (int32_t k = 0; k < n; ++k) {
    ++start[keyOf(atoms.sortRecords[k]) + 1];
  }
  for (int64_t b = 0; b < buckets; ++b) {
    start[b + 1] += start[b];
  }
  std::copy_n(start, buckets, atoms.bucketCursor.get());
}

// Stable, so equal grid x keep their order. A counting sort when the grid x
// range fits the buckets, otherwise an insertion sort, which is cheap when
// little has moved since the last step.
void sortByGridX(AtomArrays &atoms, int32_t n, int32_t lo, int32_t hi) {
  const int64_t range = static_cast<int64_t>(hi) - lo + 1;
  SortRecord *records = atoms.sortRecords.get();
  if (range <= atoms.bucketCapacity) {
    const auto keyOf = [lo](const SortRecord &r) { return static_cast<int64_t>(r.gx) - lo; };
    bucketOffsets(atoms, range, n, keyOf);
    for (int32_t k = 0; k < n; ++k) {
      atoms.sortScratch[atoms.bucketCursor[keyOf(records[k])]++] = records[k];
    }
    std::swap(atoms.sortRecords, atoms.sortScratch);
    return;
  }
  for (int32_t k = 1; k < n; ++k) {
    const SortRecord moving = records[k];
    int32_t m = k;
    for (; m > 0 && records[m - 1].gx > moving.gx; --m) {
      records[m] = records[m - 1];
    }
    records[m] = moving;
  }
}

ColumnLayout chooseLayout(const EngineState &state, const GridExtremes &ex) {
  ColumnLayout layout;
  layout.filed = true;
  layout.originY = ex.lo[1];
  layout.originZ = ex.lo[2];
  layout.edge = std::max<int64_t>(state.window, 1);
  for (;;) {
    layout.countY = (static_cast<int64_t>(ex.hi[1]) - ex.lo[1]) / layout.edge + 1;
    layout.countZ = (static_cast<int64_t>(ex.hi[2]) - ex.lo[2]) / layout.edge + 1;
    if (layout.countY * layout.countZ <= state.atoms.columnLimit) {
      layout.perUnit = 1.0 / static_cast<double>(layout.edge);
      return layout;
    }
    layout.edge *= 2;
  }
}

// Column number along one axis of grid value v (>= origin). A multiplication
// instead of a division: any mapping that never decreases with v and agrees
// between filing and searching finds the same slots.
int64_t columnAlong(const ColumnLayout &layout, int64_t v, int64_t origin, int64_t count) {
  const auto c = static_cast<int64_t>(static_cast<double>(v - origin) * layout.perUnit);
  return std::min(c, count - 1);
}

int64_t columnOf(const ColumnLayout &layout, int64_t gy, int64_t gz) {
  return columnAlong(layout, gy, layout.originY, layout.countY) +
         layout.countY * columnAlong(layout, gz, layout.originZ, layout.countZ);
}

// First entry of a column whose slots begin at `start` in the counting
// sort: every column before it is followed by kCellLanes stop entries.
int32_t columnEntry(int32_t start, int64_t column) {
  return start + kCellLanes * static_cast<int32_t>(column);
}

// Files the slots by column; within a column slots keep their order, and
// after its last slot come kCellLanes entries whose grid x lies in no
// window, so a walk stops there without counting.
void fileByColumn(EngineState &state, const ColumnLayout &layout) {
  AtomArrays &atoms = state.atoms;
  const auto keyOf = [&layout](const SortRecord &r) { return columnOf(layout, r.gy, r.gz); };
  const int64_t columns = layout.countY * layout.countZ;
  bucketOffsets(atoms, columns, state.n, keyOf);
  for (int32_t k = 0; k < state.n; ++k) {
    const SortRecord &r = atoms.sortRecords[k];
    const auto column = static_cast<int32_t>(keyOf(r));
    const int32_t entry = columnEntry(atoms.bucketCursor[column]++, column);
    atoms.columnSlot[entry] = k;
    atoms.columnGx[entry] = r.gx;
    atoms.columnGy[entry] = r.gy;
    atoms.columnGz[entry] = r.gz;
    const double *p = atoms.slotPosition.get() + 3 * static_cast<int64_t>(k);
    atoms.columnX[entry] = p[0];
    atoms.columnY[entry] = p[1];
    atoms.columnZ[entry] = p[2];
    atoms.slotPlaces[k] = {entry, column};
  }
  for (int64_t c = 0; c < columns; ++c) {
    std::fill_n(atoms.columnGx.get() + columnEntry(atoms.bucketStart[c + 1], c), kCellLanes,
                INT32_MAX);
  }
}

// Positions and types in slot order, so that the pair loop reads neighbours
// from a short stretch of memory; the slot forces start at 0.
void copyToSlotOrder(EngineState &state) {
  AtomArrays &atoms = state.atoms;
  for (int64_t k = 0; k < state.n; ++k) {
    const int64_t i = atoms.sortRecords[k].atom;
    for (int d = 0; d < 3; ++d) {
      atoms.slotPosition[3 * k + d] = atoms.position[3 * i + d];
    }
    atoms.slotType[k] = atoms.type[i];
  }
  std::fill_n(atoms.slotForce.get(), 3 * static_cast<int64_t>(state.n), 0.0);
}

// Window of a slot in grid units: gx below hx, gy and gz strictly inside
// (ly, hy) and (lz, hz).
struct Window {
  int32_t hx, ly, hy, lz, hz;
};

Window windowOf(const SortRecord &r, int32_t w) {
  Window win{r.gx + w, r.gy - w, r.gy + w, r.gz - w, r.gz + w};
  if (win.hx < 0) {
    win.hx = kOpenUpperBound;
  }
  if (win.ly < 0) {
    win.ly = 0;
  }
  if (win.hy < 0) {
    win.hy = kOpenUpperBound;
  }
  if (win.lz < 0) {
    win.lz = 0;
  }
  if (win.hz < 0) {
    win.hz = kOpenUpperBound;
  }
  return win;
}

// Columns [first, last] along one axis that can hold values strictly
// between lo and hi; empty when first > last.
void columnRange(const ColumnLayout &layout, int64_t lo, int64_t hi, int64_t origin, int64_t count,
                 int64_t &first, int64_t &last) {
  first = columnAlong(layout, std::max(lo + 1, origin), origin, count);
  last = hi - 1 < origin ? -1 : columnAlong(layout, hi - 1, origin, count);
}

// Which of four slots with grid cells x, y, z lie in the window (-1) and
// which do not (0).
CellLanes inWindow(const Window &win, const CellLanes &x, const CellLanes &y, const CellLanes &z) {
  return (x < win.hx) & (y > win.ly) & (y < win.hy) & (z > win.lz) & (z < win.hz);
}

// For each set of passing lanes (bit l for lane l): the passing lanes first,
// in order, and how many there are.
struct LanePacking {
  alignas(16) int32_t lanes[16][kCellLanes];
  int32_t count[16];
};

constexpr LanePacking packLanes() {
  LanePacking packing{};
  for (int32_t mask = 0; mask < 16; ++mask) {
    int32_t n = 0;
    for (int32_t l = 0; l < kCellLanes; ++l) {
      if (mask >> l & 1) {
        packing.lanes[mask][n++] = l;
      }
    }
    packing.count[mask] = n;
  }
  return packing;
}

constexpr LanePacking kLanePacking = packLanes();

// Appends those of the four numbers first, first + 1, ... that pass at
// out[count], in order, and returns the new count; four numbers are always
// written, so no branch depends on the test.
int32_t appendPassing(int32_t first, const CellLanes &pass, int32_t *out, int32_t count) {
  const int32_t mask = laneMask(pass);
  const CellLanes packed = loadLanes(kLanePacking.lanes[mask]) + first;
  std::memcpy(out + count, &packed, sizeof packed);
  return count + kLanePacking.count[mask];
}

// Candidates of slot a from the slots that follow it while their grid x is
// below the window's, in slot order. Four slots are tested at once; a slot
// past the end of the x window fails the test, so a group may reach beyond.
int32_t sweepWindow(const AtomArrays &atoms, int32_t n, const Window &win, int32_t a,
                    int32_t *out) {
  const int32_t *gx = atoms.slotGx.get();
  const int32_t *gy = atoms.slotGy.get();
  const int32_t *gz = atoms.slotGz.get();
  int32_t count = 0;
  for (int32_t b = a + 1; b < n && gx[b] < win.hx; b += kCellLanes) {
    const CellLanes pass = inWindow(win, loadLanes(gx + b), loadLanes(gy + b), loadLanes(gz + b));
    count = appendPassing(b, pass, out, count);
  }
  return count;
}

// Candidates in one column from its entry k on, four entries at a time;
// entries past the x window or the column's last slot fail the test.
int32_t walkColumn(const AtomArrays &atoms, const Window &win, int32_t k, int32_t *out,
                   int32_t count) {
  const int32_t *gx = atoms.columnGx.get();
  const int32_t *gy = atoms.columnGy.get();
  const int32_t *gz = atoms.columnGz.get();
  for (; gx[k] < win.hx; k += kCellLanes) {
    const CellLanes pass = inWindow(win, loadLanes(gx + k), loadLanes(gy + k), loadLanes(gz + k));
    count = appendPassing(k, pass, out, count);
  }
  return count;
}

// Grid cells in slot order for the walk of the x window; the lanes past the
// last slot never lie in any window.
void copyCellsToSlotOrder(EngineState &state) {
  AtomArrays &atoms = state.atoms;
  for (int32_t k = 0; k < state.n; ++k) {
    const SortRecord &r = atoms.sortRecords[k];
    atoms.slotGx[k] = r.gx;
    atoms.slotGy[k] = r.gy;
    atoms.slotGz[k] = r.gz;
  }
  std::fill_n(atoms.slotGx.get() + state.n, kCellLanes, INT32_MAX);
}

} // namespace

void setUpNeighbourGrid(EngineState &state) {
  double extent = 0.0;
  for (int k = 0; k < 3; ++k) {
    extent = std::max(extent, state.boxMax[k] - state.boxMin[k]);
  }
  if (extent < kSmallestExtent) {
    extent = kSmallestExtent;
  }
  state.gridScale = kGridRange / extent;
  state.window = toGridUnits(state.largestCutoff * state.gridScale + 1.0);
}

ColumnLayout updateNeighbourGrid(EngineState &state) {
  const GridExtremes ex = assignCells(state);
  sortByGridX(state.atoms, state.n, ex.lo[0], ex.hi[0]);
  copyToSlotOrder(state);
  copyCellsToSlotOrder(state);
  if (state.n <= kLargestSweep) {
    return ColumnLayout{};
  }
  const ColumnLayout layout = chooseLayout(state, ex);
  fileByColumn(state, layout);
  return layout;
}

void placeCursors(const EngineState &state, const ColumnLayout &layout, int32_t from,
                  int32_t *cursor) {
  const AtomArrays &atoms = state.atoms;
  const int32_t *slot = atoms.columnSlot.get();
  for (int64_t c = 0; c < layout.countY * layout.countZ; ++c) {
    cursor[c] = static_cast<int32_t>(
        std::lower_bound(slot + columnEntry(atoms.bucketStart[c], c),
                         slot + columnEntry(atoms.bucketStart[c + 1], c), from) -
        slot);
  }
}

int32_t gatherCandidates(const EngineState &state, const ColumnLayout &layout, int32_t a,
                         int32_t *cursor, int32_t *out) {
  if (!layout.filed) {
    return sweepWindow(state.atoms, state.n, windowOf(state.atoms.sortRecords[a], state.window), a,
                       out);
  }
  const AtomArrays &atoms = state.atoms;
  // Slots are visited in order and each column lists its slots in order, so
  // a column's cursor stays one past the entry of the last slot visited in
  // it: slot a moves its own column's cursor past itself, and every cursor
  // then stands at its column's first slot after a.
  const SlotPlace place = atoms.slotPlaces[a];
  cursor[place.column] = place.entry + 1;
  const Window win = windowOf(atoms.sortRecords[a], state.window);
  int64_t y0, y1, z0, z1;
  columnRange(layout, win.ly, win.hy, layout.originY, layout.countY, y0, y1);
  columnRange(layout, win.lz, win.hz, layout.originZ, layout.countZ, z0, z1);
  int32_t count = 0;
  for (int64_t cz = z0; cz <= z1; ++cz) {
    for (int64_t cy = y0; cy <= y1; ++cy) {
      const int64_t column = cy + layout.countY * cz;
      count = walkColumn(atoms, win, cursor[column], out, count);
    }
  }
  return count;
}

} // namespace pavex
