// The state of the running engine as the phase summary needs it.
#pragma once

#include "phase_summary.h"

namespace PavexRun {

// Fetches the coordinates from the engine into the program's atomCoords and
// pairs them with the loaded scenario's types, pair table and box.
Snapshot engineSnapshot();

} // namespace PavexRun
