#include "atom_arrays.h"

#include <new>

namespace pavex {
namespace {

// Spare columns of the neighbour grid beyond one per atom, so that a handful
// of atoms spread through a large box still get a fine grid.
constexpr int64_t kColumnSlack = 64;

template <typename T> bool allocate(std::unique_ptr<T[]> &array, int64_t count) {
  array.reset(new (std::nothrow) T[static_cast<size_t>(count)]());
  return array != nullptr;
}

} // namespace

bool allocateAtomArrays(AtomArrays &atoms, int32_t n) {
  const int64_t n3 = 3 * static_cast<int64_t>(n);
  AtomArrays fresh;
  fresh.columnCapacity = n + kColumnSlack;
  const bool ok = allocate(fresh.position, n3) && allocate(fresh.velocity, n3) &&
                  allocate(fresh.r2, n3) && allocate(fresh.r3, n3) && allocate(fresh.r4, n3) &&
                  allocate(fresh.r5, n3) && allocate(fresh.force, n3) && allocate(fresh.mass, n) &&
                  allocate(fresh.type, n) && allocate(fresh.atomEnergy, n) &&
                  allocate(fresh.stepLength, n) && allocate(fresh.sortRecords, n) &&
                  allocate(fresh.candidates, n) && allocate(fresh.columnEntries, n) &&
                  allocate(fresh.columnStart, fresh.columnCapacity + 1) &&
                  allocate(fresh.columnCursor, fresh.columnCapacity);
  atoms = ok ? std::move(fresh) : AtomArrays{};
  return ok;
}

} // namespace pavex
