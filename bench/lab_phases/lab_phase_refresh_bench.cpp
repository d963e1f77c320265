// What the phase readout costs the GUI thread at each refresh of the Lab on
// the largest scenario (10,922 atoms), with its atoms as the engine leaves
// them after a thousand steps and more:
//   LabPhaseRefresh/measuredInPlace  the atoms copied from the controller and
//                                    their phases measured on the GUI thread
//                                    (PhaseTracker), as the Lab once did;
//   LabPhaseRefresh/handedToWorker   the atoms copied and handed to the
//                                    PhaseWorker, the newest finished measure
//                                    read back; the worker is idle at the
//                                    start of each refresh, as it is 250 ms
//                                    after the last one;
//   PhaseWorkerMeasure               the worker's own time for one refresh,
//                                    from the hand-over to the measure
//                                    published (the GUI thread waits here
//                                    only to time it).
// Run from the build's bin: lab_phase_refresh_bench
#include "analysis/phase_tracker.h"
#include "analysis/phase_worker.h"
#include "largest_scenario.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/simulation_controller.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>

namespace {

constexpr int kStepsPerTick = 50;   // the most a tick takes, to reach the history quickly
constexpr int kSettlingSteps = 200; // the atoms leave their lattice before the history starts
constexpr int kWorkerRefreshes = 300;

// The largest scenario run past the phase readout's reach, once for all the
// benchmarks: the controller, and the atoms kRecentSteps before its step.
struct Run {
  simulation::SimulationController controller;
  std::int64_t earlierStep = 0;
  analysis::AtomFrame earlier;
};

void runOn(simulation::SimulationController &controller, std::int64_t until) {
  while (controller.step() < until)
    controller.tick();
}

// nullptr, with the reason given to the benchmark, when the scenario cannot start.
const Run *run(benchmark::State &state) {
  static std::string problem;
  static const std::unique_ptr<Run> ran = []() -> std::unique_ptr<Run> {
    auto run = std::make_unique<Run>();
    try {
      ModDornDll::clampOn = 1;
      run->controller.load(bench::writeLargestScenario().string());
    } catch (const std::exception &e) {
      problem = e.what();
      return nullptr;
    }
    run->controller.setStepsPerTick(kStepsPerTick);
    runOn(run->controller, kSettlingSteps);
    run->earlierStep = run->controller.step();
    run->earlier = run->controller.atomFrame();
    runOn(run->controller, run->earlierStep + analysis::kRecentSteps);
    return run;
  }();
  if (!ran) {
    state.SkipWithError(problem.c_str());
    return nullptr;
  }
  state.counters["atoms"] = ran->controller.atoms();
  return ran.get();
}

void measuredInPlace(benchmark::State &state) {
  const Run *ran = run(state);
  if (!ran)
    return;
  analysis::PhaseTracker tracker;
  tracker.add(ran->earlierStep, ran->earlier);
  for (auto _ : state) {
    tracker.add(ran->controller.step(), ran->controller.atomFrame());
    benchmark::DoNotOptimize(tracker.summaries());
  }
}

// A worker holding the earlier atoms of the run in its history.
std::pair<std::unique_ptr<analysis::PhaseWorker>, std::uint64_t> workerOn(const Run &ran) {
  auto worker = std::make_unique<analysis::PhaseWorker>();
  const std::uint64_t start = ran.controller.scenarioStarts();
  worker->submit(start, ran.earlierStep, ran.earlier);
  worker->waitUntilIdle();
  return {std::move(worker), start};
}

void handedToWorker(benchmark::State &state) {
  const Run *ran = run(state);
  if (!ran)
    return;
  const auto [worker, start] = workerOn(*ran);
  for (auto _ : state) {
    worker->submit(start, ran->controller.step(), ran->controller.atomFrame());
    benchmark::DoNotOptimize(worker->latest(start));
    state.PauseTiming();
    worker->waitUntilIdle();
    state.ResumeTiming();
  }
}

void phaseWorkerMeasure(benchmark::State &state) {
  const Run *ran = run(state);
  if (!ran)
    return;
  const auto [worker, start] = workerOn(*ran);
  for (auto _ : state) {
    state.PauseTiming();
    analysis::AtomFrame frame = ran->controller.atomFrame();
    state.ResumeTiming();
    worker->submit(start, ran->controller.step(), std::move(frame));
    worker->waitUntilIdle();
  }
}

} // namespace

BENCHMARK(measuredInPlace)->Name("LabPhaseRefresh/measuredInPlace")->Unit(benchmark::kMillisecond);
// Each refresh waits, untimed, for the worker: a fixed count keeps the run short.
BENCHMARK(handedToWorker)
    ->Name("LabPhaseRefresh/handedToWorker")
    ->Iterations(kWorkerRefreshes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(phaseWorkerMeasure)->Name("PhaseWorkerMeasure")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
