#include "lammps_table.h"

#include <cmath>
#include <cstdio>

namespace PavexRun {
namespace {

double widthSquared(const PairParameters &p) {
  return p.reference * p.reference - p.cutOff * p.cutOff;
}

// s of the potential, 0 at the cut-off and 1 at the reference distance.
double shapeVariable(const PairParameters &p, double r) {
  return (r * r - p.cutOff * p.cutOff) / widthSquared(p);
}

bool inside(const PairParameters &p, double r) {
  return p.interacts() && r * r < p.cutOff * p.cutOff;
}

} // namespace

bool PairParameters::interacts() const { return reference != cutOff && cutOff != 0.0; }

double pairEnergy(const PairParameters &p, double r) {
  if (!inside(p, r))
    return 0.0;
  const double s = shapeVariable(p, r);
  return p.depth * s * s * (s * s - p.shape);
}

double pairForce(const PairParameters &p, double r) {
  if (!inside(p, r))
    return 0.0;
  const double s = shapeVariable(p, r);
  return -8.0 * p.depth / widthSquared(p) * s * (s * s - p.shape / 2.0) * r;
}

double pairForceSlope(const PairParameters &p, double r) {
  if (!p.interacts())
    return 0.0;
  const double s = shapeVariable(p, r);
  const double w = widthSquared(p);
  return -8.0 * p.depth / w *
         (s * (s * s - p.shape / 2.0) + 2.0 * r * r / w * (3.0 * s * s - p.shape / 2.0));
}

std::string tableSection(int t, int u) {
  return "PAIR_" + std::to_string(t) + "_" + std::to_string(u);
}

double tableReach(const PairParameters &pair) {
  return pair.interacts() ? std::abs(pair.cutOff) : 2.0 * kTableInner;
}

void writeTableSection(std::ostream &out, const std::string &name, const PairParameters &pair,
                       int points) {
  const double lo = kTableInner, hi = tableReach(pair);
  char line[160];
  std::snprintf(line, sizeof line, "%s\nN %d RSQ %.17g %.17g FPRIME %.17g %.17g\n\n", name.c_str(),
                points, lo, hi, pairForceSlope(pair, lo), pairForceSlope(pair, hi));
  out << line;
  // LAMMPS computes the distances from RSQ itself; these are the same ones.
  for (int i = 0; i < points; ++i) {
    const double r = std::sqrt(lo * lo + (hi * hi - lo * lo) * i / (points - 1));
    std::snprintf(line, sizeof line, "%d %.17g %.17g %.17g\n", i + 1, r, pairEnergy(pair, r),
                  pairForce(pair, r));
    out << line;
  }
  out << '\n';
}

} // namespace PavexRun
