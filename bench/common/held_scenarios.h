// The command line of the benches that hold scenario files at a temperature:
// [--hold KELVIN] SCENARIO.ams...
#pragma once

#include <optional>
#include <string>
#include <vector>

struct HeldScenarios {
  double kelvin = 300.0;
  std::vector<std::string> scenarios;
};

// The scenarios and the temperature; none (after printing the usage of
// `program` on stderr) when no scenario is named.
std::optional<HeldScenarios> readHeldScenarios(int argc, char **argv, const char *program);
