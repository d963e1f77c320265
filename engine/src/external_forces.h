// Forces from outside the atom set: gravity along -y and the soft box walls.
#ifndef PAVEX_EXTERNAL_FORCES_H
#define PAVEX_EXTERNAL_FORCES_H

#include "engine_state.h"

namespace pavex {

// Pulls every atom along -y with g m; returns the gravity energy g * sum(m y).
double applyGravity(EngineState &state);

// Pushes atoms inside the wall skin of a face back toward the interior; sets
// the wall energy and the wall force sum of this step.
void applyWalls(EngineState &state);

} // namespace pavex

#endif
