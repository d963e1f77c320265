// pavex-run: loads a scenario file through the program's loader and engine
// binding, runs it without a window and prints what happens.
#include "engine_snapshot.h"
#include "phase_summary.h"
#include "run_options.h"
#include "run_report.h"
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "xyz_writer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

using namespace PavexRun;

namespace {

constexpr int kStepsPerCall = 100; // keeps the progress line moving

EnergyRow energyRow(int step) {
  EnergyRow row;
  row.step = step;
  row.temperature = Pavex::MD_get_temperature();
  Pavex::MD_get_all_energy(&row.total, &row.potential, &row.kinetic);
  row.pressure = Pavex::MD_get_boundary_pressure();
  return row;
}

std::string engineMessage(std::int32_t code) {
  char text[128] = {};
  Pavex::MD_translate_error(code, sizeof text - 1, text);
  return text;
}

// A progress line on standard error, shown once a run has taken a second.
class Progress {
public:
  explicit Progress(int steps) : steps_(steps) {}
  ~Progress() {
    if (shown_)
      std::fprintf(stderr, "\r%60s\r", "");
  }
  void update(int step) {
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250))
      return;
    last_ = now;
    shown_ = true;
    std::fprintf(stderr, "\rpavex-run: step %d of %d (%d%%)", step, steps_,
                 static_cast<int>(100.0 * step / steps_));
  }

private:
  int steps_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point last_{};
};

class Run {
public:
  explicit Run(const RunOptions &options)
      : options_(options), report_(stdout, options.csvPath), progress_(options.steps) {
    if (!options.xyzPath.empty())
      xyz_.emplace(options.xyzPath);
  }

  int execute() {
    start_ = engineSnapshot();
    recent_ = start_;
    record(0, start_);
    for (int step = 0; step < options_.steps;) {
      applyKicks(step);
      if (step == recentStep())
        recent_ = engineSnapshot();
      const int target = nextStop(step);
      const std::int32_t code = Pavex::MD_do_run(target - step);
      step = target;
      if (code != 0)
        return stop(step, code);
      if (step % options_.every == 0 || step == options_.steps)
        record(step, engineSnapshot());
      progress_.update(step);
    }
    report_.printSummary(summarisePhases(start_, recent_, engineSnapshot()), options_.steps);
    return 0;
  }

private:
  void record(int step, const Snapshot &now) {
    report_.addRow(energyRow(step));
    if (xyz_)
      xyz_->writeFrame(now, step);
  }

  void applyKicks(int step) {
    for (; nextKick_ < options_.kicks.size() && options_.kicks[nextKick_].step == step;
         ++nextKick_) {
      const double t = options_.kicks[nextKick_].temperature;
      Pavex::MD_set_temperature(t);
      char note[64];
      std::snprintf(note, sizeof note, "fresh velocities for temperature %g", t);
      report_.addNote(note);
    }
  }

  int recentStep() const { return std::max(0, options_.steps - kRecentSteps); }

  int nextStop(int step) const {
    int target = std::min(
        {options_.steps, step + kStepsPerCall, (step / options_.every + 1) * options_.every});
    if (step < recentStep())
      target = std::min(target, recentStep());
    if (nextKick_ < options_.kicks.size())
      target = std::min(target, options_.kicks[nextKick_].step);
    return target;
  }

  int stop(int step, std::int32_t code) {
    record(step, engineSnapshot());
    std::fprintf(stderr, "pavex-run: the engine stopped at step %d: %s\n", step,
                 engineMessage(code).c_str());
    report_.printSummary(summarisePhases(start_, recent_, engineSnapshot()), step);
    return 1;
  }

  const RunOptions &options_;
  RunReport report_;
  Progress progress_;
  std::optional<XyzWriter> xyz_;
  Snapshot start_;
  Snapshot recent_;
  std::size_t nextKick_ = 0;
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
    ModDornDll::loadScenarioFile(options.scenario);
    return Run(options).execute();
  } catch (const Pavex::EngineError &error) {
    std::fprintf(stderr, "pavex-run: %s\n", error.what());
    return 1;
  } catch (const std::exception &error) {
    std::fprintf(stderr, "pavex-run: %s\n", error.what());
    return 2;
  }
}
