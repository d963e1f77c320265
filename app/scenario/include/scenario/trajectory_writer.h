// An extended-XYZ trajectory, as ASE, MDAnalysis and OVITO read it: per frame
// the atom count, a comment line with the box, the step and the columns, then
// one line per atom with its species, x, y, z and material number.
//
// The readers want chemical symbols as species, so each material takes the
// name of an element: the noble gases first (material 0 is Ar, then Ne, Kr,
// Xe, He, Rn), whose atoms interact much as the engine's do, then the other
// elements by atomic number (H, Li, Be, B, ...). Past 118 materials the names
// repeat; the material column always tells materials apart.
#pragma once

#include "scenario/scenario_writer.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <span>
#include <string>

namespace ModDornDll {

class TrajectoryWriter {
public:
  // Throws SaveError when the file cannot be written.
  explicit TrajectoryWriter(const std::string &path);
  // One frame: 3 coordinates per atom, a material per atom, the box (min x,
  // y, z, then max x, y, z) and the step it shows. Throws SaveError when the
  // file cannot take it.
  void writeFrame(std::span<const double> coords, std::span<const std::int32_t> materials,
                  const std::array<double, 6> &box, std::int64_t step);
  const std::string &path() const { return path_; }

private:
  std::string path_;
  std::ofstream out_;
};

// The species name of a material, as above.
std::string speciesName(std::int32_t material);

} // namespace ModDornDll
