#include "integrator.h"

#include "pavex.h"

#include <cmath>

namespace pavex {
namespace {

constexpr double kC0 = 3.0 / 16.0;
constexpr double kC1 = 251.0 / 360.0;
constexpr double kC3 = 11.0 / 18.0;
constexpr double kC4 = 1.0 / 6.0;
constexpr double kC5 = 1.0 / 60.0;

} // namespace

void predict(EngineState &state) {
  AtomArrays &atoms = state.atoms;
  double *r0 = atoms.position.get(), *r1 = atoms.velocity.get(), *r2 = atoms.r2.get();
  double *r3 = atoms.r3.get(), *r4 = atoms.r4.get();
  const double *r5 = atoms.r5.get();
  for (int64_t c = 0; c < 3 * static_cast<int64_t>(state.n); ++c) {
    const double v1 = r1[c], v2 = r2[c], v3 = r3[c], v4 = r4[c], v5 = r5[c];
    r0[c] = r0[c] + v1 + v2 + v3 + v4 + v5;
    r1[c] = v1 + 2.0 * v2 + 3.0 * v3 + 4.0 * v4 + 5.0 * v5;
    r2[c] = v2 + 3.0 * v3 + 6.0 * v4 + 10.0 * v5;
    r3[c] = v3 + 4.0 * v4 + 10.0 * v5;
    r4[c] = v4 + 5.0 * v5;
  }
}

void correct(EngineState &state) {
  AtomArrays &atoms = state.atoms;
  double *r0 = atoms.position.get(), *r1 = atoms.velocity.get(), *r2 = atoms.r2.get();
  double *r3 = atoms.r3.get(), *r4 = atoms.r4.get(), *r5 = atoms.r5.get();
  const double *force = atoms.force.get();
  const double h = state.timeStep * state.timeStep * 0.5;
  for (int64_t i = 0; i < state.n; ++i) {
    const double m = atoms.mass[i];
    for (int64_t c = 3 * i; c < 3 * i + 3; ++c) {
      const double acc = h * force[c] / m;
      const double delta = acc - r2[c];
      r0[c] += kC0 * delta;
      r1[c] += kC1 * delta;
      r2[c] = acc;
      r3[c] += kC3 * delta;
      r4[c] += kC4 * delta;
      r5[c] += kC5 * delta;
    }
  }
}

} // namespace pavex

extern "C" void MD_set_timestep(double dt) {
  pavex::EngineState &state = pavex::engine();
  if (!(dt > 0.0) || !std::isfinite(dt)) {
    return;
  }
  const double ratio = dt / state.timeStep;
  state.timeStep = dt;
  if (state.n == 0 || !state.atoms.present()) {
    return;
  }
  pavex::AtomArrays &atoms = state.atoms;
  double *derivatives[5] = {atoms.velocity.get(), atoms.r2.get(), atoms.r3.get(), atoms.r4.get(),
                            atoms.r5.get()};
  double factor = 1.0;
  for (double *r : derivatives) {
    factor *= ratio;
    for (int64_t c = 0; c < 3 * static_cast<int64_t>(state.n); ++c) {
      r[c] *= factor;
    }
  }
}
