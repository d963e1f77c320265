#include "analysis/pair_distances.h"

#include "close_pairs.h"

#include <algorithm>
#include <numbers>
#include <stdexcept>

namespace analysis {

namespace {

// Only the pair (a, b) is close, below reach; every other pair never is.
std::vector<double> reachOfOnePair(const AtomFrame &frame, std::int32_t a, std::int32_t b,
                                   double reach) {
  const auto types = static_cast<std::size_t>(frame.typeCount);
  std::vector<double> radii(types * types, 0.0);
  const auto ua = static_cast<std::size_t>(a), ub = static_cast<std::size_t>(b);
  radii[ua * types + ub] = radii[ub * types + ua] = reach * reach;
  return radii;
}

// Pairs of the two types, each counted once.
double pairsOfTypes(const AtomFrame &frame, std::int32_t a, std::int32_t b) {
  const auto na = static_cast<double>(std::count(frame.types.begin(), frame.types.end(), a));
  const auto nb = static_cast<double>(std::count(frame.types.begin(), frame.types.end(), b));
  return a == b ? na * (na - 1.0) / 2.0 : na * nb;
}

double boxVolume(const std::array<double, 6> &box) {
  return std::max(box[3] - box[0], 0.0) * std::max(box[4] - box[1], 0.0) *
         std::max(box[5] - box[2], 0.0);
}

void normalise(DistanceHistogram &histogram, double pairs, double volume) {
  histogram.distribution.assign(histogram.pairs.size(), 0.0);
  if (!(pairs > 0.0 && volume > 0.0))
    return;
  const double w = histogram.shellWidth;
  for (std::size_t k = 0; k < histogram.pairs.size(); ++k) {
    const double inner = w * static_cast<double>(k), outer = inner + w;
    const double shell =
        4.0 / 3.0 * std::numbers::pi * (outer * outer * outer - inner * inner * inner);
    histogram.distribution[k] = static_cast<double>(histogram.pairs[k]) / (pairs * shell / volume);
  }
}

} // namespace

DistanceHistogram pairDistances(const AtomFrame &frame, std::int32_t a, std::int32_t b,
                                double reach, int shells) {
  checkFrame(frame);
  if (a < 0 || b < 0 || a >= frame.typeCount || b >= frame.typeCount)
    throw std::invalid_argument("a histogram's types must be types of the frame");
  if (shells < 1 || !(reach > 0.0))
    throw std::invalid_argument("a histogram needs shells and a reach");
  DistanceHistogram histogram{
      reach / shells, std::vector<std::uint64_t>(std::size_t(shells), 0), {}};
  const double perShell = shells / reach;
  detail::ClosePairSearch(frame, reachOfOnePair(frame, a, b, reach))
      .forEachClosePair([&](std::uint32_t, std::uint32_t, double squared) {
        const auto k = static_cast<std::size_t>(std::sqrt(squared) * perShell);
        ++histogram.pairs[std::min(k, histogram.pairs.size() - 1)];
      });
  normalise(histogram, pairsOfTypes(frame, a, b), boxVolume(frame.box));
  return histogram;
}

} // namespace analysis
