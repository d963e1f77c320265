#include "landscape_cloud.h"

#include "noise.h"

#include <cmath>
#include <limits>

namespace {

struct Puff {
  double x;
  double y;
  double r;
};

const Puff kPuffs[] = {{379, 148, 11}, {394, 139, 18}, {414, 128, 24}, {440, 117, 25},
                       {465, 124, 22}, {486, 134, 18}, {500, 146, 11}, {428, 144, 18},
                       {458, 145, 17}, {482, 149, 12}};

// The body that shades the cloud as a whole.
constexpr double kBodyX = 438.0;
constexpr double kBodyY = 132.0;
constexpr double kBodyRadiusX = 66.0;
constexpr double kBodyRadiusY = 40.0;

constexpr double kTop = 92.0;   // highest point of the puffs
constexpr double kBase = 158.0; // the flat underside
constexpr double kEdgeSoftness = 1.4;
constexpr std::uint32_t kEdgeSeed = 11;

struct Nearest {
  const Puff *puff;
  double distance; // signed distance to the puff's rim, negative inside
};

Nearest nearestPuff(double x, double y) {
  Nearest best{nullptr, std::numeric_limits<double>::max()};
  for (const Puff &p : kPuffs) {
    const double d = std::hypot(x - p.x, y - p.y) - p.r;
    if (d < best.distance)
      best = {&p, d};
  }
  return best;
}

// Signed distance to the cloud's outline, with a ragged edge and a flat base.
double outlineDistance(double x, double y) {
  const double ragged = (fractalNoise(x * 0.25, y * 0.25, kEdgeSeed, 3) - 0.5) * 5.0;
  const double puffs = nearestPuff(x, y).distance + ragged;
  const double base = y - (kBase + std::sin(x * 0.15) * 1.2);
  return std::max(puffs, base);
}

// Light on a rounded body (an ellipsoid with radii rx, ry) lit from the upper left.
double roundLight(double cx, double cy, double rx, double ry, double x, double y) {
  const double nx = std::clamp((x - cx) / rx, -1.0, 1.0);
  const double ny = std::clamp((y - cy) / ry, -1.0, 1.0);
  const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
  return std::max(0.0, -0.45 * nx - 0.6 * ny + 0.66 * nz);
}

} // namespace

double cloudCoverage(double x, double y) {
  return clamp01(0.5 - outlineDistance(x, y) / (2.0 * kEdgeSoftness));
}

Rgb cloudColour(double x, double y) {
  static const Rgb kLit{255, 255, 255};
  static const Rgb kShade{184, 196, 214};
  static const Rgb kBaseTint{156, 168, 190};

  // The cloud as a whole is lit like one big ball from the upper left, and
  // each puff adds its own roundness; neighbouring puffs blend by nearness.
  double puffs = 0.0;
  double weights = 0.0;
  for (const Puff &p : kPuffs) {
    const double w = std::exp(-(std::hypot(x - p.x, y - p.y) - p.r) / 4.0);
    puffs += roundLight(p.x, p.y, p.r, p.r, x, y) * w;
    weights += w;
  }
  const double body = roundLight(kBodyX, kBodyY, kBodyRadiusX, kBodyRadiusY, x, y);
  const double light = 0.5 * body + 0.5 * puffs / weights;
  Rgb c = mix(kShade, kLit, std::pow(std::min(1.0, light * 1.15), 0.8));

  // Thicker cloud toward the base lets less light through.
  const double depth = clamp01((y - kTop) / (kBase - kTop));
  c = mix(c, kBaseTint, smoothstep(0.55, 1.0, depth) * 0.5);
  const double wisp = fractalNoise(x * 0.12, y * 0.12, kEdgeSeed + 7, 3);
  return c * (0.96 + 0.06 * wisp);
}
