// The three files of a LAMMPS deck for an engine model: input script, data
// file and pair table, in one folder.
#pragma once

#include "engine_model.h"

#include <string>

namespace PavexRun {

// Makes the folder (and its parents) when it does not exist. Throws
// std::runtime_error when it cannot be made or is not a folder, so that a
// long run does not end at a folder it cannot write.
void prepareDeckFolder(const std::string &folder);

// Writes in.pavex, pavex.data and pavex.table into the folder. Throws
// std::runtime_error naming a file that cannot be written, and for a model
// LAMMPS cannot take (see lammpsTypes).
void writeLammpsDeck(const std::string &folder, const EngineModel &model);

} // namespace PavexRun
