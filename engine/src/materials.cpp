// Material types and masses of the atoms.
#include "engine_state.h"
#include "pavex.h"

#include <algorithm>

extern "C" int32_t MD_set_nr_of_materials(int32_t n) {
  pavex::EngineState &state = pavex::engine();
  if (n < 1) {
    return 0;
  }
  state.numTypes = n;
  if (!state.atoms.present()) {
    return 0;
  }
  // Blocks of `size` atoms per type; the first block holds one atom more and
  // the last type takes the remainder.
  const int32_t size = state.n / n;
  int32_t limit = size;
  int32_t type = 0;
  for (int32_t i = 0; i < state.n; ++i) {
    if (i > limit) {
      limit += size;
      type = std::min(type + 1, n - 1);
    }
    state.atoms.type[i] = type;
  }
  return size;
}

extern "C" int32_t MD_get_atom_properties(double *masses, int32_t *types) {
  const pavex::EngineState &state = pavex::engine();
  if (!state.atoms.present()) {
    return 0;
  }
  std::copy_n(state.atoms.mass.get(), state.n, masses);
  std::copy_n(state.atoms.type.get(), state.n, types);
  return 4 * state.n;
}

extern "C" int32_t MD_set_atom_properties(const double *masses, const int32_t *types) {
  pavex::EngineState &state = pavex::engine();
  if (!state.atoms.present()) {
    return 0;
  }
  std::copy_n(masses, state.n, state.atoms.mass.get());
  std::copy_n(types, state.n, state.atoms.type.get());
  return 4 * state.n;
}
