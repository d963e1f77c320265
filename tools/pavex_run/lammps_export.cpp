#include "lammps_export.h"

#include "analysis/thermostat.h"
#include "engine_model.h"
#include "lammps_deck.h"
#include "scenario/mod_dorn_dll.h"
#include "thermostat_schedule.h"

#include <stdexcept>
#include <string>

namespace PavexRun {
namespace {

// A clamp target the engine refused leaves it clamping towards a target the
// program side does not know.
void checkClampTarget(const ModelSettings &settings) {
  if (settings.clampOn && settings.clampTarget > analysis::kLargestClampTarget)
    throw std::runtime_error("the engine refused the clamp target " +
                             std::to_string(settings.clampTarget) + " (it takes at most " +
                             std::to_string(analysis::kLargestClampTarget) +
                             "), so no LAMMPS deck can state the clamp it runs with");
}

} // namespace

void exportLammps(const RunOptions &options, const std::optional<ModDornDll::MaterialCard> &card) {
  ModelSettings settings;
  settings.gravity = heldGravity(ModDornDll::gravity);
  settings.timeStep = heldTimeStep(ModDornDll::timeStep);
  settings.clampOn = ModDornDll::clampOn != 0;
  settings.clampTarget =
      ThermostatSchedule(options, ModDornDll::temperature).clampTargetAt(options.steps);
  settings.source = options.lattice ? "the lattice " + options.lattice->text() : options.scenario;
  settings.step = options.steps;
  settings.realUnits = ModDornDll::unitsOf(card);
  checkClampTarget(settings);
  writeLammpsDeck(options.lammpsDir, readEngineModel(settings));
}

} // namespace PavexRun
