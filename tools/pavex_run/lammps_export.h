// --export-lammps: the model as the engine holds it after the run, written
// as a LAMMPS deck.
#pragma once

#include "run_options.h"

namespace PavexRun {

// Reads the model back from the engine, with gravity, time step, clamp and
// thermostat of the program side at the run's last step, and writes the deck
// into options.lammpsDir.
void exportLammps(const RunOptions &options);

} // namespace PavexRun
