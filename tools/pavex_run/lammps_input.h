// The LAMMPS input script of an engine model: units, the data and table
// files, the pair coefficients, the engine's walls, gravity and clamp, the
// thermodynamic output and the run. Its opening comments list where the
// LAMMPS model differs from the engine's.
#pragma once

#include "engine_model.h"
#include "lammps_data.h"

#include <ostream>
#include <string>

namespace PavexRun {

// The files of an exported deck, as the input script names them (it is run
// from their folder).
inline const std::string kDeckInput = "in.pavex";
inline const std::string kDeckData = "pavex.data";
inline const std::string kDeckTable = "pavex.table";

// Steps of the run unless `-var steps N` says otherwise.
constexpr int kDeckSteps = 10000;

void writeInputScript(std::ostream &out, const EngineModel &model, const LammpsTypes &types);

} // namespace PavexRun
