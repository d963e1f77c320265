// The program's start-up values and how they reach the engine.
#pragma once

namespace simulation {

// Writes the program's start-up values into the program-side state: a
// lattice of 5 x 5 x 5 cells of one material, gravity 0.05, temperature 200
// held by the clamp, time step 1.
void writeStartUpValues();

// After an engine initialisation: the default pair table, gravity,
// temperature and clamp, time step and material count of the program-side
// state go to the engine, and the masses, types and coordinates of the
// engine's lattice come back into the program's arrays.
void handStartUpValues();

} // namespace simulation
