#include "lattice.h"

namespace pavex {
namespace {

constexpr double kLatticeConstant = 40960.0 / 29.0;
constexpr double kSiteOffset = 0.5;
// Free space between the crystal and the box: atoms move by the first,
// the box maximum by the second (so z has 2048 below and 32768 above).
constexpr double kAtomMargin[3] = {12288.0, 12288.0, 2048.0};
constexpr double kBoxMargin[3] = {24576.0, 24576.0, 34816.0};

void placeAtom(double *p, double cx, double cy, double cz) {
  p[0] = cx * kLatticeConstant + kSiteOffset;
  p[1] = cy * kLatticeConstant + kSiteOffset;
  p[2] = cz * kLatticeConstant + kSiteOffset;
}

} // namespace

int64_t placeLattice(double *position, int32_t nx, int32_t ny, int32_t nz) {
  int64_t placed = 0;
  // An axis without cells makes no atoms, however long the others are.
  if (nx <= 0 || ny <= 0 || nz <= 0) {
    return placed;
  }
  for (int32_t iz = 0; iz < nz; ++iz) {
    for (int32_t iy = 0; iy < ny; ++iy) {
      for (int32_t ix = 0; ix < nx; ++ix) {
        placeAtom(position + 3 * placed++, ix + 1.0, iy + 1.0, iz + 1.0);
        placeAtom(position + 3 * placed++, ix + 1.5, iy + 1.5, iz + 1.5);
      }
    }
  }
  return placed;
}

void fitBoxAroundAtoms(EngineState &state) {
  double *position = state.atoms.position.get();
  double lo[3] = {0.0, 0.0, 0.0};
  double hi[3] = {0.0, 0.0, 0.0};
  for (int k = 0; k < 3 && state.n > 0; ++k) {
    lo[k] = hi[k] = position[k];
  }
  for (int64_t i = 1; i < state.n; ++i) {
    for (int k = 0; k < 3; ++k) {
      const double x = position[3 * i + k];
      if (x < lo[k]) {
        lo[k] = x;
      } else if (x > hi[k]) {
        hi[k] = x;
      }
    }
  }
  for (int64_t i = 0; i < state.n; ++i) {
    for (int k = 0; k < 3; ++k) {
      position[3 * i + k] = position[3 * i + k] - lo[k] + kAtomMargin[k];
    }
  }
  for (int k = 0; k < 3; ++k) {
    state.boxMin[k] = 0.0;
    state.boxMax[k] = hi[k] - lo[k] + kBoxMargin[k];
  }
}

} // namespace pavex
