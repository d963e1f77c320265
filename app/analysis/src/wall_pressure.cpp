#include "analysis/wall_pressure.h"

#include <algorithm>

namespace analysis {

namespace {

std::array<double, 3> innerEdges(const std::array<double, 6> &box) {
  std::array<double, 3> edges{};
  for (std::size_t k = 0; k < 3; ++k)
    edges[k] = std::max(0.0, box[k + 3] - box[k] - 2.0 * kWallSkin);
  return edges;
}

double faceArea(const std::array<double, 3> &e) {
  return 2.0 * (e[0] * e[1] + e[1] * e[2] + e[2] * e[0]);
}

} // namespace

double innerVolume(const std::array<double, 6> &box) {
  const auto e = innerEdges(box);
  return e[0] * e[1] * e[2];
}

double innerArea(const std::array<double, 6> &box) { return faceArea(innerEdges(box)); }

double wallPressure(double enginePressure, const std::array<double, 6> &box) {
  const double inner = innerArea(box);
  if (!(inner > 0.0))
    return 0.0;
  const double whole = faceArea({box[3] - box[0], box[4] - box[1], box[5] - box[2]});
  return enginePressure * whole / inner;
}

} // namespace analysis
