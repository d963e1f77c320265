// Reading and checking a whole scenario file without touching the program's
// state or the engine.
#pragma once

#include "scenario/scenario_data.h"

#include <string>

namespace ModDornDll {

// Reads the whole file. Throws ScenarioError naming the file, the line and
// what was expected there.
ScenarioData readScenario(const std::string &fileName);

} // namespace ModDornDll
