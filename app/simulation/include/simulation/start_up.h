// The window's start-up values and how they reach the engine.
#pragma once

namespace simulation {

// After an engine initialisation: the default pair table, gravity,
// temperature and clamp, time step and material count of the program-side
// state go to the engine, and the masses, types and coordinates of the
// engine's lattice come back into the program's arrays.
void handStartUpValues();

} // namespace simulation
