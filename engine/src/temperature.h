// Kinetic energy and temperature of the atoms. Temperature is 2/3 of the mean
// kinetic energy per atom, in the engine's energy unit.
#ifndef PAVEX_TEMPERATURE_H
#define PAVEX_TEMPERATURE_H

#include "engine_state.h"

namespace pavex {

// Largest temperature and clamp temperature the engine accepts.
constexpr double kMaxTemperature = 2000.0;

// Mean kinetic energy per atom of the scaled velocities; refreshes the atom
// energy and step length arrays. 0 without atoms.
double kineticEnergy(EngineState &state);

// Gives the atoms random velocities of temperature t with neither drift nor
// spin. Returns 0, 10 or 11 (spin removal failed; the velocities then keep
// their unscaled random values).
int32_t applyTemperature(EngineState &state, double t);

} // namespace pavex

#endif
