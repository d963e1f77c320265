#include "pair_table.h"

#include "pavex.h"

#include <new>

namespace pavex {
namespace {

constexpr double kDefaultDepth = 1024.0;
constexpr double kDefaultReference = 1412.0;
constexpr double kDefaultCutoff = 2048.0;
constexpr double kDefaultShapeSameType = 2.0;
constexpr double kDefaultShapeMixed = 1.0;

} // namespace

PairRecord makePairRecord(double a, double b, double c, double d) {
  const double width = c * c - d * d;
  PairRecord record{a, b, c, d, 8.0 * a / width, b / 2.0, d * d, 1.0 / width};
  // With C = D the potential has no width and its derived values would be
  // infinite; such a pair does not interact at all.
  if (width == 0.0) {
    record.k8 = 0.0;
    record.r = 0.0;
  }
  return record;
}

namespace {

// Replaces the table by an empty one for ntypes types and sets the counts.
int32_t resizePairTable(EngineState &state, int32_t ntypes) {
  const int64_t pairs = static_cast<int64_t>(ntypes) * (ntypes + int64_t{1}) / 2;
  state.numTypes = ntypes;
  state.pairTable.reset();
  state.pairMatrix.reset();
  state.pairTableTypes = 0;
  if (pairs > INT32_MAX / 4) {
    state.numPairs = 0;
    return PAVEX_E_NO_PAIR_MEMORY;
  }
  state.numPairs = static_cast<int32_t>(pairs);
  state.pairTable.reset(new (std::nothrow) PairRecord[pairs]);
  if (!state.pairTable) {
    return PAVEX_E_NO_PAIR_MEMORY;
  }
  state.pairTableTypes = ntypes;
  state.largestCutoff = 0.0;
  return PAVEX_OK;
}

void setPairRecord(EngineState &state, int32_t p, double a, double b, double c, double d) {
  state.pairTable[p] = makePairRecord(a, b, c, d);
  if (d > state.largestCutoff) {
    state.largestCutoff = d;
  }
}

// Copies every record into the matrix of type pairs once the table is
// filled. Returns `code`, or 4 when the matrix cannot be allocated (the
// table is then dropped too).
int32_t fillPairMatrix(EngineState &state, int32_t code) {
  if (code != PAVEX_OK) {
    return code;
  }
  const int64_t types = state.pairTableTypes;
  state.pairMatrix.reset(new (std::nothrow) PairRecord[types * types]);
  if (!state.pairMatrix) {
    state.pairTable.reset();
    state.pairTableTypes = 0;
    return PAVEX_E_NO_PAIR_MEMORY;
  }
  for (int32_t t = 0; t < types; ++t) {
    for (int32_t u = 0; u < types; ++u) {
      state.pairMatrix[t * types + u] = state.pairTable[pairIndex(t, u)];
    }
  }
  return PAVEX_OK;
}

} // namespace

int32_t installPairTable(EngineState &state, int32_t ntypes, const double *params) {
  const int32_t code = resizePairTable(state, ntypes);
  for (int32_t p = 0; code == PAVEX_OK && p < state.numPairs; ++p) {
    const double *q = params + 4 * static_cast<int64_t>(p);
    setPairRecord(state, p, q[0], q[1], q[2], q[3]);
  }
  return fillPairMatrix(state, code);
}

int32_t installDefaultPairTable(EngineState &state) {
  const int32_t code = resizePairTable(state, state.numTypes);
  for (int32_t t = 0, p = 0; code == PAVEX_OK && t < state.numTypes; ++t) {
    for (int32_t u = 0; u <= t; ++u, ++p) {
      const double shape = t == u ? kDefaultShapeSameType : kDefaultShapeMixed;
      setPairRecord(state, p, kDefaultDepth, shape, kDefaultReference, kDefaultCutoff);
    }
  }
  return fillPairMatrix(state, code);
}

} // namespace pavex

extern "C" int32_t MD_set_potential_function(int32_t ntypes, const double *params) {
  if (ntypes < 1) {
    return PAVEX_E_NO_TYPES;
  }
  if (params == nullptr) {
    return PAVEX_E_NULL_PARAMS;
  }
  return pavex::installPairTable(pavex::engine(), ntypes, params);
}

extern "C" int32_t MD_get_potential_function(int32_t *ntypes, double *params) {
  const pavex::EngineState &state = pavex::engine();
  *ntypes = state.numTypes;
  // Without a table that covers every type in use there is nothing sound to
  // copy; the caller's array is left as it was.
  if (!state.pairTable || state.pairTableTypes < state.numTypes) {
    return PAVEX_E_NO_PAIR_MEMORY;
  }
  const int64_t pairs = static_cast<int64_t>(state.numTypes) * (state.numTypes + int64_t{1}) / 2;
  for (int64_t p = 0; p < pairs; ++p) {
    const pavex::PairRecord &record = state.pairTable[p];
    params[4 * p] = record.a;
    params[4 * p + 1] = record.b;
    params[4 * p + 2] = record.c;
    params[4 * p + 3] = record.d;
  }
  return PAVEX_OK;
}
