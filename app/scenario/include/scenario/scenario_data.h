// Everything a scenario file sets, as the reader takes it from a file and
// the writer puts it into one.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace ModDornDll {

struct ScenarioData {
  std::int32_t requestedAtoms = 0; // the count of line 2
  std::int32_t atomCount = 0;      // the atoms built from it: twice half the count
  std::int32_t typeCount = 0;
  double temperature = 0.0;
  double gravity = 0.0;
  double timeStep = 0.0;
  std::array<double, 6> box{};         // min x, y, z, then max x, y, z
  std::vector<double> potentialParams; // 4 per pair of types
  std::vector<double> coords;          // 3 per atom
  std::vector<double> velocities;      // 3 per atom, in the engine's scaled form
  std::vector<double> masses;
  std::vector<std::int32_t> atomTypes;
};

} // namespace ModDornDll
