// Reading and checking a whole scenario file without touching the program's
// state or the engine.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ModDornDll {

// Everything a scenario file sets, as read from it.
struct ScenarioData {
  std::int32_t requestedAtoms = 0; // the count of line 2
  std::int32_t atomCount = 0;      // the atoms built from it: twice half the count
  std::int32_t typeCount = 0;
  double temperature = 0.0;
  double gravity = 0.0;
  double timeStep = 0.0;
  std::array<double, 6> box{};
  std::vector<double> potentialParams; // 4 per pair of types
  std::vector<double> coords;          // 3 per atom
  std::vector<double> velocities;      // 3 per atom
  std::vector<double> masses;
  std::vector<std::int32_t> atomTypes;
};

// Reads the whole file. Throws ScenarioError naming the file, the line and
// what was expected there.
ScenarioData readScenario(const std::string &fileName);

} // namespace ModDornDll
