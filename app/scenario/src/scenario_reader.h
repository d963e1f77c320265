// Reading and checking a whole scenario file without touching the program's
// state or the engine.
#pragma once

#include "scenario/scenario_data.h"

#include <string>

namespace ModDornDll {

// Reads the whole file. Throws ScenarioError naming the file, the line and
// what was expected there.
ScenarioData readScenario(const std::string &fileName);
// The same for a file's text already in memory; fileName names it in messages.
ScenarioData parseScenario(const std::string &fileName, const std::string &text);

} // namespace ModDornDll
