// Writing a scenario file in the very layout the loader reads, every number
// in the fewest digits that read back as the same double.
#pragma once

#include "scenario/scenario_data.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace ModDornDll {

// The most atoms and types a scenario file can hold: its highest coordinate
// slot 3N - 1 and its highest pair slot 4P - 1 stay within 16 bits.
constexpr std::int32_t kMostScenarioAtoms = 10922;
constexpr std::int32_t kMostScenarioTypes = 127;

// A scenario that cannot be saved: the message names the file and the cause.
class SaveError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The text of the file, lines ending in CR LF. Throws SaveError for a value
// that is not a finite number and for more atoms or types than a file holds.
std::string scenarioText(const ScenarioData &data);

// Writes the scenario to a temporary file beside `path` and renames it over
// `path` only once it is complete, so a failed save leaves an existing file
// as it was. Throws SaveError naming the file and the cause.
void writeScenarioFile(const std::string &path, const ScenarioData &data);

} // namespace ModDornDll
