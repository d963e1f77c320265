// Four 32-bit integers side by side, compared and added in one go.
#ifndef PAVEX_CELL_LANES_H
#define PAVEX_CELL_LANES_H

#include "engine_state.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pavex {

using CellLanes = int32_t __attribute__((vector_size(4 * sizeof(int32_t))));
static_assert(sizeof(CellLanes) == kCellLanes * sizeof(int32_t));

// Four consecutive values, wherever they are aligned.
inline CellLanes loadLanes(const int32_t *values) {
  CellLanes lanes;
  std::memcpy(&lanes, values, sizeof lanes);
  return lanes;
}

// Bit l set where lane l of a comparison result is true (-1).
inline int32_t laneMask(const CellLanes &pass) {
#if defined(__SSE2__)
  return _mm_movemask_ps(_mm_castsi128_ps(reinterpret_cast<__m128i>(pass)));
#else
  return (pass[0] & 1) | (pass[1] & 2) | (pass[2] & 4) | (pass[3] & 8);
#endif
}

} // namespace pavex

#endif
