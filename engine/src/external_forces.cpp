#include "external_forces.h"

namespace pavex {
namespace {

constexpr double kWallDepth = 512.0;  // W_A, energy
constexpr double kWallRest = 1412.0;  // W_C, length
constexpr double kWallReach = 2048.0; // W_D, thickness of the wall skin
constexpr double kWallSpan = kWallReach - kWallRest;
constexpr double kWallStiffness = 8.0 * kWallDepth / kWallSpan;

// s = 1 at the inner edge of the skin, growing with the depth into it.
double wallEnergy(double s) {
  const double s2 = s * s;
  return kWallDepth * (s2 * s2 - 2.0 * s2 + 1.0);
}

double wallPush(double s) { return kWallStiffness * s * (s * s - 1.0); }

} // namespace

double applyGravity(EngineState &state) {
  const double g = state.gravity;
  const double *mass = state.atoms.mass.get();
  const double *position = state.atoms.position.get();
  double *force = state.atoms.force.get();
  double massHeight = 0.0;
  for (int64_t i = 0; i < state.n; ++i) {
    force[3 * i + 1] -= g * mass[i];
    massHeight += mass[i] * position[3 * i + 1];
  }
  return g * massHeight;
}

void applyWalls(EngineState &state) {
  const double *position = state.atoms.position.get();
  double *force = state.atoms.force.get();
  double lo[3], hi[3];
  for (int k = 0; k < 3; ++k) {
    lo[k] = state.boxMin[k] + kWallReach;
    hi[k] = state.boxMax[k] - kWallReach;
  }
  double energy = 0.0;
  double forceSum = 0.0;
  for (int64_t i = 0; i < state.n; ++i) {
    for (int k = 0; k < 3; ++k) {
      const int64_t c = 3 * i + k;
      const double x = position[c];
      if (x < lo[k]) {
        const double s = 1.0 + (lo[k] - x) / kWallSpan;
        energy += wallEnergy(s);
        force[c] += wallPush(s);
        forceSum += force[c];
      } else if (x > hi[k]) {
        const double s = 1.0 + (x - hi[k]) / kWallSpan;
        energy += wallEnergy(s);
        force[c] -= wallPush(s);
        forceSum -= force[c];
      }
    }
  }
  state.wallEnergy = energy;
  state.wallForceSum = forceSum;
}

} // namespace pavex
