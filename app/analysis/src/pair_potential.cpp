#include "analysis/pair_potential.h"

#include "analysis/atom_frame.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// Halving the interval this often pins the wall to far below a pixel.
constexpr int kBisections = 60;

} // namespace

double pairEnergy(const double *pair, double r) {
  const double a = pair[0], b = pair[1], c = pair[2], d = pair[3];
  const double span = c * c - d * d;
  if (!(r < d) || span == 0.0)
    return 0.0;
  const double s = (r * r - d * d) / span;
  const double q = s * s;
  return a * q * (q - b);
}

PotentialWell potentialWell(const double *pair) {
  const double b = pair[1];
  const double r = b > 0.0 ? minimumDistance(pair) : pair[3];
  return {r, pairEnergy(pair, r)};
}

double wallStart(const double *pair) {
  const PotentialWell well = potentialWell(pair);
  const double height = well.energy < 0.0 ? -well.energy : 0.25 * std::abs(pair[0]);
  if (!(pairEnergy(pair, 0.0) > height))
    return 0.0;
  // The energy falls steadily from r = 0 to the well.
  double inside = 0.0, outside = well.distance;
  for (int i = 0; i < kBisections; ++i) {
    const double middle = 0.5 * (inside + outside);
    (pairEnergy(pair, middle) > height ? inside : outside) = middle;
  }
  return inside;
}

std::vector<PotentialPoint> potentialCurve(const double *pair, int points) {
  std::vector<PotentialPoint> curve;
  const double from = wallStart(pair), to = pair[3];
  const int count = std::max(points, 2);
  curve.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double r = from + (to - from) * i / (count - 1);
    curve.push_back({r, pairEnergy(pair, r)});
  }
  return curve;
}

} // namespace analysis
