// The phase measure and the mobility on a liquid of 250 to 10,922 atoms (the
// largest file the program loads): each call compares a frame with one taken
// 1000 steps earlier, as the Lab does every time it shows the phases. And
// the pair-distance histogram of the Interactions window on the same liquid.
#include "analysis/mobility.h"
#include "analysis/pair_distances.h"
#include "analysis/phase_measure.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

using analysis::AtomFrame;

namespace {

constexpr double kLiquidPair[4] = {4096.0, 1.0, 1412.0, 2048.0}; // liquid.ams's material
constexpr double kMargin = 8000.0; // free space around the liquid, as in the shipped boxes

// A block of liquid at the density of liquid.ams: face-centred sites at r0
// apart, each atom shaken off its site by up to 0.2 r0.
AtomFrame liquid(std::int64_t atoms) {
  const double r0 = analysis::minimumDistance(kLiquidPair), a = r0 * std::sqrt(2.0);
  const int cells = static_cast<int>(std::ceil(std::cbrt(static_cast<double>(atoms) / 4.0)));
  const double basis[4][3] = {{0, 0, 0}, {0.5, 0.5, 0}, {0.5, 0, 0.5}, {0, 0.5, 0.5}};
  std::mt19937 random(1);
  std::uniform_real_distribution<double> shake(-0.2 * r0, 0.2 * r0);
  AtomFrame frame;
  frame.pairParams.assign(kLiquidPair, kLiquidPair + 4);
  for (int site = 0; static_cast<std::int64_t>(frame.types.size()) < atoms; ++site) {
    const int cell = site / 4, x = cell % cells, y = cell / cells % cells, z = cell / cells / cells;
    const double *b = basis[site % 4];
    frame.coords.insert(frame.coords.end(), {kMargin + (x + b[0]) * a + shake(random),
                                             kMargin + (y + b[1]) * a + shake(random),
                                             kMargin + (z + b[2]) * a + shake(random)});
    frame.types.push_back(0);
  }
  const double side = 2.0 * kMargin + cells * a;
  frame.box = {0.0, 0.0, 0.0, side, side, side};
  return frame;
}

// The same liquid after each atom wandered up to one r0.
AtomFrame wandered(AtomFrame frame) {
  const double r0 = analysis::minimumDistance(kLiquidPair);
  std::mt19937 random(2);
  std::uniform_real_distribution<double> step(-r0 / std::sqrt(3.0), r0 / std::sqrt(3.0));
  for (double &c : frame.coords)
    c += step(random);
  return frame;
}

// One call of a measure comparing a liquid with itself a while later.
template <auto Measure> void compareFrames(benchmark::State &state) {
  const AtomFrame earlier = liquid(state.range(0));
  const AtomFrame later = wandered(earlier);
  for (auto _ : state)
    benchmark::DoNotOptimize(Measure(earlier, later));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// One refresh of the Interactions window's histogram: the pairs of one
// material up to the cut-off, in its shells.
void pairDistances(benchmark::State &state) {
  const AtomFrame frame = liquid(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(analysis::pairDistances(frame, 0, 0, kLiquidPair[3], 100));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(pairDistances)->Arg(250)->Arg(1000)->Arg(10922)->Unit(benchmark::kMicrosecond);
BENCHMARK(compareFrames<analysis::classifyPhases>)
    ->Name("classifyPhases")
    ->Arg(250)
    ->Arg(1000)
    ->Arg(10922)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(compareFrames<analysis::mobileShares>)
    ->Name("mobileShares")
    ->Arg(250)
    ->Arg(1000)
    ->Arg(10922)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
