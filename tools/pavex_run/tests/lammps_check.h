// Runs an exported LAMMPS deck for zero steps with `lmp` and collects its
// energies and per-atom forces: once with the whole deck, once with gravity
// and walls removed, so that only the pair forces remain.
#pragma once

#include <string>
#include <vector>

namespace PavexRunTest {

// Whether `lmp` can be started from PATH.
bool lammpsInstalled();

struct LammpsStepZero {
  bool ran = false;
  std::string log;            // what lmp printed, for a failure's message
  double potential = 0.0;     // pe summed over the atoms: pair, gravity and walls
  double pairEnergy = 0.0;    // evdwl summed over the atoms
  std::vector<double> forces; // x, y, z per atom in atom order, the whole deck
  std::vector<double> pairForces;
};

LammpsStepZero runLammpsStepZero(const std::string &deckFolder);

} // namespace PavexRunTest
