#include "xyz_writer.h"

#include <cstdio>
#include <stdexcept>

namespace PavexRun {

std::string speciesName(std::int32_t type) {
  if (type >= 0 && type < 26)
    return std::string(1, static_cast<char>('A' + type));
  std::string name = "T";
  name += std::to_string(type);
  return name;
}

XyzWriter::XyzWriter(const std::string &path) : path_(path), out_(path) {
  if (!out_)
    throw std::runtime_error("cannot write the trajectory " + path);
}

void XyzWriter::writeFrame(const analysis::AtomFrame &s, int step) {
  const auto &b = s.box;
  char line[256];
  out_ << s.types.size() << '\n';
  std::snprintf(line, sizeof line,
                "Lattice=\"%.6g 0 0 0 %.6g 0 0 0 %.6g\" Origin=\"%.6g %.6g %.6g\" "
                "Properties=species:S:1:pos:R:3:type:I:1 Time=%d pbc=\"F F F\"\n",
                b[3] - b[0], b[4] - b[1], b[5] - b[2], b[0], b[1], b[2], step);
  out_ << line;
  for (std::size_t i = 0; i < s.types.size(); ++i) {
    std::snprintf(line, sizeof line, "%s %.3f %.3f %.3f %d\n", speciesName(s.types[i]).c_str(),
                  s.coords[3 * i], s.coords[3 * i + 1], s.coords[3 * i + 2], s.types[i]);
    out_ << line;
  }
  if (!out_)
    throw std::runtime_error("cannot write the trajectory " + path_);
}

} // namespace PavexRun
