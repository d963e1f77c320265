#include "spin_removal.h"

#include "pavex.h"

#include <cmath>

namespace pavex {
namespace {

// Inertia elements smaller than this fraction of the largest are rounding
// noise and are set to 0.
constexpr double kInertiaThreshold = 1e-16;

struct MassSums {
  double total = 0.0;
  double centre[3] = {0.0, 0.0, 0.0};
};

MassSums centreOfMass(const double *position, const double *mass, int32_t n) {
  MassSums sums;
  double moment[3] = {0.0, 0.0, 0.0};
  for (int32_t i = 0; i < n; ++i) {
    sums.total += mass[i];
    for (int k = 0; k < 3; ++k) {
      moment[k] += mass[i] * position[3 * i + k];
    }
  }
  for (int k = 0; k < 3 && sums.total != 0.0; ++k) {
    sums.centre[k] = moment[k] / sums.total;
  }
  return sums;
}

// Angular momentum L and inertia tensor I about the centre c.
void momentAndInertia(const double *position, const double *velocity, const double *mass, int32_t n,
                      const double *c, double (&l)[3], double (&inertia)[3][3]) {
  double sxx = 0.0, syy = 0.0, szz = 0.0, sxy = 0.0, sxz = 0.0, syz = 0.0;
  for (int32_t i = 0; i < n; ++i) {
    const double m = mass[i];
    const double dx = position[3 * i] - c[0];
    const double dy = position[3 * i + 1] - c[1];
    const double dz = position[3 * i + 2] - c[2];
    const double *v = velocity + 3 * i;
    l[0] += m * (dy * v[2] - dz * v[1]);
    l[1] += m * (dz * v[0] - dx * v[2]);
    l[2] += m * (dx * v[1] - dy * v[0]);
    sxx += m * (dy * dy + dz * dz);
    syy += m * (dx * dx + dz * dz);
    szz += m * (dx * dx + dy * dy);
    sxy += m * dx * dy;
    sxz += m * dx * dz;
    syz += m * dy * dz;
  }
  inertia[0][0] = sxx;
  inertia[1][1] = syy;
  inertia[2][2] = szz;
  inertia[0][1] = inertia[1][0] = -sxy;
  inertia[0][2] = inertia[2][0] = -sxz;
  inertia[1][2] = inertia[2][1] = -syz;
}

void dropRoundingNoise(double (&inertia)[3][3]) {
  double largest = 0.0;
  for (const auto &row : inertia) {
    for (double e : row) {
      largest = std::fmax(largest, std::fabs(e));
    }
  }
  for (auto &row : inertia) {
    for (double &e : row) {
      if (std::fabs(e) < kInertiaThreshold * largest) {
        e = 0.0;
      }
    }
  }
}

} // namespace

int32_t calcAngVel(const double *position, const double *velocity, const double *mass, int32_t n,
                   AngularVelocity &result) {
  result = AngularVelocity{};
  if (n == 0) {
    return PAVEX_OK;
  }
  const MassSums sums = centreOfMass(position, mass, n);
  if (sums.total == 0.0) {
    return PAVEX_E_NO_MASS;
  }
  for (int k = 0; k < 3; ++k) {
    result.centre[k] = sums.centre[k];
  }
  double l[3] = {0.0, 0.0, 0.0};
  double inertia[3][3];
  momentAndInertia(position, velocity, mass, n, result.centre, l, inertia);
  dropRoundingNoise(inertia);
  for (int j = 0; j < 3; ++j) {
    for (int k = 0; k < 3; ++k) {
      inertia[j][k] /= sums.total;
    }
    l[j] /= sums.total;
  }
  double cof[3][3];
  double det = 0.0;
  for (int j = 0; j < 3; ++j) {
    const int j1 = (j + 1) % 3, j2 = (j + 2) % 3;
    for (int k = 0; k < 3; ++k) {
      const int k1 = (k + 1) % 3, k2 = (k + 2) % 3;
      cof[j][k] = inertia[j1][k1] * inertia[j2][k2] - inertia[j1][k2] * inertia[j2][k1];
      det += cof[j][k] * inertia[j][k];
    }
  }
  det /= 3.0;
  if (!(det > 0.0)) {
    return PAVEX_E_INERTIA;
  }
  for (int j = 0; j < 3; ++j) {
    result.omega[j] = (l[0] * cof[j][0] + l[2] * cof[j][2] + l[1] * cof[j][1]) / det;
  }
  return PAVEX_OK;
}

int32_t removeSpin(const double *position, double *velocity, const double *mass, int32_t n) {
  AngularVelocity av;
  const int32_t code = calcAngVel(position, velocity, mass, n, av);
  if (code != PAVEX_OK) {
    return code;
  }
  const double *w = av.omega;
  for (int32_t i = 0; i < n; ++i) {
    const double dx = position[3 * i] - av.centre[0];
    const double dy = position[3 * i + 1] - av.centre[1];
    const double dz = position[3 * i + 2] - av.centre[2];
    double *v = velocity + 3 * i;
    v[0] -= w[1] * dz - w[2] * dy;
    v[1] -= w[2] * dx - w[0] * dz;
    v[2] -= w[0] * dy - w[1] * dx;
  }
  return PAVEX_OK;
}

void removeDrift(double *velocity, const double *mass, int32_t n) {
  double total = 0.0;
  double momentum[3] = {0.0, 0.0, 0.0};
  for (int32_t i = 0; i < n; ++i) {
    total += mass[i];
    for (int k = 0; k < 3; ++k) {
      momentum[k] += mass[i] * velocity[3 * i + k];
    }
  }
  if (total == 0.0) {
    return;
  }
  double drift[3];
  for (int k = 0; k < 3; ++k) {
    drift[k] = momentum[k] / total;
  }
  for (int32_t i = 0; i < n; ++i) {
    for (int k = 0; k < 3; ++k) {
      velocity[3 * i + k] -= drift[k];
    }
  }
}

} // namespace pavex
