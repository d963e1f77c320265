// The model as the engine holds it, read back through its getters, with the
// settings the engine has no getter for taken from the program side.
#pragma once

#include "analysis/real_units.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace PavexRun {

// What the engine does besides the pair forces; the program-side state and
// the run's thermostat know these values.
struct ModelSettings {
  double gravity = 0.0;     // acceleration along −y
  double timeStep = 1.0;    // the engine's Δt
  bool clampOn = false;     // the clamp rescales the velocities every step
  double clampTarget = 0.0; // the mean kinetic energy per atom the clamp drives to
  std::string source;       // the scenario file or the lattice it came from
  int step = 0;             // steps run before the export
  // The real size of the length and mass units, from the scenario's
  // material card; the deck states them for its reader.
  std::optional<analysis::ModelUnits> realUnits;
};

struct EngineModel {
  std::vector<double> coords;     // x, y, z per atom
  std::vector<double> velocities; // true velocities (not scaled by Δt), x, y, z per atom
  std::vector<double> masses;
  std::vector<std::int32_t> types;
  std::array<double, 6> box{}; // min x, y, z, max x, y, z
  std::int32_t typeCount = 1;
  std::vector<double> pairParams; // A, b, C, D per pair of types, triangular order
  ModelSettings settings;

  std::size_t atomCount() const { return types.size(); }
};

// Reads atoms, velocities, masses, types, box and pair table from the engine.
// Throws Pavex::EngineError when the engine cannot return its pair table.
EngineModel readEngineModel(const ModelSettings &settings);

// The time step and gravity the engine holds after pavex-run handed it
// `requested` once: the engine ignores a step that is not positive and a
// gravity that is not finite, and keeps its first values, 1 and 0.
double heldTimeStep(double requested);
double heldGravity(double requested);

} // namespace PavexRun
