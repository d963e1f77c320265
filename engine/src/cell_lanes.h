// Four 32-bit integers side by side, compared and added in one go.
#ifndef PAVEX_CELL_LANES_H
#define PAVEX_CELL_LANES_H

#include "engine_state.h"

#include <cstring>

namespace pavex {

using CellLanes = int32_t __attribute__((vector_size(4 * sizeof(int32_t))));
static_assert(sizeof(CellLanes) == kCellLanes * sizeof(int32_t));

// Four consecutive values, wherever they are aligned.
inline CellLanes loadLanes(const int32_t *values) {
  CellLanes lanes;
  std::memcpy(&lanes, values, sizeof lanes);
  return lanes;
}

} // namespace pavex

#endif
