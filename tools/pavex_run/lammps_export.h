// --export-lammps: the model as the engine holds it after the run, written
// as a LAMMPS deck.
#pragma once

#include "run_options.h"
#include "scenario/material_card.h"

#include <optional>

namespace PavexRun {

// Reads the model back from the engine, with gravity, time step, clamp and
// thermostat of the program side at the run's last step, and writes the deck
// into options.lammpsDir. The deck keeps the model's units; with the
// scenario's material card its comments say how large they are.
void exportLammps(const RunOptions &options, const std::optional<ModDornDll::MaterialCard> &card);

} // namespace PavexRun
