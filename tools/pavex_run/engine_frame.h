// The state of the running engine as the measures need it.
#pragma once

#include "analysis/atom_frame.h"

namespace PavexRun {

// Fetches the coordinates from the engine into the program's atomCoords and
// pairs them with the loaded scenario's types, pair table and box, and the
// engine's measured temperature.
analysis::AtomFrame engineFrame();

} // namespace PavexRun
