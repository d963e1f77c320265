// pavex-run: loads a scenario file through the program's loader and engine
// binding, runs it without a window and prints what happens.
#include "analysis/mobility.h"
#include "analysis/phase_measure.h"
#include "engine_model.h"
#include "lammps_deck.h"
#include "lammps_export.h"
#include "progress.h"
#include "report_units.h"
#include "run_options.h"
#include "run_report.h"
#include "scenario/engine_binding.h"
#include "scenario/engine_snapshot.h"
#include "scenario/mod_dorn_dll.h"
#include "scenario/trajectory_writer.h"
#include "simulation/box_control.h"
#include "simulation/engine_readings.h"
#include "thermostat_schedule.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

using namespace PavexRun;
using analysis::AtomFrame;
using simulation::engineFrame;

namespace {

constexpr int kStepsPerCall = 100;  // keeps the progress line and a ramp moving
constexpr int kStepsPerLidMove = 5; // while the lid may move: the program's tick

// The held pressure of the command line in model units: kPa with real units.
std::optional<double> heldModelPressure(const RunOptions &options, const ReportUnits &units) {
  if (!options.holdPressure || units.system != UnitSystem::Real)
    return options.holdPressure;
  return analysis::modelPressureFromKilopascals(*options.holdPressure, units.units());
}

std::string engineMessage(std::int32_t code) {
  char text[128] = {};
  Pavex::MD_translate_error(code, sizeof text - 1, text);
  return text;
}

// The first multiple of every after step, as far as limit.
int nextMultiple(int step, int every, int limit) {
  const std::int64_t next = (static_cast<std::int64_t>(step) / every + 1) * every;
  return static_cast<int>(std::min<std::int64_t>(next, limit));
}

class Run {
public:
  Run(const RunOptions &options, const ReportUnits &units)
      : options_(options), units_(units), thermostat_(options, ModDornDll::temperature),
        report_(stdout, options.csvPath, units, heldTimeStep(ModDornDll::timeStep)),
        progress_(options.steps), lidInUse_(options.volume || options.holdPressure) {
    if (!options.xyzPath.empty())
      xyz_.emplace(options.xyzPath, units.card);
    box_.reset(ModDornDll::boxDims);
    if (options.volume)
      box_.setLidTarget(*options.volume);
    box_.holdPressure(heldModelPressure(options, units));
  }

  int execute() {
    start_ = frame();
    recent_ = start_;
    windowStart_ = start_;
    record(0, start_);
    for (int step = 0; step < options_.steps;) {
      applyKicks(step);
      thermostat_.applyAt(step);
      if (step == recentStep())
        recent_ = frame();
      const int target = nextStop(step);
      const int stepsRun = target - step;
      const std::int32_t code = Pavex::MD_do_run(stepsRun);
      thermostat_.afterRun(stepsRun);
      step = target;
      if (code != 0)
        return stop(step, code);
      Pavex::MD_return_coordinates(ModDornDll::atomCoords.data());
      box_.afterRun(step, stepsRun, ModDornDll::atomCoords);
      measure(step);
      progress_.update(step);
    }
    report_.printSummary(analysis::summarisePhases(start_, recent_, frame()), options_.steps,
                         Pavex::MD_get_temperature());
    if (!options_.savePath.empty())
      save();
    return 0;
  }

private:
  // The atoms now, in the box as it stands.
  AtomFrame frame() const {
    AtomFrame now = engineFrame();
    now.box = box_.lid().box();
    return now;
  }

  void save() const {
    ModDornDll::ScenarioData data = ModDornDll::snapshotOfEngine();
    data.box = box_.lid().box();
    ModDornDll::writeScenarioFile(options_.savePath, data);
  }

  // Where the lid stands and what it feels, after each row of a run that
  // moves it.
  void noteLid() {
    if (!lidInUse_)
      return;
    const std::optional<double> onLid = box_.lidGauge();
    const double shown = onLid ? reportedPressure(*onLid, units_) : 0.0;
    char note[160];
    std::snprintf(note, sizeof note, "lid at %.4f of the file's box height, pressure on it %.4g",
                  box_.lid().height(), shown);
    const std::string &hold = box_.lid().hold();
    report_.addNote(hold.empty() ? note : std::string(note) + ": " + hold);
  }

  void record(int step, const AtomFrame &now) {
    report_.addRow(simulation::readEngine(step, thermostat_.heldAt(step), box_.pressure()));
    noteLid();
    if (xyz_)
      xyz_->writeFrame(now.coords, now.types,
                       std::span(ModDornDll::atomMasses).first(now.types.size()), now.box, step);
  }

  // A row every K steps, and the end of a mobility window.
  void measure(int step) {
    const bool row = step % options_.every == 0 || step == options_.steps;
    const bool window = options_.mobilityWindow > 0 && step % options_.mobilityWindow == 0;
    if (!row && !window)
      return;
    const AtomFrame now = frame();
    if (window) {
      report_.addMobility(
          {step - options_.mobilityWindow, step, analysis::mobileShares(windowStart_, now)});
      windowStart_ = now;
    }
    if (row)
      record(step, now);
  }

  void applyKicks(int step) {
    for (; nextKick_ < options_.kicks.size() && options_.kicks[nextKick_].step == step;
         ++nextKick_) {
      const double t = options_.kicks[nextKick_].temperature;
      Pavex::MD_set_temperature(t);
      char note[64];
      std::snprintf(note, sizeof note, "fresh velocities for temperature %g K", t);
      report_.addNote(note);
    }
  }

  int recentStep() const { return std::max(0, options_.steps - analysis::kRecentSteps); }

  int nextStop(int step) const {
    int target = std::min(
        {options_.steps, step + kStepsPerCall, nextMultiple(step, options_.every, options_.steps)});
    if (options_.mobilityWindow > 0)
      target = std::min(target, nextMultiple(step, options_.mobilityWindow, options_.steps));
    if (step < recentStep())
      target = std::min(target, recentStep());
    if (nextKick_ < options_.kicks.size())
      target = std::min(target, options_.kicks[nextKick_].step);
    if (lidInUse_)
      target = std::min(target, step + kStepsPerLidMove);
    return target;
  }

  int stop(int step, std::int32_t code) {
    record(step, frame());
    std::fprintf(stderr, "pavex-run: the engine stopped at step %d: %s\n", step,
                 engineMessage(code).c_str());
    report_.printSummary(analysis::summarisePhases(start_, recent_, frame()), step,
                         Pavex::MD_get_temperature());
    return 1;
  }

  const RunOptions &options_;
  ReportUnits units_;
  ThermostatSchedule thermostat_;
  RunReport report_;
  Progress progress_;
  std::optional<ModDornDll::TrajectoryWriter> xyz_;
  AtomFrame start_;
  AtomFrame recent_;
  AtomFrame windowStart_;
  std::size_t nextKick_ = 0;
  simulation::BoxControl box_;
  bool lidInUse_;
};

} // namespace

int main(int argc, char **argv) {
  RunOptions options;
  try {
    options = parseRunOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError &error) {
    std::fprintf(stderr, "pavex-run: %s\n%s", error.what(), usageText().c_str());
    return 2;
  }
  if (options.help) {
    std::printf("%s", usageText().c_str());
    return 0;
  }
  try {
    if (!options.lammpsDir.empty())
      prepareDeckFolder(options.lammpsDir);
    if (options.lattice)
      startLattice(*options.lattice);
    else
      ModDornDll::loadScenarioFile(options.scenario);
    const ReportUnits units =
        chooseReportUnits(options.realUnits, options.scenario, ModDornDll::numTypes, stderr);
    const int code = Run(options, units).execute();
    if (code == 0 && !options.lammpsDir.empty())
      exportLammps(options, units.card);
    return code;
  } catch (const Pavex::EngineError &error) {
    std::fprintf(stderr, "pavex-run: %s\n", error.what());
    return 1;
  } catch (const std::exception &error) {
    std::fprintf(stderr, "pavex-run: %s\n", error.what());
    return 2;
  }
}
