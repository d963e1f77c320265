// An extended-XYZ trajectory, as ASE, MDAnalysis and OVITO read it: per frame
// the atom count, a comment line with the box, the step and the columns, then
// one line per atom with its species, x, y, z and material number.
//
// Without a material card the frames are in the model's own units, and the
// readers, which want chemical symbols as species, get an element per
// material: the noble gases first (material 0 is Ar, then Ne, Kr, Xe, He,
// Rn), whose atoms interact much as the engine's do, then the other elements
// by atomic number (H, Li, Be, B, ...). Past 118 materials the names repeat;
// the material column always tells materials apart.
//
// With the scenario's material card the frames are in the units the readers
// assume: each material's species is the card's chemical symbol, positions
// and box are in ångström, and a masses column gives each atom's mass in
// atomic mass units (the column ASE takes as the atoms' masses). The comment
// line says so (length_unit=Angstrom mass_unit=u).
#pragma once

#include "scenario/material_card.h"
#include "scenario/scenario_writer.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <span>
#include <string>

namespace ModDornDll {

class TrajectoryWriter {
public:
  // Real units when there is a card, the model's own without one. Throws
  // SaveError when the file cannot be written.
  explicit TrajectoryWriter(const std::string &path,
                            const std::optional<MaterialCard> &card = std::nullopt);
  // One frame: 3 coordinates, a material and a mass (model units) per atom,
  // the box (min x, y, z, then max x, y, z) and the step it shows. The
  // masses are written only with a card. Throws std::invalid_argument when
  // coordinates or masses are missing for an atom, and SaveError when the
  // file cannot take the frame or the card names no material for an atom.
  void writeFrame(std::span<const double> coords, std::span<const std::int32_t> materials,
                  std::span<const double> masses, const std::array<double, 6> &box,
                  std::int64_t step);
  const std::string &path() const { return path_; }

private:
  void checkFrame(std::span<const double> coords, std::span<const std::int32_t> materials,
                  std::span<const double> masses) const;
  void writeModelAtoms(std::span<const double> coords, std::span<const std::int32_t> materials);
  void writeRealAtoms(std::span<const double> coords, std::span<const std::int32_t> materials,
                      std::span<const double> masses);

  std::string path_;
  std::ofstream out_;
  std::optional<MaterialCard> card_;
};

// The species name of a material without a card, as above.
std::string speciesName(std::int32_t material);

} // namespace ModDornDll
