// The one process-wide engine state: settings, energies of the last step, the
// box, the neighbour grid, the pair table and the per-atom arrays.
#ifndef PAVEX_ENGINE_STATE_H
#define PAVEX_ENGINE_STATE_H

#include "thread_count.h"
#include "worker_pool.h"

#include <cstdint>
#include <memory>

namespace pavex {

// One pair record: the four parameters as given and four values derived from
// them once, so the force loop only multiplies and adds.
struct PairRecord {
  double a;     // depth
  double b;     // shape
  double c;     // reference distance, where s = 1
  double d;     // cut-off distance
  double k8;    // 8 A / (C^2 - D^2)
  double halfB; // b / 2
  double d2;    // D^2
  double r;     // 1 / (C^2 - D^2)
};

// Neighbour search record of one slot: which atom sits there and its grid cell.
struct SortRecord {
  int32_t atom;
  int32_t gx;
  int32_t gy;
  int32_t gz;
};

// Grid cells are compared this many slots at a time when the x window is
// walked, so the slot cell arrays run this many entries past the last slot.
constexpr int32_t kCellLanes = 4;

// Where a slot was filed under its column.
struct SlotPlace {
  int32_t entry;  // index into the column entries
  int32_t column; // the column it belongs to
};

// Scratch of one part of the pair sweep; each thread has its own.
struct SweepScratch {
  std::unique_ptr<int32_t[]> candidates; // N + kCellLanes: slots near the current one
  // Two slots' worth each, N per slot: the current one and the next.
  std::unique_ptr<double[]> candidateR2;     // 2N: their squared distances
  std::unique_ptr<uint64_t[]> candidateKeys; // 2N: slot and candidate number, in slot order
  std::unique_ptr<uint64_t[]> unsortedKeys;  // N: the same before sorting
  std::unique_ptr<int32_t[]> cursor;         // columnLimit: each column's next entry
};

// Everything that exists once per atom. Allocated zero-filled by MD_init, all
// or nothing; `position == nullptr` means the arrays are absent.
struct AtomArrays {
  std::unique_ptr<double[]> position;        // 3N: x, y, z per atom
  std::unique_ptr<double[]> velocity;        // 3N: dt * velocity (r1)
  std::unique_ptr<double[]> r2;              // 3N: dt^2/2 * acceleration
  std::unique_ptr<double[]> r3;              // 3N: dt^3/6 * third derivative
  std::unique_ptr<double[]> r4;              // 3N: dt^4/24 * fourth derivative
  std::unique_ptr<double[]> r5;              // 3N: dt^5/120 * fifth derivative
  std::unique_ptr<double[]> force;           // 3N
  std::unique_ptr<double[]> mass;            // N
  std::unique_ptr<int32_t[]> type;           // N
  std::unique_ptr<double[]> atomEnergy;      // N: kinetic energy per atom
  std::unique_ptr<double[]> stepLength;      // N: length of the scaled velocity
  std::unique_ptr<SortRecord[]> sortRecords; // N slots
  std::unique_ptr<SortRecord[]> sortScratch; // N: output of the counting sort
  std::unique_ptr<SweepScratch[]> sweeps;    // one per part of the pair sweep
  int32_t sweepParts = 0;
  // Pair energies of the parts of a sweep in sweep order, so that they join
  // one running sum: kEnergyTermsPerAtom * N when there are parts.
  std::unique_ptr<double[]> energyTerms;
  std::unique_ptr<double[]> slotPosition; // 3N: positions in slot order
  std::unique_ptr<double[]> slotForce;    // 3N: pair forces in slot order
  std::unique_ptr<int32_t[]> slotType;    // N: types in slot order
  // Column entries: each column's slots, then kCellLanes entries whose grid
  // x lies in no window; N + kCellLanes * columnLimit entries.
  std::unique_ptr<int32_t[]> columnSlot;   // slots filed by column
  std::unique_ptr<int32_t[]> columnGx;     // their grid x
  std::unique_ptr<int32_t[]> columnGy;     // their grid y
  std::unique_ptr<int32_t[]> columnGz;     // their grid z
  std::unique_ptr<double[]> columnX;       // their positions, one array per axis, so
  std::unique_ptr<double[]> columnY;       // that candidates found in a column are
  std::unique_ptr<double[]> columnZ;       // measured from memory the walk just read
  std::unique_ptr<int32_t[]> slotGx;       // N + kCellLanes: grid x in slot order
  std::unique_ptr<int32_t[]> slotGy;       // N + kCellLanes: grid y in slot order
  std::unique_ptr<int32_t[]> slotGz;       // N + kCellLanes: grid z in slot order
  std::unique_ptr<SlotPlace[]> slotPlaces; // N
  std::unique_ptr<int32_t[]> bucketStart;  // bucketCapacity + 1
  std::unique_ptr<int32_t[]> bucketCursor; // bucketCapacity
  int64_t bucketCapacity = 0;              // buckets for the x sort and the (y, z) columns
  int64_t columnLimit = 0;                 // most (y, z) columns, at most bucketCapacity

  bool present() const { return position != nullptr; }
};

// Room for pair energy terms per atom in a part of the sweep; a denser pile
// is swept by one thread.
constexpr int64_t kEnergyTermsPerAtom = 24;
// Fewest atoms whose pair sweep is cut into parts. Below it, waking the
// workers and sweeping the slots where parts meet twice cost about what
// they save; and up to the largest scenario file (10,922 atoms) the window
// already keeps a second core busy, drawing while the engine runs.
constexpr int32_t kThreadedFrom = 16384;
// Most parts a sweep is cut into.
constexpr int32_t kMostParts = 64;

struct EngineState {
  int32_t n = 0; // particle count N

  int32_t threads = configuredThreadCount(); // threads the pair sweep may use
  int32_t threadedFrom = kThreadedFrom;
  std::unique_ptr<WorkerPool> workers; // threads - 1 workers, started by MD_init

  double timeStep = 1.0;
  double gravity = 0.0;
  double temperature = 0.0;
  double clampTemperature = 0.0;
  double clampRate = 1.0;
  int32_t clampOn = 0;
  int32_t quenchOn = 0;

  int32_t numTypes = 2;
  int32_t numPairs = 3;
  double largestCutoff = 2048.0;
  std::unique_ptr<PairRecord[]> pairTable; // absent until the first install
  // The record of types t and u at t * pairTableTypes + u, for either order:
  // the force loop finds a pair's record without computing its index.
  std::unique_ptr<PairRecord[]> pairMatrix;
  int32_t pairTableTypes = 0; // types the installed table covers

  double boxMin[3] = {0.0, 0.0, 0.0};
  double boxMax[3] = {0.0, 0.0, 0.0};
  double boxArea = 0.0;

  double gridScale = 0.0; // grid units per length unit
  int32_t window = 0;     // neighbour window half-width in grid units

  double kineticEnergy = 0.0;   // per atom
  double potentialEnergy = 0.0; // per atom
  double totalEnergy = 0.0;     // per atom
  double gravityEnergy = 0.0;   // sum over atoms
  double wallEnergy = 0.0;      // sum over atoms
  double previousPotentialEnergy = 0.0;
  double wallForceSum = 0.0;

  uint32_t randomState = 1;

  AtomArrays atoms;
};

// The single instance behind the exported functions.
EngineState &engine();

} // namespace pavex

#endif
