// pavex-run's model without a file: the engine's own start-up lattice of any
// size, set up with the program's start-up values.
#pragma once

#include <cstdint>
#include <string>

namespace PavexRun {

// Cells of the engine's body-centred lattice along x, y and z; two atoms each.
struct LatticeCells {
  std::int32_t x = 0, y = 0, z = 0;

  std::int64_t atoms() const { return 2LL * x * y * z; }
  std::string text() const; // NXxNYxNZ
};

// Reads NXxNYxNZ, each a whole number of at least 1. Throws UsageError for
// another form, for a single cell (its two atoms lie on one line, and the
// engine cannot give them a temperature) and for more atoms than the engine's
// 32-bit array sizes hold.
LatticeCells parseLatticeCells(const std::string &text);

// Builds the lattice with MD_init and hands the start-up values to the engine
// as the program's window does (one material, the default pair, gravity 0.05,
// temperature and clamp 200, time step 1), sizing the program-side arrays for
// any count the engine takes. Throws Pavex::EngineError when the engine
// cannot hold the atoms.
void startLattice(const LatticeCells &cells);

} // namespace PavexRun
