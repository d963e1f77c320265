#include "lammps_export.h"

#include "engine_model.h"
#include "lammps_deck.h"
#include "scenario/mod_dorn_dll.h"
#include "thermostat_schedule.h"

namespace PavexRun {

void exportLammps(const RunOptions &options) {
  ModelSettings settings;
  settings.gravity = ModDornDll::gravity;
  settings.timeStep = heldTimeStep(ModDornDll::timeStep);
  settings.clampOn = ModDornDll::clampOn != 0;
  settings.clampTarget =
      ThermostatSchedule(options, ModDornDll::temperature).clampTargetAt(options.steps);
  settings.source = options.lattice ? "the lattice " + options.lattice->text() : options.scenario;
  settings.step = options.steps;
  writeLammpsDeck(options.lammpsDir, readEngineModel(settings));
}

} // namespace PavexRun
