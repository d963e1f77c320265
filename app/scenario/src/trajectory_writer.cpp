#include "scenario/trajectory_writer.h"

#include "analysis/real_units.h"

#include <cstdio>
#include <stdexcept>

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

constexpr const char *kModelColumns = "species:S:1:pos:R:3:material:I:1";
constexpr const char *kRealColumns = "species:S:1:pos:R:3:masses:R:1:material:I:1";
constexpr const char *kRealUnits = " length_unit=Angstrom mass_unit=u";

// Room for three coordinates as large as a double can be in fixed notation.
constexpr std::size_t kLineRoom = 1100;

analysis::ModelUnits unitsOf(const MaterialCard &card) {
  return {card.metresPerLength, card.kilogramsPerMass};
}

// The comment line of a frame: the box scaled by `scale` (1 for the model's
// own lengths), the columns, the step and what follows (the units).
std::string commentLine(const std::array<double, 6> &box, double scale, const char *columns,
                        std::int64_t step, const char *tail) {
  const auto &b = box;
  char line[kLineRoom];
  std::snprintf(line, sizeof line,
                "Lattice=\"%.9g 0 0 0 %.9g 0 0 0 %.9g\" Origin=\"%.9g %.9g %.9g\" "
                "Properties=%s Time=%lld pbc=\"F F F\"%s\n",
                (b[3] - b[0]) * scale, (b[4] - b[1]) * scale, (b[5] - b[2]) * scale, b[0] * scale,
                b[1] * scale, b[2] * scale, columns, static_cast<long long>(step), tail);
  return line;
}

} // namespace

std::string speciesName(std::int32_t material) {
  const std::int32_t slot = material % kSpeciesCount;
  return kSpecies[slot < 0 ? slot + kSpeciesCount : slot];
}

TrajectoryWriter::TrajectoryWriter(const std::string &path, const std::optional<MaterialCard> &card)
    : path_(path), out_(path), card_(card) {
  if (!out_)
    throw SaveError(path + ": the trajectory cannot be written there.");
}

void TrajectoryWriter::writeFrame(std::span<const double> coords,
                                  std::span<const std::int32_t> materials,
                                  std::span<const double> masses, const std::array<double, 6> &box,
                                  std::int64_t step) {
  checkFrame(coords, materials, masses);
  out_ << materials.size() << '\n';
  if (card_) {
    out_ << commentLine(box, analysis::angstroms(1.0, unitsOf(*card_)), kRealColumns, step,
                        kRealUnits);
    writeRealAtoms(coords, materials, masses);
  } else {
    out_ << commentLine(box, 1.0, kModelColumns, step, "");
    writeModelAtoms(coords, materials);
  }
  out_.flush();
  if (!out_)
    throw SaveError(path_ + ": the trajectory cannot be written there any more.");
}

// Everything a frame needs is checked before its count line is written, so
// that a refused frame leaves the file whole.
void TrajectoryWriter::checkFrame(std::span<const double> coords,
                                  std::span<const std::int32_t> materials,
                                  std::span<const double> masses) const {
  if (coords.size() < 3 * materials.size() || (card_ && masses.size() < materials.size()))
    throw std::invalid_argument("a trajectory frame needs coordinates and masses for each of its " +
                                std::to_string(materials.size()) + " atoms");
  if (!card_)
    return;
  for (const std::int32_t material : materials)
    if (material < 0 || static_cast<std::size_t>(material) >= card_->materials.size())
      throw SaveError(path_ + ": the material card names no material " + std::to_string(material) +
                      ".");
}

void TrajectoryWriter::writeModelAtoms(std::span<const double> coords,
                                       std::span<const std::int32_t> materials) {
  char line[kLineRoom];
  for (std::size_t i = 0; i < materials.size(); ++i) {
    std::snprintf(line, sizeof line, "%s %.3f %.3f %.3f %d\n", speciesName(materials[i]).c_str(),
                  coords[3 * i], coords[3 * i + 1], coords[3 * i + 2], materials[i]);
    out_ << line;
  }
}

void TrajectoryWriter::writeRealAtoms(std::span<const double> coords,
                                      std::span<const std::int32_t> materials,
                                      std::span<const double> masses) {
  const analysis::ModelUnits units = unitsOf(*card_);
  const double scale = analysis::angstroms(1.0, units);
  char line[kLineRoom];
  for (std::size_t i = 0; i < materials.size(); ++i) {
    const std::int32_t material = materials[i];
    std::snprintf(line, sizeof line, "%s %.4f %.4f %.4f %.6g %d\n",
                  card_->materials[material].symbol.c_str(), coords[3 * i] * scale,
                  coords[3 * i + 1] * scale, coords[3 * i + 2] * scale,
                  analysis::atomicMassUnits(masses[i], units), material);
    out_ << line;
  }
}

} // namespace ModDornDll
