// The whole scenario reader on any bytes: a file is either refused with a
// ScenarioError or read; a file that is read, written back by the program's
// own writer and read again gives the very same scenario.
#include "scenario/mod_dorn_dll.h"
#include "scenario/scenario_writer.h"
#include "scenario_reader.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace ModDornDll;

namespace {

bool sameScenario(const ScenarioData &a, const ScenarioData &b) {
  return a.atomCount == b.atomCount && a.typeCount == b.typeCount &&
         a.temperature == b.temperature && a.gravity == b.gravity && a.timeStep == b.timeStep &&
         a.box == b.box && a.potentialParams == b.potentialParams && a.coords == b.coords &&
         a.velocities == b.velocities && a.masses == b.masses && a.atomTypes == b.atomTypes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  ScenarioData read;
  try {
    read = parseScenario("fuzz.ams", text);
  } catch (const ScenarioError &) {
    return 0;
  }
  // Every number the reader takes is finite, so the writer takes it too.
  const std::string written = scenarioText(read);
  if (!sameScenario(parseScenario("fuzz.ams", written), read))
    std::abort();
  return 0;
}
