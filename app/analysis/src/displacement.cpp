#include "analysis/displacement.h"

#include <algorithm>
#include <array>

namespace analysis {
namespace {

using Vector = std::array<double, 3>;

Vector displacementOf(const AtomFrame &from, const AtomFrame &to, std::size_t atom) {
  return {to.coords[3 * atom] - from.coords[3 * atom],
          to.coords[3 * atom + 1] - from.coords[3 * atom + 1],
          to.coords[3 * atom + 2] - from.coords[3 * atom + 2]};
}

void add(Vector &sum, const Vector &v) {
  for (std::size_t k = 0; k < 3; ++k)
    sum[k] += v[k];
}

void divide(Vector &sum, int count) {
  for (double &component : sum)
    component /= std::max(count, 1);
}

// The mean displacement of each type's atoms: the drift of its centre of mass.
std::vector<Vector> typeDrift(const AtomFrame &from, const AtomFrame &to) {
  std::vector<Vector> drift(static_cast<std::size_t>(to.typeCount), Vector{});
  std::vector<int> atoms(drift.size(), 0);
  for (std::size_t i = 0; i < to.types.size(); ++i) {
    const auto t = static_cast<std::size_t>(to.types[i]);
    ++atoms[t];
    add(drift[t], displacementOf(from, to, i));
  }
  for (std::size_t t = 0; t < drift.size(); ++t)
    divide(drift[t], atoms[t]);
  return drift;
}

} // namespace

std::vector<double> relativeSquaredDisplacements(const AtomFrame &from, const AtomFrame &to,
                                                 const NeighbourLists &fromNeighbours) {
  const auto drift = typeDrift(from, to);
  std::vector<double> result(to.types.size());
  for (std::size_t i = 0; i < to.types.size(); ++i) {
    Vector reference{};
    int sameType = 0;
    for (const std::uint32_t j : fromNeighbours.of(i)) {
      if (to.types[j] == to.types[i]) {
        ++sameType;
        add(reference, displacementOf(from, to, j));
      }
    }
    divide(reference, sameType);
    if (sameType == 0)
      reference = drift[static_cast<std::size_t>(to.types[i])];
    const Vector own = displacementOf(from, to, i);
    double sum = 0.0;
    for (std::size_t k = 0; k < 3; ++k)
      sum += (own[k] - reference[k]) * (own[k] - reference[k]);
    result[i] = sum;
  }
  return result;
}

} // namespace analysis
