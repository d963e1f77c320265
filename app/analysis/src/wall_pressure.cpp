#include "analysis/wall_pressure.h"

#include <algorithm>

namespace analysis {

namespace {

// The walls' depth and rest distance, as the engine's step uses them.
constexpr double kWallDepth = 512.0;
constexpr double kWallRest = 1412.0;
constexpr double kWallStiffness = 8.0 * kWallDepth / (kWallSkin - kWallRest);

// The push of a wall on an atom `depth` inside its skin (0 at the skin's
// inner face).
double wallPush(double depth) {
  const double s = 1.0 + depth / (kWallSkin - kWallRest);
  return kWallStiffness * s * (s * s - 1.0);
}

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

double densityInside(double mass, const std::array<double, 6> &box, const ModelUnits &units) {
  const double cubicMetres = innerVolume(box) * units.metres * units.metres * units.metres;
  return cubicMetres > 0.0 ? mass * units.kilograms / cubicMetres : 0.0;
}

double innerArea(const std::array<double, 6> &box) { return faceArea(innerEdges(box)); }

double wallPressure(double enginePressure, const std::array<double, 6> &box) {
  const double inner = innerArea(box);
  if (!(inner > 0.0))
    return 0.0;
  const double whole = faceArea({box[3] - box[0], box[4] - box[1], box[5] - box[2]});
  return enginePressure * whole / inner;
}

double wallPushPressure(const std::vector<double> &coords, const std::array<double, 6> &box) {
  const double inner = innerArea(box);
  if (!(inner > 0.0))
    return 0.0;
  double push = 0.0;
  for (std::size_t i = 0; i + 2 < coords.size(); i += 3) {
    for (std::size_t k = 0; k < 3; ++k) {
      const double x = coords[i + k];
      const double lo = box[k] + kWallSkin;
      const double hi = box[k + 3] - kWallSkin;
      if (x < lo)
        push += wallPush(lo - x);
      else if (x > hi)
        push += wallPush(x - hi);
    }
  }
  return push / inner;
}

double lidPushPressure(const std::vector<double> &coords, const std::array<double, 6> &box) {
  const auto e = innerEdges(box);
  const double face = e[0] * e[2];
  if (!(face > 0.0 && e[1] > 0.0))
    return 0.0;
  const double hi = box[4] - kWallSkin;
  double push = 0.0;
  for (std::size_t i = 1; i + 1 < coords.size(); i += 3)
    if (coords[i] > hi)
      push += wallPush(coords[i] - hi);
  return push / face;
}

} // namespace analysis
