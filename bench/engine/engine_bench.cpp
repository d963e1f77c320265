// MD_do_run on the engine's own start lattices, in atom-steps per second.
//
// The start lattice is not an equilibrium crystal for the default pair table
// (nearest neighbours at 1223, well inside the minimum at 1412), so a long run
// heats itself up and pushes atoms into the walls. Each iteration therefore
// times one 50-step segment from a fresh lattice at temperature 200, clamp
// off, gravity 0; only the run itself is timed, by the wall clock, so that
// the work of the engine's worker threads counts (PAVEX_THREADS sets how
// many; 1 keeps every step on one thread).
#include "pavex.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int32_t kSegmentSteps = 50;

void freshLattice(int32_t cells) {
  double box[6];
  int32_t count = 0;
  MD_init(cells, cells, cells, box, &count);
}

void BM_RunSegment(benchmark::State &state) {
  const auto cells = static_cast<int32_t>(state.range(0));
  MD_set_gravity(0.0);
  MD_set_clamp_on_off(0);
  MD_set_timestep(1.0);
  MD_set_temperature(200.0);
  for (auto _ : state) {
    state.PauseTiming();
    freshLattice(cells);
    state.ResumeTiming();
    if (MD_do_run(kSegmentSteps) != PAVEX_OK) {
      state.SkipWithError("an atom left the box");
      break;
    }
  }
  const double atoms = MD_number_of_coordinates();
  state.counters["atoms"] = atoms;
  state.counters["atom_steps_per_s"] = benchmark::Counter(
      atoms * kSegmentSteps * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  MD_free_all();
}

BENCHMARK(BM_RunSegment)
    ->Arg(5)
    ->Arg(10)
    ->Arg(17)
    ->Arg(40)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
