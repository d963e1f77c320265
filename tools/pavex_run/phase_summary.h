// Figures that tell the phase of each material type in a run: how far the
// atoms wandered from where they started and over the last stretch, how many
// neighbours each has, how many have almost none, and how much of the type
// rests in the lowest third of the box.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace PavexRun {

// What the summary needs of a moment of the run.
struct Snapshot {
  std::vector<double> coords; // x, y, z per atom
  std::vector<std::int32_t> types;
  std::int32_t typeCount = 1;
  std::vector<double> pairParams; // A, b, C, D per pair of types, triangular order
  std::array<double, 6> box{};    // min x, y, z, max x, y, z
};

struct TypeSummary {
  std::int32_t type = 0;
  int atoms = 0;
  double minimumDistance = 0.0; // r0 of the type's own pair
  // Displacements are measured against the mean displacement of the atom's
  // neighbours of its own type at the earlier moment (against the type's drift for an atom
  // that had none), so a crystal moving or turning as a whole shows only its
  // vibration.
  double rmsDisplacement = 0.0;    // since the start, in units of r0
  double recentDisplacement = 0.0; // over the last stretch of the run, in units of r0
  double neighbours = 0.0;         // mean count within the neighbour radius
  double freeShare = 0.0;          // share of atoms with fewer than 3 neighbours
  double lowerThird = 0.0;         // share of atoms in the lowest third of the box
  std::string phase;               // "solid", "liquid" or "gas"
};

// Distance of the energy minimum of a pair (A, b, C, D): where s² = b/2, or C
// when the pair has no minimum inside its cut-off.
double minimumDistance(const double *pair);

// Atoms closer than this count as neighbours: kNeighbourShell·r0, at most the
// cut-off. The factor reaches past the spread of the first shell and stays
// short of the second shell of a close-packed crystal (√2·r0).
constexpr double kNeighbourShell = 1.25;
double neighbourRadius(const double *pair);

// The stretch before the end of a run over which recent displacement counts.
constexpr int kRecentSteps = 1000;

// recent is a snapshot from shortly before now: vibration about a site moves
// an atom little over such a stretch, diffusion moves it far.
std::vector<TypeSummary> summarisePhases(const Snapshot &start, const Snapshot &recent,
                                         const Snapshot &now);

} // namespace PavexRun
