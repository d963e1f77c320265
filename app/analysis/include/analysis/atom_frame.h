// A moment of a run as the measures of the simulation need it: where the
// atoms are, their material types, the pair table and the box.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace analysis {

struct AtomFrame {
  std::vector<double> coords; // x, y, z per atom
  std::vector<std::int32_t> types;
  std::int32_t typeCount = 1;
  std::vector<double> pairParams; // A, b, C, D per pair of types, triangular order
  std::array<double, 6> box{};    // min x, y, z, max x, y, z
  double temperature = 0.0;       // measured at this moment, kelvin; 0 where unknown
};

// The four parameters (A, b, C, D) of the pair of types a and b.
const double *pairOf(const AtomFrame &frame, std::int32_t a, std::int32_t b);

// Distance of the energy minimum of a pair (A, b, C, D): where s² = b/2, or C
// when the pair has no minimum inside its cut-off.
double minimumDistance(const double *pair);

// Atoms closer than this count as neighbours: kNeighbourShell·r0, at most the
// cut-off. The factor reaches past the spread of the first shell and stays
// short of the second shell of a close-packed crystal (√2·r0).
constexpr double kNeighbourShell = 1.25;
double neighbourRadius(const double *pair);

// Throws std::invalid_argument unless the frame is whole: three coordinates
// per atom, every type below typeCount, a pair for every pair of types.
void checkFrame(const AtomFrame &frame);
// The same for two moments of one run: both whole, with the same atoms.
void checkFrames(const AtomFrame &earlier, const AtomFrame &later);

} // namespace analysis
