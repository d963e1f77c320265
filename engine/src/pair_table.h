// The pair table: one record per unordered pair of material types, in
// triangular order (0,0), (1,0), (1,1), (2,0), ...
#ifndef PAVEX_PAIR_TABLE_H
#define PAVEX_PAIR_TABLE_H

#include "engine_state.h"

namespace pavex {

// Index of the record shared by types t and u (either order).
inline int32_t pairIndex(int32_t t, int32_t u) {
  const int32_t hi = t > u ? t : u;
  const int32_t lo = t > u ? u : t;
  return hi * (hi + 1) / 2 + lo;
}

// Record with the four given parameters and the values derived from them.
PairRecord makePairRecord(double a, double b, double c, double d);

// Replaces the table by one for ntypes (>= 1) types read from params (four
// doubles per pair). Returns 0, or 4 when the table cannot be allocated.
int32_t installPairTable(EngineState &state, int32_t ntypes, const double *params);

// Installs the built-in table for the current number of types: depth 1024,
// reference distance 1412, cut-off 2048; shape 2 for a type with itself and
// 1 for two different types (the records (0,0), (1,0), (1,1) of the default).
int32_t installDefaultPairTable(EngineState &state);

} // namespace pavex

#endif
