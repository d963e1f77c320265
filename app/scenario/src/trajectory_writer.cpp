#include "scenario/trajectory_writer.h"

#include <cstdio>

namespace ModDornDll {
namespace {

// Species names in material order: the noble gases, then the other elements
// by atomic number.
constexpr const char *kSpecies[] = {
    "Ar", "Ne", "Kr", "Xe", "He", "Rn", "H",  "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Na",
    "Mg", "Al", "Si", "P",  "S",  "Cl", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co",
    "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc",
    "Ru", "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Cs", "Ba", "La", "Ce", "Pr",
    "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",
    "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Fr", "Ra", "Ac", "Th",
    "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Db",
    "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og",
};
constexpr std::int32_t kSpeciesCount = sizeof kSpecies / sizeof kSpecies[0];

} // namespace

std::string speciesName(std::int32_t material) {
  const std::int32_t slot = material % kSpeciesCount;
  return kSpecies[slot < 0 ? slot + kSpeciesCount : slot];
}

TrajectoryWriter::TrajectoryWriter(const std::string &path) : path_(path), out_(path) {
  if (!out_)
    throw SaveError(path + ": the trajectory cannot be written there.");
}

void TrajectoryWriter::writeFrame(std::span<const double> coords,
                                  std::span<const std::int32_t> materials,
                                  const std::array<double, 6> &box, std::int64_t step) {
  const auto &b = box;
  // Room for three coordinates as large as a double can be in fixed notation.
  char line[1100];
  out_ << materials.size() << '\n';
  std::snprintf(line, sizeof line,
                "Lattice=\"%.9g 0 0 0 %.9g 0 0 0 %.9g\" Origin=\"%.9g %.9g %.9g\" "
                "Properties=species:S:1:pos:R:3:material:I:1 Time=%lld pbc=\"F F F\"\n",
                b[3] - b[0], b[4] - b[1], b[5] - b[2], b[0], b[1], b[2],
                static_cast<long long>(step));
  out_ << line;
  for (std::size_t i = 0; i < materials.size() && 3 * i + 2 < coords.size(); ++i) {
    std::snprintf(line, sizeof line, "%s %.3f %.3f %.3f %d\n", speciesName(materials[i]).c_str(),
                  coords[3 * i], coords[3 * i + 1], coords[3 * i + 2], materials[i]);
    out_ << line;
  }
  out_.flush();
  if (!out_)
    throw SaveError(path_ + ": the trajectory cannot be written there any more.");
}

} // namespace ModDornDll
