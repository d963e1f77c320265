#include "atom_arrays.h"

#include <new>

namespace pavex {
namespace {

// Buckets of the neighbour grid's counting sorts: several per atom, so that
// the grid x range of a crystal fits, plus a few for a handful of atoms.
constexpr int64_t kBucketsPerAtom = 8;
constexpr int64_t kBucketSlack = 64;
// Columns of the neighbour grid: one per atom, plus a few for a handful.
constexpr int64_t kColumnSlack = 64;

template <typename T> bool allocate(std::unique_ptr<T[]> &array, int64_t count) {
  array.reset(new (std::nothrow) T[static_cast<size_t>(count)]());
  return array != nullptr;
}

// Scratch for each part of the pair sweep, and room for the energy terms
// when there is more than one part.
bool allocateSweeps(AtomArrays &atoms, int32_t n, int32_t parts) {
  atoms.sweeps.reset(new (std::nothrow) SweepScratch[static_cast<size_t>(parts)]);
  bool ok = atoms.sweeps != nullptr;
  for (int32_t p = 0; ok && p < parts; ++p) {
    SweepScratch &s = atoms.sweeps[p];
    ok = allocate(s.candidates, n + kCellLanes) &&
         allocate(s.candidateR2, 2 * static_cast<int64_t>(n)) &&
         allocate(s.candidateKeys, 2 * static_cast<int64_t>(n)) && allocate(s.unsortedKeys, n) &&
         allocate(s.cursor, atoms.columnLimit);
  }
  if (ok && parts > 1) {
    ok = allocate(atoms.energyTerms, kEnergyTermsPerAtom * n);
  }
  atoms.sweepParts = parts;
  return ok;
}

} // namespace

bool allocateAtomArrays(AtomArrays &atoms, int32_t n, int32_t parts) {
  const int64_t n3 = 3 * static_cast<int64_t>(n);
  AtomArrays fresh;
  fresh.bucketCapacity = kBucketsPerAtom * n + kBucketSlack;
  fresh.columnLimit = n + kColumnSlack;
  bool ok = true;
  const auto take = [&ok](auto &array, int64_t count) { ok = ok && allocate(array, count); };
  for (auto *array : {&fresh.position, &fresh.velocity, &fresh.r2, &fresh.r3, &fresh.r4, &fresh.r5,
                      &fresh.force, &fresh.slotPosition, &fresh.slotForce}) {
    take(*array, n3);
  }
  for (auto *array : {&fresh.mass, &fresh.atomEnergy, &fresh.stepLength}) {
    take(*array, n);
  }
  for (auto *array : {&fresh.type, &fresh.slotType}) {
    take(*array, n);
  }
  take(fresh.sortRecords, n);
  take(fresh.sortScratch, n);
  take(fresh.slotPlaces, n);
  for (auto *array : {&fresh.slotGx, &fresh.slotGy, &fresh.slotGz}) {
    take(*array, n + kCellLanes);
  }
  for (auto *array : {&fresh.columnSlot, &fresh.columnGx, &fresh.columnGy, &fresh.columnGz}) {
    take(*array, n + kCellLanes * fresh.columnLimit);
  }
  for (auto *array : {&fresh.columnX, &fresh.columnY, &fresh.columnZ}) {
    take(*array, n + kCellLanes * fresh.columnLimit);
  }
  take(fresh.bucketStart, fresh.bucketCapacity + 1);
  take(fresh.bucketCursor, fresh.bucketCapacity);
  ok = ok && allocateSweeps(fresh, n, parts);
  atoms = ok ? std::move(fresh) : AtomArrays{};
  return ok;
}

} // namespace pavex
