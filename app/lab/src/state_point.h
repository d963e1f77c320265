// Where the running simulation stands on a material's phase map: the
// measured temperature, the material's density and the pressure on the
// walls, in the units the maps are measured in (kelvin, kg/m³, kPa). The
// density is the material's mass over the room inside the wall skins, as
// the maps measure it, so it rises as the lid goes down. Qt-free.
#pragma once

#include "analysis/real_units.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lab {

struct StatePoint {
  double kelvin = 0.0;               // measured temperature
  double density = 0.0;              // kg/m³
  std::optional<double> kilopascals; // none until the pressure gauge reads
};

// The mass of each material type 0 .. typeCount - 1 (model mass units): the
// masses of its atoms summed. types and masses are per atom; an atom with a
// type out of range, or beyond the shorter of the two, is not counted.
std::vector<double> materialMasses(std::span<const std::int32_t> types,
                                   std::span<const double> masses, std::int32_t typeCount);

// The state point of a material of `mass` (model units) in the box, with the
// gauge's pressure (model units) once it reads. None before a temperature is
// measured, for a material without atoms, or in a box without room inside
// its skins.
std::optional<StatePoint> statePointOf(std::optional<double> kelvin, double mass,
                                       const std::array<double, 6> &box,
                                       std::optional<double> modelPressure,
                                       const analysis::ModelUnits &units);

} // namespace lab
