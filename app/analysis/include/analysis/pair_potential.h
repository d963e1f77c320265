// The pair energy the engine uses, and the landmarks of its curve: the well
// where two atoms rest (bond length and depth), the cut-off, and where the
// repulsive wall rises.
#pragma once

#include <vector>

namespace analysis {

// E(r) = A·s²·(s² − b) with s = (r² − D²)/(C² − D²), zero at and beyond the
// cut-off D, for the pair (A, b, C, D). A pair whose C equals D has no
// curve and gives 0.
double pairEnergy(const double *pair, double r);

struct PotentialWell {
  double distance; // bond length: where the energy is lowest
  double energy;   // the energy there (negative for an attractive pair)
};
PotentialWell potentialWell(const double *pair);

// Where the curve starts: the distance below the well at which the repulsive
// wall climbs as high above zero as the well lies below it (a quarter of A
// for a pair without a well); 0 for a soft core that never climbs that high.
double wallStart(const double *pair);

struct PotentialPoint {
  double r;
  double energy;
};
// The energy at `points` evenly spaced distances from wallStart to the cut-off.
std::vector<PotentialPoint> potentialCurve(const double *pair, int points);

} // namespace analysis
