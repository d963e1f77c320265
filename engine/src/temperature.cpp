#include "temperature.h"

#include "pavex.h"
#include "random_generator.h"
#include "spin_removal.h"

#include <algorithm>
#include <cmath>

namespace pavex {
namespace {

// Random components are (r - kRandomMid) / kRandomMid for r in 0 .. 32767.
constexpr double kRandomMid = 16383.0;
constexpr double kClampRate = 0.01;
constexpr double kTwoThirds = 2.0 / 3.0;

bool hasAtoms(const EngineState &state) { return state.n > 0 && state.atoms.present(); }

void drawRandomVelocities(EngineState &state) {
  double *v = state.atoms.velocity.get();
  for (int64_t k = 0; k < 3 * static_cast<int64_t>(state.n); ++k) {
    v[k] = (nextRandom(state.randomState) - kRandomMid) / kRandomMid;
  }
}

} // namespace

double kineticEnergy(EngineState &state) {
  if (!hasAtoms(state)) {
    return 0.0;
  }
  AtomArrays &atoms = state.atoms;
  const double dt = state.timeStep;
  double sum = 0.0;
  for (int32_t i = 0; i < state.n; ++i) {
    const double *v = atoms.velocity.get() + 3 * static_cast<int64_t>(i);
    const double q = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    atoms.stepLength[i] = std::sqrt(q);
    atoms.atomEnergy[i] = q * atoms.mass[i] * 0.5 / (dt * dt);
    sum += q * atoms.mass[i];
  }
  return sum * 0.5 / (state.n * dt * dt);
}

int32_t applyTemperature(EngineState &state, double t) {
  if (!hasAtoms(state)) {
    return PAVEX_OK;
  }
  AtomArrays &atoms = state.atoms;
  double *v = atoms.velocity.get();
  const int64_t count = 3 * static_cast<int64_t>(state.n);
  if (t <= 0.0) {
    std::fill_n(v, count, 0.0);
    return PAVEX_OK;
  }
  drawRandomVelocities(state);
  const int32_t code = removeSpin(atoms.position.get(), v, atoms.mass.get(), state.n);
  if (code != PAVEX_OK) {
    return code;
  }
  removeDrift(v, atoms.mass.get(), state.n);
  const double k = kineticEnergy(state);
  state.kineticEnergy = k;
  const double factor = std::sqrt(3.0 * t / (2.0 * k));
  for (int64_t c = 0; c < count; ++c) {
    v[c] *= factor;
    v[c] *= state.timeStep;
  }
  return PAVEX_OK;
}

} // namespace pavex

extern "C" int32_t MD_set_temperature(double t) {
  if (!std::isfinite(t) || t > pavex::kMaxTemperature) {
    return PAVEX_E_TEMPERATURE;
  }
  pavex::EngineState &state = pavex::engine();
  state.temperature = t;
  return pavex::applyTemperature(state, t);
}

extern "C" double MD_get_temperature(void) {
  return pavex::kTwoThirds * pavex::kineticEnergy(pavex::engine());
}

extern "C" double MD_get_kinetic_energy(void) { return pavex::kineticEnergy(pavex::engine()); }

extern "C" int32_t MD_set_clamp_temp(double t) {
  if (!std::isfinite(t) || t > pavex::kMaxTemperature) {
    return PAVEX_E_CLAMP;
  }
  pavex::EngineState &state = pavex::engine();
  state.clampTemperature = t;
  state.clampRate = pavex::kClampRate;
  state.clampOn = 1;
  return PAVEX_OK;
}

extern "C" void MD_set_clamp_on_off(int32_t on) { pavex::engine().clampOn = on != 0 ? 1 : 0; }
