// How far apart the atoms of a pair of materials keep right now: the pairs
// counted by distance in shells of equal width, and the radial distribution
// (each shell's count over the count the same atoms would give spread evenly
// through the box).
#pragma once

#include "analysis/atom_frame.h"

#include <cstdint>
#include <vector>

namespace analysis {

struct DistanceHistogram {
  double shellWidth = 0.0;          // shell k covers k·width .. (k + 1)·width
  std::vector<std::uint64_t> pairs; // pairs per shell
  std::vector<double> distribution; // radial distribution per shell
};

// Pairs of an atom of type a and one of type b (each pair once) closer than
// reach, in `shells` shells from 0 to reach. The distribution is 0 where the
// box has no volume or the types have no pairs. Throws std::invalid_argument
// for a frame that is not whole (checkFrame), a type outside it, or no shells.
DistanceHistogram pairDistances(const AtomFrame &frame, std::int32_t a, std::int32_t b,
                                double reach, int shells);

} // namespace analysis
