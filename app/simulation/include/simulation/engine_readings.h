// What the program reads of the running simulation, in the forms the
// measures take: the engine's figures as a sample, and the atoms as a frame.
#pragma once

#include "analysis/atom_frame.h"
#include "analysis/series.h"

#include <cstdint>

namespace simulation {

// The engine's measured temperature, energies per atom and boundary
// pressure at this step, with the thermostat the atoms are held at (kelvin)
// and the pressure on the walls as the caller's gauge reads it.
analysis::Sample readEngine(std::int64_t step, double thermostat, double wallPush);

// A copy of the atoms as the program last fetched them (atomCoords), with
// the loaded scenario's types, pair table and box.
analysis::AtomFrame programFrame();

// Fetches the coordinates from the engine into atomCoords and pairs them
// with the loaded scenario's types, pair table and box, and the engine's
// measured temperature: the atoms as they stand, for headless runs.
analysis::AtomFrame engineFrame();

} // namespace simulation
