// How fast the lid may move: each scenario given is held at a temperature,
// its lid brought down to the smallest box and back up at a range of paces
// (model length units per step), a move every 5 steps as in the program.
// For each pace it prints the steps the trip took, the engine's errors
// (an atom outside the box stops a run), the ticks the lid waited for an
// atom, and the largest deviation of the measured temperature, in means
// over 500 steps, from the temperature held while the lid moved. The first
// row of each scenario, pace 0, is the lid standing still for 20,000 steps:
// the thermal noise of the block means alone.
//
// usage: lid_speed [--hold KELVIN] SCENARIO.ams...   (from the build's bin)
#include "held_scenarios.h"
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/box_control.h"
#include "simulation/temperature_hold.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kStepsPerMove = 5;
constexpr int kBlockSteps = 500;
constexpr int kSettleSteps = 5000;
constexpr int kStillSteps = 20000;
constexpr double kPaces[] = {0.0, 0.5, 1.0, 2.0, 4.0, 8.0, 16.0, 32.0};

struct Trip {
  int steps = 0;
  int errors = 0;
  int waits = 0;
  double worstDeviation = 0.0; // of a block's mean temperature, relative
};

// Runs until the lid stands at its target, and at least until step `least`;
// the temperature in blocks.
void travel(simulation::BoxControl &box, simulation::TemperatureHold &hold, double kelvin,
            Trip &trip, int least = 0) {
  double sum = 0.0;
  int inBlock = 0;
  while (box.lid().moving() || trip.steps < least) {
    if (Pavex::MD_do_run(kStepsPerMove) != 0)
      ++trip.errors;
    hold.afterRun(kStepsPerMove);
    trip.steps += kStepsPerMove;
    Pavex::MD_return_coordinates(ModDornDll::atomCoords.data());
    box.afterRun(trip.steps, kStepsPerMove, ModDornDll::atomCoords);
    trip.waits += box.lid().hold().empty() ? 0 : 1;
    sum += Pavex::MD_get_temperature();
    if (++inBlock * kStepsPerMove == kBlockSteps) {
      trip.worstDeviation = std::max(trip.worstDeviation, std::abs(sum / inBlock / kelvin - 1.0));
      sum = 0.0;
      inBlock = 0;
    }
  }
}

Trip downAndUp(const std::string &scenario, double kelvin, double pace) {
  ModDornDll::loadScenarioFile(scenario);
  simulation::TemperatureHold hold;
  hold.holdAt(kelvin);
  Pavex::MD_do_run(kSettleSteps);
  simulation::BoxControl box(pace);
  box.reset(ModDornDll::boxDims);
  Trip trip;
  if (pace == 0.0) {
    travel(box, hold, kelvin, trip, kStillSteps);
    return trip;
  }
  box.setLidTarget(simulation::Lid::kSmallest);
  travel(box, hold, kelvin, trip);
  box.setLidTarget(1.0);
  travel(box, hold, kelvin, trip);
  return trip;
}

} // namespace

int main(int argc, char **argv) {
  const auto held = readHeldScenarios(argc, argv, "lid_speed");
  if (!held)
    return 2;
  std::printf("%-28s %6s %8s %7s %6s %9s\n", "scenario", "pace", "steps", "errors", "waits",
              "worst dT");
  for (const std::string &scenario : held->scenarios)
    for (const double pace : kPaces) {
      const Trip trip = downAndUp(scenario, held->kelvin, pace);
      std::printf("%-28s %6.1f %8d %7d %6d %8.1f%%\n",
                  scenario.substr(scenario.rfind('/') + 1).c_str(), pace, trip.steps, trip.errors,
                  trip.waits, 100.0 * trip.worstDeviation);
      std::fflush(stdout);
    }
  return 0;
}
