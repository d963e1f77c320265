#include "analysis/mobility.h"

#include "analysis/displacement.h"

#include <algorithm>

namespace analysis {

std::vector<double> mobileShares(const AtomFrame &from, const AtomFrame &to) {
  checkFrames(from, to);
  const auto squared = relativeSquaredDisplacements(from, to, findNeighbours(from));
  const auto types = static_cast<std::size_t>(to.typeCount);
  std::vector<double> limits(types);
  for (std::size_t t = 0; t < types; ++t) {
    const auto type = static_cast<std::int32_t>(t);
    const double limit = kMobileDistance * minimumDistance(pairOf(to, type, type));
    limits[t] = limit * limit;
  }
  std::vector<double> mobile(types, 0.0);
  std::vector<int> atoms(types, 0);
  for (std::size_t i = 0; i < squared.size(); ++i) {
    const auto t = static_cast<std::size_t>(to.types[i]);
    ++atoms[t];
    mobile[t] += squared[i] > limits[t] ? 1.0 : 0.0;
  }
  for (std::size_t t = 0; t < types; ++t)
    mobile[t] /= std::max(atoms[t], 1);
  return mobile;
}

} // namespace analysis
