#include "held_scenarios.h"

#include <cstdio>

std::optional<HeldScenarios> readHeldScenarios(int argc, char **argv, const char *program) {
  HeldScenarios held;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--hold" && i + 1 < argc)
      held.kelvin = std::stod(argv[++i]);
    else
      held.scenarios.push_back(argument);
  }
  if (held.scenarios.empty()) {
    std::fprintf(stderr, "usage: %s [--hold KELVIN] SCENARIO.ams...\n", program);
    return std::nullopt;
  }
  return held;
}
