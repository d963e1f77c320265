// Allocation of the per-atom arrays, all at once and zero-filled.
#ifndef PAVEX_ATOM_ARRAYS_H
#define PAVEX_ATOM_ARRAYS_H

#include "engine_state.h"

namespace pavex {

// Largest atom count whose coordinate arrays still have a byte size (24 N)
// that fits the 32-bit results of the array copies.
constexpr int64_t kMaxAtoms = INT32_MAX / 24;

// Fills `atoms` with fresh arrays for n atoms (0 <= n <= kMaxAtoms), with
// scratch for a pair sweep in `parts` parts (>= 1). Returns false and
// leaves `atoms` empty when any allocation fails.
bool allocateAtomArrays(AtomArrays &atoms, int32_t n, int32_t parts);

} // namespace pavex

#endif
