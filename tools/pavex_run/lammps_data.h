// The LAMMPS data file of an engine model (atom style atomic): box, masses,
// atoms and velocities. LAMMPS keeps one mass per atom type while the engine
// keeps one per atom, so every pair of engine type and mass that occurs
// becomes a LAMMPS type of its own.
#pragma once

#include "engine_model.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace PavexRun {

// More LAMMPS types than this would make the pair_coeff lines (one per pair
// of types) unwieldy; a model with more distinct masses is refused.
constexpr std::size_t kMostLammpsTypes = 64;

struct LammpsTypes {
  // Engine type and mass of LAMMPS type k + 1, ordered by engine type, then mass.
  std::vector<std::pair<std::int32_t, double>> kinds;
  std::vector<int> ofAtom; // LAMMPS type (from 1) of each atom
};

// Throws std::runtime_error for a model without atoms, a mass LAMMPS cannot
// take (not positive), a type outside the pair table and for more than
// kMostLammpsTypes types.
LammpsTypes lammpsTypes(const EngineModel &model);

// A name for a comment line of the deck: every control character (a line
// break would end the comment and start a command) becomes '?'.
std::string commentSafe(const std::string &name);

void writeDataFile(std::ostream &out, const EngineModel &model, const LammpsTypes &types);

} // namespace PavexRun
