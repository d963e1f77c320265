// The engine's boundary pressure against the walls' own push. For each
// scenario given, held at a temperature, it prints the means over 400
// samples (one every 50 steps, after 5,000 steps to settle) of
//   engine        MD_get_boundary_pressure: the wall force sum, which also
//                 counts the pair and gravity forces on the atoms in the
//                 skins, over the whole box's area
//   engine/inner  the same sum over the skins' inner faces (wallPressure)
//   walls         the walls' own push over the inner faces (wallPushPressure)
//   lid           the lid's own push over its inner face (lidPushPressure)
// and N k T / V over the room inside the skins, all in model units; last,
// the root mean square of the sample-by-sample difference between
// engine/inner and walls, relative to the walls' mean.
//
// usage: pressure_sources [--hold KELVIN] SCENARIO.ams...   (from the build's bin)
#include "analysis/wall_pressure.h"
#include "held_scenarios.h"
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/temperature_hold.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSettleSteps = 5000;
constexpr int kSamples = 400;
constexpr int kEvery = 50;

void measure(const std::string &scenario, double kelvin) {
  ModDornDll::loadScenarioFile(scenario);
  simulation::TemperatureHold hold;
  hold.holdAt(kelvin);
  Pavex::MD_do_run(kSettleSteps);
  const auto &box = ModDornDll::boxDims;
  double engine = 0, inner = 0, walls = 0, lid = 0, temperature = 0, squared = 0;
  for (int s = 0; s < kSamples; ++s) {
    Pavex::MD_do_run(kEvery);
    Pavex::MD_return_coordinates(ModDornDll::atomCoords.data());
    const double raw = Pavex::MD_get_boundary_pressure();
    engine += raw;
    const double sum = analysis::wallPressure(raw, box);
    const double push = analysis::wallPushPressure(ModDornDll::atomCoords, box);
    inner += sum;
    walls += push;
    squared += (sum - push) * (sum - push);
    lid += analysis::lidPushPressure(ModDornDll::atomCoords, box);
    temperature += Pavex::MD_get_temperature();
  }
  const double ideal = ModDornDll::numAtoms * temperature / kSamples / analysis::innerVolume(box);
  const double spread = std::sqrt(squared / kSamples) / (walls / kSamples);
  std::printf("%-16s %8.1f %12.4g %12.4g %12.4g %12.4g %12.4g %9.1f%%\n",
              scenario.substr(scenario.rfind('/') + 1).c_str(), temperature / kSamples,
              engine / kSamples, inner / kSamples, walls / kSamples, lid / kSamples, ideal,
              100.0 * spread);
}

} // namespace

int main(int argc, char **argv) {
  const auto held = readHeldScenarios(argc, argv, "pressure_sources");
  if (!held)
    return 2;
  std::printf("%-16s %8s %12s %12s %12s %12s %12s %10s\n", "scenario", "T (K)", "engine",
              "engine/inner", "walls", "lid", "NkT/V", "rms diff");
  for (const std::string &scenario : held->scenarios)
    measure(scenario, held->kelvin);
  return 0;
}
