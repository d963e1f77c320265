// The neighbour grid: atoms mapped onto integer grid cells, slots kept sorted
// by grid x across steps, and each atom's forward window of candidates.
//
// The pair set and its order are those of a forward sweep over the x-sorted
// slots: for slot a, every later slot b whose grid x lies below gx_a + w and
// whose grid y and z lie strictly inside gy_a +- w and gz_a +- w (a window
// bound below 0 becomes 0, an upper bound below 0 becomes 32767), in slot
// order. A few atoms are found by walking the x window itself, which yields
// them in slot order. With more atoms the x window holds far more slots than
// the window does, so the slots are also filed by (y, z) column; each column
// lists its slots in slot order, so a window only visits the columns it
// overlaps.
#ifndef PAVEX_NEIGHBOUR_GRID_H
#define PAVEX_NEIGHBOUR_GRID_H

#include "engine_state.h"

namespace pavex {

// Grid coordinates and the window saturate here, so that atoms far outside
// the box overflow neither the conversion nor the 32-bit window arithmetic.
constexpr int32_t kGridLimit = 1 << 29;

// Grid scale and window half-width for the current box and largest cut-off:
// the largest box extent (at least 2048) spans 32767 grid units, and the
// window reaches one cut-off plus one grid unit.
void setUpNeighbourGrid(EngineState &state);

// Up to this many atoms the candidates come from walking the x window; past
// it the x window holds so many slots that filing by column pays.
constexpr int32_t kLargestSweep = 1200;

// How the slots of the current step are filed by (y, z) column: a column
// spans `edge` grid units on each axis, counted from the smallest grid y and z
// of any slot.
struct ColumnLayout {
  bool filed = false;   // false: the x window is walked, nothing is filed
  int64_t edge = 1;     // column width in grid units, at least the window
  double perUnit = 1.0; // 1 / edge: columns per grid unit
  int64_t originY = 0;  // smallest grid y of any slot
  int64_t originZ = 0;  // smallest grid z of any slot
  int64_t countY = 1;   // columns along y
  int64_t countZ = 1;   // columns along z
};

// Recomputes every slot's grid cell from the positions (measured from the
// box minimum), restores ascending grid x with a stable sort that starts
// from the previous order (equal grid x keep their order), and, with more
// than kLargestSweep atoms, files the slots by column. Also copies positions,
// types and grid cells into slot order and clears the slot forces.
ColumnLayout updateNeighbourGrid(EngineState &state);

// Sets each column's cursor (countY * countZ of them) to its first entry of
// a slot at or after `from`, for a walk over the slots from `from` on.
void placeCursors(const EngineState &state, const ColumnLayout &layout, int32_t from,
                  int32_t *cursor);

// Writes the candidates of slot a to `out` and returns how many there are:
// slots, in slot order, when the x window is walked; column entries when the
// slots are filed by column. `out` needs room for kCellLanes more. Must be
// called for a = from, from + 1, ... in turn after placeCursors(from) (each
// column's cursor only moves forward).
int32_t gatherCandidates(const EngineState &state, const ColumnLayout &layout, int32_t a,
                         int32_t *cursor, int32_t *out);

} // namespace pavex

#endif
