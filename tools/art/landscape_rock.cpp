#include "landscape_rock.h"

#include "landscape_layout.h"
#include "noise.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kFacetSize = 17.0;   // horizontal spacing of the facet centres in pixels
constexpr double kFacetAspect = 0.55; // facets lie in flat ledges, wider than high
constexpr std::uint32_t kFacetSeed = 31;
constexpr double kJointWidth = 0.9; // pixels either side of a facet border

const Rgb kRockBase{84, 78, 76};
const Rgb kRockWarm{96, 84, 72};
const Rgb kRockJoint{26, 24, 26};

struct Cell {
  int cx;
  int cy;
};

struct Facet {
  Cell nearest;
  Cell second;
  double d1; // distance to the nearest facet centre
  double d2; // distance to the second nearest
};

QPointF facetCentre(int cx, int cy) {
  return {(cx + 0.15 + 0.7 * unitHash(cx, cy, kFacetSeed)) * kFacetSize,
          (cy + 0.15 + 0.7 * unitHash(cx, cy, kFacetSeed + 1)) * kFacetSize * kFacetAspect};
}

Facet nearestFacet(double x, double y) {
  const int gx = static_cast<int>(std::floor(x / kFacetSize));
  const int gy = static_cast<int>(std::floor(y / (kFacetSize * kFacetAspect)));
  constexpr double kFar = std::numeric_limits<double>::max();
  Facet f{{0, 0}, {0, 0}, kFar, kFar};
  for (int cy = gy - 2; cy <= gy + 2; ++cy) {
    for (int cx = gx - 2; cx <= gx + 2; ++cx) {
      const QPointF c = facetCentre(cx, cy);
      const double d = std::hypot(x - c.x(), y - c.y());
      if (d < f.d1) {
        f = {{cx, cy}, f.nearest, d, f.d1};
      } else if (d < f.d2) {
        f.second = {cx, cy};
        f.d2 = d;
      }
    }
  }
  return f;
}

// Brightness of a facet: its tilt comes from its hash, biased upward so the
// tops of ledges catch the light.
double facetLight(Cell c) {
  const double ax = (unitHash(c.cx, c.cy, kFacetSeed + 2) - 0.5) * 1.8;
  const double ay = (unitHash(c.cx, c.cy, kFacetSeed + 3) - 0.5) * 1.6 - 0.45;
  const double len = std::sqrt(ax * ax + ay * ay + 1.0);
  const double lambert = (-0.55 * ax - 0.62 * ay + 0.56) / len;
  return 0.38 + 0.95 * std::max(0.0, lambert);
}

// How deep the joint between two facets is: some are open cracks, others
// barely show.
double jointDepth(Cell a, Cell b) {
  const double h = unitHash(a.cx * 31 + b.cx, a.cy * 31 + b.cy, kFacetSeed + 6);
  return 0.05 + 0.7 * h * h;
}

// Light on the rock's broad shape: a smooth bumpy surface lit from the
// upper left, so neighbouring facets share their brightness.
double surfaceLight(double x, double y) {
  const auto height = [](double u, double v) {
    return fractalNoise(u * 0.035, v * 0.05, kFacetSeed + 7, 4) * 22.0;
  };
  const double dx = height(x + 1.0, y) - height(x - 1.0, y);
  const double dy = height(x, y + 1.0) - height(x, y - 1.0);
  const double len = std::sqrt(dx * dx + dy * dy + 4.0);
  const double lambert = (0.55 * dx + 0.62 * dy + 0.56 * 2.0) / len;
  return 0.35 + 0.9 * std::max(0.0, lambert);
}

} // namespace

Rgb rockColour(double x, double y) {
  const Facet f = nearestFacet(x, y);
  const Rgb tone = mix(kRockBase, kRockWarm, unitHash(f.nearest.cx, f.nearest.cy, kFacetSeed + 4));
  const double grain = 0.9 + 0.2 * unitHash(static_cast<int>(x), static_cast<int>(y), 37);
  const double mottle = 0.85 + 0.3 * fractalNoise(x * 0.08, y * 0.08, kFacetSeed + 5, 3);
  // The foot of the headland stands in spray and shadow.
  const double foot = 1.0 - 0.25 * smoothstep(kHorizonY, kLandscapeHeight, y);
  // Each facet bulges a little toward the light, and the headland as a
  // whole is brighter on its upper left than deep in its lower right.
  const QPointF centre = facetCentre(f.nearest.cx, f.nearest.cy);
  const double bulge = (-(x - centre.x()) * 0.6 - (y - centre.y()) * 0.8) / kFacetSize;
  const double mound = 1.12 - 0.4 * clamp01(((x - 440.0) + (y - 170.0)) / 260.0);
  const double facet = facetLight(f.nearest) + 0.15 * bulge;
  const double light = (0.55 * facet + 0.45 * surfaceLight(x, y)) * mound;
  const Rgb c = tone * (light * grain * mottle * foot);
  const double joint = 1.0 - smoothstep(0.0, kJointWidth * 2.0, f.d2 - f.d1);
  // The joint's depth must not depend on which side of it the point lies.
  const Cell low =
      f.nearest.cx < f.second.cx || (f.nearest.cx == f.second.cx && f.nearest.cy < f.second.cy)
          ? f.nearest
          : f.second;
  const Cell high = low.cx == f.nearest.cx && low.cy == f.nearest.cy ? f.second : f.nearest;
  return mix(c, kRockJoint, joint * jointDepth(low, high));
}
