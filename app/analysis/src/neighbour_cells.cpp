#include "analysis/neighbour_cells.h"

#include "analysis/pair_potential.h"
#include "close_pairs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <utility>

namespace analysis {
namespace {

// Squared neighbour radius of every ordered pair of types, row by row.
std::vector<double> squaredRadii(const AtomFrame &frame) {
  const auto types = static_cast<std::size_t>(frame.typeCount);
  std::vector<double> radii(types * types);
  for (std::size_t a = 0; a < types; ++a) {
    for (std::size_t b = 0; b < types; ++b) {
      const auto pair = pairOf(frame, static_cast<std::int32_t>(a), static_cast<std::int32_t>(b));
      const double radius = std::max(neighbourRadius(pair), 0.0);
      radii[a * types + b] = radius * radius;
    }
  }
  return radii;
}

} // namespace

NeighbourLists findNeighbours(const AtomFrame &frame) {
  checkFrame(frame);
  const std::size_t atoms = frame.types.size();
  std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
  NeighbourLists lists{std::vector<std::uint32_t>(atoms + 1, 0), {}};
  detail::ClosePairSearch(frame, squaredRadii(frame))
      .forEachClosePair([&](std::uint32_t i, std::uint32_t j, double) {
        pairs.emplace_back(i, j);
        ++lists.first[i + 1];
        ++lists.first[j + 1];
      });
  std::partial_sum(lists.first.begin(), lists.first.end(), lists.first.begin());
  std::vector<std::uint32_t> filled(lists.first.begin(), lists.first.end() - 1);
  lists.atoms.resize(2 * pairs.size());
  for (const auto &[i, j] : pairs) {
    lists.atoms[filled[i]++] = j;
    lists.atoms[filled[j]++] = i;
  }
  return lists;
}

Neighbourhoods measureNeighbourhoods(const AtomFrame &frame) {
  checkFrame(frame);
  const std::size_t atoms = frame.types.size();
  Neighbourhoods found{std::vector<std::uint32_t>(atoms, 0), std::vector<double>(atoms, 0.0)};
  detail::ClosePairSearch(frame, squaredRadii(frame))
      .forEachClosePair([&](std::uint32_t i, std::uint32_t j, double squared) {
        const double energy =
            pairEnergy(pairOf(frame, frame.types[i], frame.types[j]), std::sqrt(squared));
        ++found.counts[i];
        ++found.counts[j];
        found.energies[i] += energy;
        found.energies[j] += energy;
      });
  return found;
}

} // namespace analysis
