// Gear's six-value predictor-corrector for second-order equations, on the
// scaled derivatives r0 .. r5 (rk = dt^k / k! times the k-th derivative).
#ifndef PAVEX_INTEGRATOR_H
#define PAVEX_INTEGRATOR_H

#include "engine_state.h"

namespace pavex {

// Taylor step of all six values.
void predict(EngineState &state);

// Corrects all six values from the force array.
void correct(EngineState &state);

} // namespace pavex

#endif
