// The run loop: predict, forces, correct, energies, quench or clamp, range
// check, once per step.
#include "engine_state.h"
#include "external_forces.h"
#include "integrator.h"
#include "pair_forces.h"
#include "pavex.h"
#include "temperature.h"

#include <algorithm>
#include <cmath>

namespace pavex {
namespace {

// What a run needs and the caller may have missed; checked once per call so
// the steps themselves stay free of checks. Returns 0 when the run may go on.
int32_t checkRunnable(const EngineState &state) {
  const AtomArrays &atoms = state.atoms;
  if (!atoms.present()) {
    return PAVEX_E_NO_ATOM_MEMORY;
  }
  if (state.n == 0) {
    return PAVEX_OK; // nothing to move
  }
  if (!state.pairTable) {
    return PAVEX_E_NO_PAIR_MEMORY;
  }
  for (int32_t i = 0; i < state.n; ++i) {
    if (atoms.type[i] < 0 || atoms.type[i] >= state.pairTableTypes) {
      return PAVEX_E_NO_PAIR_MEMORY;
    }
    if (atoms.mass[i] == 0.0) {
      return PAVEX_E_NO_MASS;
    }
  }
  return PAVEX_OK;
}

void computeForces(EngineState &state, double &pairEnergy, double &gravityEnergy) {
  pairEnergy = computePairForces(state);
  gravityEnergy = applyGravity(state);
  applyWalls(state);
}

void updateEnergies(EngineState &state, double pairEnergy, double gravityEnergy) {
  state.gravityEnergy = gravityEnergy;
  state.kineticEnergy = kineticEnergy(state);
  state.potentialEnergy = (state.wallEnergy + gravityEnergy + pairEnergy) / state.n;
  state.totalEnergy = state.kineticEnergy + state.potentialEnergy;
}

void scaleVelocities(EngineState &state, double factor) {
  double *v = state.atoms.velocity.get();
  for (int64_t c = 0; c < 3 * static_cast<int64_t>(state.n); ++c) {
    v[c] *= factor;
  }
}

// A quench stops every atom as soon as the potential energy rises; otherwise
// the clamp pulls the mean kinetic energy per atom toward the clamp
// temperature (a negative clamp temperature counts as 0).
void applyQuenchOrClamp(EngineState &state) {
  if (state.quenchOn && state.previousPotentialEnergy < state.potentialEnergy) {
    std::fill_n(state.atoms.velocity.get(), 3 * static_cast<int64_t>(state.n), 0.0);
  }
  state.previousPotentialEnergy = state.potentialEnergy;
  const double k = state.kineticEnergy;
  if (state.clampOn && !state.quenchOn && k > 0.0) {
    const double target = std::max(state.clampTemperature, 0.0);
    scaleVelocities(state, 1.0 + state.clampRate * (std::sqrt(target / k) - 1.0));
  }
}

// True when every coordinate lies within the box, limits included.
bool insideBox(const EngineState &state) {
  const double *position = state.atoms.position.get();
  for (int64_t i = 0; i < state.n; ++i) {
    for (int k = 0; k < 3; ++k) {
      const double x = position[3 * i + k];
      if (!(x >= state.boxMin[k] && x <= state.boxMax[k])) {
        return false;
      }
    }
  }
  return true;
}

int32_t runSteps(EngineState &state, int32_t steps) {
  if (steps <= 0) {
    return PAVEX_OK;
  }
  const int32_t code = checkRunnable(state);
  if (code != PAVEX_OK || state.n == 0) {
    return code;
  }
  for (int32_t step = 0; step < steps; ++step) {
    predict(state);
    double pairEnergy = 0.0, gravityEnergy = 0.0;
    computeForces(state, pairEnergy, gravityEnergy);
    correct(state);
    updateEnergies(state, pairEnergy, gravityEnergy);
    applyQuenchOrClamp(state);
    if (!insideBox(state)) {
      return PAVEX_E_OUT_OF_RANGE;
    }
  }
  return PAVEX_OK;
}

} // namespace
} // namespace pavex

extern "C" int32_t MD_do_run(int32_t steps) { return pavex::runSteps(pavex::engine(), steps); }

extern "C" int32_t MD_do_quench(int32_t steps) {
  pavex::EngineState &state = pavex::engine();
  state.quenchOn = 1;
  const int32_t code = pavex::runSteps(state, steps);
  state.quenchOn = 0;
  return code;
}
