// The running simulation as a scenario: what a file would need to set the
// engine up again where it stands now.
#pragma once

#include "scenario/scenario_data.h"

namespace ModDornDll {

// Fetches the current coordinates (into atomCoords, as a tick does) and the
// velocities from the engine; the types, masses, pair table, box, gravity,
// time step and set-point temperature are the program's copy of what the
// engine holds.
ScenarioData snapshotOfEngine();

} // namespace ModDornDll
