// An extended-XYZ trajectory (OVITO and VMD read it): per frame the atom
// count, a comment line with the box and the columns, then one line per atom
// with its species name (A for type 0, B for type 1, ...), x, y, z and type.
#pragma once

#include "analysis/atom_frame.h"

#include <fstream>
#include <string>

namespace PavexRun {

class XyzWriter {
public:
  // Throws std::runtime_error when the file cannot be written.
  explicit XyzWriter(const std::string &path);
  void writeFrame(const analysis::AtomFrame &frame, int step);

private:
  std::string path_;
  std::ofstream out_;
};

// The species name of a type: A to Z, then T26, T27, ...
std::string speciesName(std::int32_t type);

} // namespace PavexRun
