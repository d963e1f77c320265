// One state point of a material's phase map measured on the real engine: a
// compact face-centred block of the material in a box sized for the
// density, held at the temperature until it settles, then measured.
#pragma once

#include "analysis/phase_map.h"

#include <string>

namespace phasemap {

// The material: its pair (A, 1, 1412, 2048) and the engine mass of an atom;
// molarMass (u) gives the density in kg/m³.
struct Material {
  double depth = 0.0;
  double mass = 1.0;
  double molarMass = 0.0;
};

struct Schedule {
  int cells = 4;      // the block has 4·cells³ atoms
  int settle = 20000; // steps held before the measurement
  int measure = 5000; // steps over which the pressure and temperature are averaged
};

// The density of the material's crystal at its pair's energy minimum, with
// no pressure at 0 K (kg/m³).
double crystalDensity(const Material &material);

// The state point at `kelvin` and `fraction` of the crystal's density:
// written as a scenario file at `scratch`, loaded, held and measured. The
// phase and its shares are the per-atom verdict over the last stretch.
analysis::MapPoint measureStatePoint(const Material &material, const Schedule &schedule,
                                     double kelvin, double fraction, const std::string &scratch);

} // namespace phasemap
