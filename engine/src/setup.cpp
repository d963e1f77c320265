// MD_init and MD_free_all: the per-atom arrays, the start lattice, the box,
// the default pair table, the start velocities and the neighbour grid.
#include "atom_arrays.h"
#include "engine_state.h"
#include "lattice.h"
#include "neighbour_grid.h"
#include "pair_table.h"
#include "pavex.h"
#include "temperature.h"

#include <algorithm>
#include <new>

namespace pavex {
namespace {

// 2 nx ny nz in 64 bits; false when it is negative or too large for the
// engine's 32-bit array sizes.
bool latticeAtomCount(int32_t nx, int32_t ny, int32_t nz, int32_t &count) {
  int64_t product = 0;
  if (__builtin_mul_overflow(static_cast<int64_t>(nx) * ny, 2 * static_cast<int64_t>(nz),
                             &product) ||
      product < 0 || product > kMaxAtoms) {
    return false;
  }
  count = static_cast<int32_t>(product);
  return true;
}

void resetSortRecordsAndMasses(EngineState &state) {
  for (int32_t k = 0; k < state.n; ++k) {
    state.atoms.sortRecords[k].atom = k;
  }
  std::fill_n(state.atoms.mass.get(), state.n, 1.0);
}

void storeBoxArea(EngineState &state) {
  const double x = state.boxMax[0] - state.boxMin[0];
  const double y = state.boxMax[1] - state.boxMin[1];
  const double z = state.boxMax[2] - state.boxMin[2];
  state.boxArea = 2.0 * (x * y + y * z + z * x);
}

// The workers of the pair sweep, started with the first MD_init that wants
// them and kept for the engine's life. Without them every step runs on the
// caller's thread.
void startWorkers(EngineState &state) {
  if (state.threads > 1 && !state.workers) {
    try {
      state.workers = std::make_unique<WorkerPool>(state.threads - 1);
    } catch (const std::bad_alloc &) {
      state.workers.reset();
    }
  }
}

} // namespace
} // namespace pavex

extern "C" int32_t MD_init(int32_t nx, int32_t ny, int32_t nz, double *box, int32_t *count) {
  using namespace pavex;
  int32_t n = 0;
  if (!latticeAtomCount(nx, ny, nz, n)) {
    return PAVEX_E_NO_ATOM_MEMORY;
  }
  EngineState &state = engine();
  installDefaultPairTable(state); // a failure shows in the next run's result
  state.n = n;
  *count = n;
  state.atoms = AtomArrays{};
  startWorkers(state);
  if (!allocateAtomArrays(state.atoms, n, state.workers ? state.workers->parts() : 1)) {
    return PAVEX_E_NO_ATOM_MEMORY;
  }
  resetSortRecordsAndMasses(state);
  const int64_t placed = placeLattice(state.atoms.position.get(), nx, ny, nz);
  if (placed != n) {
    state.n = static_cast<int32_t>(placed);
    return PAVEX_E_PARTICLE_COUNT;
  }
  fitBoxAroundAtoms(state);
  std::copy_n(state.boxMin, 3, box);
  std::copy_n(state.boxMax, 3, box + 3);
  const int32_t code = applyTemperature(state, state.temperature);
  if (code != PAVEX_OK) {
    return code;
  }
  setUpNeighbourGrid(state);
  state.quenchOn = 0;
  state.previousPotentialEnergy = 0.0;
  storeBoxArea(state);
  return PAVEX_OK;
}

extern "C" void MD_free_all(void) { pavex::engine().atoms = pavex::AtomArrays{}; }
