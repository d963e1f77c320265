#include "neighbour_grid.h"

#include <algorithm>

namespace pavex {
namespace {

constexpr double kGridRange = 32767.0;
constexpr double kSmallestExtent = 2048.0;
// Upper window bound that replaces a negative one.
constexpr int64_t kOpenUpperBound = 32767;

int32_t toGridUnits(double v) {
  if (v >= kGridLimit) {
    return kGridLimit;
  }
  if (v > -kGridLimit) {
    return static_cast<int32_t>(v);
  }
  return -kGridLimit; // also for NaN
}

// Gives every slot its grid cell; returns the extremes of grid y and z.
void assignCells(EngineState &state, int32_t (&lo)[2], int32_t (&hi)[2]) {
  const double scale = state.gridScale;
  const double *position = state.atoms.position.get();
  SortRecord *records = state.atoms.sortRecords.get();
  lo[0] = lo[1] = kGridLimit;
  hi[0] = hi[1] = -kGridLimit;
  for (int32_t k = 0; k < state.n; ++k) {
    SortRecord &r = records[k];
    const double *p = position + 3 * static_cast<int64_t>(r.atom);
    r.gx = toGridUnits(scale * (p[0] - state.boxMin[0]));
    r.gy = toGridUnits(scale * (p[1] - state.boxMin[1]));
    r.gz = toGridUnits(scale * (p[2] - state.boxMin[2]));
    lo[0] = std::min(lo[0], r.gy);
    hi[0] = std::max(hi[0], r.gy);
    lo[1] = std::min(lo[1], r.gz);
    hi[1] = std::max(hi[1], r.gz);
  }
}

// Stable, so equal grid x keep their order; cheap when little has moved.
void sortByGridX(SortRecord *records, int32_t n) {
  for (int32_t k = 1; k < n; ++k) {
    const SortRecord moving = records[k];
    int32_t m = k;
    for (; m > 0 && records[m - 1].gx > moving.gx; --m) {
      records[m] = records[m - 1];
    }
    records[m] = moving;
  }
}

ColumnLayout chooseLayout(const EngineState &state, const int32_t (&lo)[2],
                          const int32_t (&hi)[2]) {
  ColumnLayout layout;
  layout.originY = lo[0];
  layout.originZ = lo[1];
  layout.edge = std::max<int64_t>(state.window, 1);
  for (;;) {
    layout.countY = (static_cast<int64_t>(hi[0]) - lo[0]) / layout.edge + 1;
    layout.countZ = (static_cast<int64_t>(hi[1]) - lo[1]) / layout.edge + 1;
    if (layout.countY * layout.countZ <= state.atoms.columnCapacity) {
      return layout;
    }
    layout.edge *= 2;
  }
}

int64_t columnOf(const ColumnLayout &layout, int64_t gy, int64_t gz) {
  return (gy - layout.originY) / layout.edge +
         layout.countY * ((gz - layout.originZ) / layout.edge);
}

// Counting sort of the slots into columns; within a column slots keep their
// order. Leaves every column's cursor at its first entry.
void fileByColumn(EngineState &state, const ColumnLayout &layout) {
  AtomArrays &atoms = state.atoms;
  const int64_t columns = layout.countY * layout.countZ;
  int32_t *start = atoms.columnStart.get();
  int32_t *cursor = atoms.columnCursor.get();
  std::fill_n(start, columns + 1, 0);
  for (int32_t k = 0; k < state.n; ++k) {
    const SortRecord &r = atoms.sortRecords[k];
    ++start[columnOf(layout, r.gy, r.gz) + 1];
  }
  for (int64_t c = 0; c < columns; ++c) {
    start[c + 1] += start[c];
  }
  std::copy_n(start, columns, cursor);
  for (int32_t k = 0; k < state.n; ++k) {
    const SortRecord &r = atoms.sortRecords[k];
    atoms.columnEntries[cursor[columnOf(layout, r.gy, r.gz)]++] = {k, r.gx, r.gy, r.gz};
  }
  std::copy_n(start, columns, cursor);
}

// Insertion sort of a few slot numbers made of presorted runs.
void sortSlots(int32_t *slots, int32_t count) {
  for (int32_t k = 1; k < count; ++k) {
    const int32_t moving = slots[k];
    int32_t m = k;
    for (; m > 0 && slots[m - 1] > moving; --m) {
      slots[m] = slots[m - 1];
    }
    slots[m] = moving;
  }
}

// Window of a slot in grid units: gx below hx, gy and gz strictly inside.
struct Window {
  int64_t hx, ly, hy, lz, hz;
};

Window windowOf(const SortRecord &r, int32_t w) {
  Window win{static_cast<int64_t>(r.gx) + w, static_cast<int64_t>(r.gy) - w,
             static_cast<int64_t>(r.gy) + w, static_cast<int64_t>(r.gz) - w,
             static_cast<int64_t>(r.gz) + w};
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
void columnRange(int64_t lo, int64_t hi, int64_t origin, int64_t count, int64_t edge,
                 int64_t &first, int64_t &last) {
  first = std::max<int64_t>(lo + 1 - origin, 0) / edge;
  last = std::min<int64_t>((hi - 1 - origin) / edge, count - 1);
  if (hi - 1 < origin) {
    last = -1;
  }
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
  int32_t lo[2], hi[2];
  assignCells(state, lo, hi);
  sortByGridX(state.atoms.sortRecords.get(), state.n);
  const ColumnLayout layout = chooseLayout(state, lo, hi);
  fileByColumn(state, layout);
  return layout;
}

int32_t gatherCandidates(EngineState &state, const ColumnLayout &layout, int32_t a, int32_t *out) {
  AtomArrays &atoms = state.atoms;
  const Window win = windowOf(atoms.sortRecords[a], state.window);
  int64_t y0, y1, z0, z1;
  columnRange(win.ly, win.hy, layout.originY, layout.countY, layout.edge, y0, y1);
  columnRange(win.lz, win.hz, layout.originZ, layout.countZ, layout.edge, z0, z1);
  int32_t count = 0;
  for (int64_t cz = z0; cz <= z1; ++cz) {
    for (int64_t cy = y0; cy <= y1; ++cy) {
      const int64_t column = cy + layout.countY * cz;
      const int32_t end = atoms.columnStart[column + 1];
      int32_t k = atoms.columnCursor[column];
      while (k < end && atoms.columnEntries[k].slot <= a) {
        ++k;
      }
      atoms.columnCursor[column] = k;
      for (; k < end && atoms.columnEntries[k].gx < win.hx; ++k) {
        const ColumnEntry &e = atoms.columnEntries[k];
        if (win.ly < e.gy && e.gy < win.hy && win.lz < e.gz && e.gz < win.hz) {
          out[count++] = e.slot;
        }
      }
    }
  }
  sortSlots(out, count);
  return count;
}

} // namespace pavex
