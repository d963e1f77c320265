#include "landscape_layout.h"

#include <cmath>

namespace {

// Low dune behind the beach, from the left edge down to the horizon.
const QPointF kDuneRidge[] = {{0, 196},  {10, 194}, {22, 196},  {36, 200}, {52, 205},
                              {68, 209}, {84, 213}, {100, 216}, {112, 218}};

// Headland ridge from its foot on the horizon to the right edge; the left
// edge below the horizon is a separate list so the water edge is easy to
// follow.
const QPointF kRockRidge[] = {{465, 218}, {470, 212}, {476, 205}, {481, 201}, {487, 194},
                              {493, 190}, {499, 184}, {505, 181}, {512, 178}, {519, 174},
                              {527, 177}, {534, 172}, {542, 176}};
const QPointF kRockWaterEdge[] = {{465, 218}, {461, 226}, {458, 234}, {455, 241},
                                  {451, 249}, {448, 258}, {445, 266}, {440, 275},
                                  {435, 284}, {430, 293}, {424, 303}, {419, 314}};

constexpr double kShoreSlope = 0.82;   // pixels of beach gained per row nearer the viewer
constexpr double kShoreWobble = 3.0;   // amplitude of the shoreline's small bays
constexpr double kShoreStartX = 112.0; // where the beach meets the horizon
constexpr double kShoreStep = 2.0;     // rows between the shoreline's outline vertices

QPolygonF buildSandOutline() {
  QPolygonF outline;
  for (const QPointF &p : kDuneRidge)
    outline << p;
  for (double y = kHorizonY + kShoreStep; y < kLandscapeHeight; y += kShoreStep)
    outline << QPointF(shoreX(y), y);
  outline << QPointF(shoreX(kLandscapeHeight), kLandscapeHeight) << QPointF(0, kLandscapeHeight);
  return outline;
}

QPolygonF buildRockOutline() {
  QPolygonF outline;
  for (const QPointF &p : kRockRidge)
    outline << p;
  outline << QPointF(kLandscapeWidth, kLandscapeHeight);
  for (auto it = std::rbegin(kRockWaterEdge); it != std::rend(kRockWaterEdge); ++it)
    outline << *it;
  return outline;
}

// Piecewise-linear reading of a polyline whose `key` coordinate rises along
// it; keys outside the polyline take the value at the nearer end.
template <std::size_t N>
double interpolate(const QPointF (&points)[N], double key, qreal (QPointF::*keyOf)() const,
                   qreal (QPointF::*valueOf)() const) {
  if (key <= (points[0].*keyOf)())
    return (points[0].*valueOf)();
  for (std::size_t i = 1; i < N; ++i) {
    const QPointF &a = points[i - 1];
    const QPointF &b = points[i];
    if (key <= (b.*keyOf)()) {
      const double t = (key - (a.*keyOf)()) / ((b.*keyOf)() - (a.*keyOf)());
      return (a.*valueOf)() + ((b.*valueOf)() - (a.*valueOf)()) * t;
    }
  }
  return (points[N - 1].*valueOf)();
}

} // namespace

double shoreX(double y) {
  const double below = y - kHorizonY;
  return kShoreStartX + below * kShoreSlope + kShoreWobble * std::sin(y * 0.21) * (below / 96.0);
}

double rockEdgeX(double y) { return interpolate(kRockWaterEdge, y, &QPointF::y, &QPointF::x); }

double duneTopY(double x) { return interpolate(kDuneRidge, x, &QPointF::x, &QPointF::y); }

const QPolygonF &sandOutline() {
  static const QPolygonF outline = buildSandOutline();
  return outline;
}

const QPolygonF &rockOutline() {
  static const QPolygonF outline = buildRockOutline();
  return outline;
}

Material materialAt(double x, double y) {
  const QPointF p(x, y);
  if (rockOutline().containsPoint(p, Qt::OddEvenFill))
    return Material::Rock;
  if (sandOutline().containsPoint(p, Qt::OddEvenFill))
    return Material::Sand;
  return y < kHorizonY ? Material::Sky : Material::Water;
}
