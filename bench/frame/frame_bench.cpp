// Cost of one frame of the atom view (depth sort, two surface copies, one
// sprite per atom, front edges) and of a whole simulation tick (the
// controller's tick of five engine steps and coordinate fetch, and the
// frame), for every shipped scenario and for the largest scenario the format
// allows, once in turn and once as the window runs it, the steps on the
// controller's worker thread while the frame is drawn (both timed by the
// wall clock; PAVEX_THREADS sets the engine's threads). The scenario starts
// and the ticks go through the simulation controller, as in the window. Run
// from anywhere: the scenarios and bitmaps are read from the source tree's
// app/resources.
#include "atom_drawing/atom_display.h"
#include "atom_drawing/box_edges.h"
#include "largest_scenario.h"
#include "raster/memory_picture.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/simulation_controller.h"
#include "sprites/atom_sprite.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 254; // the atom view, pixels
constexpr int kHeight = 193;
// The steps of one tick before the frames are timed: the atoms leave their
// starting order.
constexpr int kSettlingSteps = 50;
const fs::path kResources = CORVANTA_RESOURCES;

// The atom view as the window has it after a scenario start.
struct AtomView {
  raster::MemoryPicture picture{kWidth, kHeight};
  raster::MemoryPicture background{kWidth, kHeight};
  raster::MemoryPicture frame{kWidth, kHeight};
  AtomSprite sprites;
  atom_drawing::Projection projection;
  atom_drawing::Box box{};

  AtomView() {
    raster::MemoryPicture loader;
    for (int i = 1; i <= 6; ++i)
      sprites.initAs(loader,
                     (kResources / "bitmaps" / ("atom" + std::to_string(i) + ".bmp")).string(),
                     static_cast<std::int16_t>(i - 1));
  }
  void start(simulation::SimulationController &controller) {
    controller.fetchFirstFrame();
    std::copy(ModDornDll::boxDims.begin(), ModDornDll::boxDims.end(), box.begin());
    projection = atom_drawing::setupScreenProjection(box, kWidth, kHeight);
    atom_drawing::DrawAxis(picture.hDC(), background.hDC(), kWidth, kHeight, raster::RGB(255, 255, 255),
                   projection, box);
  }
  void display() {
    atom_drawing::displayAtoms({picture.hDC(), background.hDC(), frame.hDC(), kWidth, kHeight}, projection,
                       box, sprites);
  }
};

fs::path scenarioPath(const std::string &name) {
  return name == "largest" ? bench::writeLargestScenario() : kResources / (name + ".ams");
}

// The window's start: the controller starts up with the program's values,
// then loads the scenario. False (and the benchmark skipped with the reason)
// when the scenario cannot be loaded.
bool load(benchmark::State &state, simulation::SimulationController &controller,
          const std::string &name) {
  try {
    controller.startUp();
    controller.load(scenarioPath(name).string());
  } catch (const std::exception &e) {
    state.SkipWithError(e.what());
    return false;
  }
  state.counters["atoms"] = controller.atoms();
  return true;
}

void BM_DisplayAtoms(benchmark::State &state, const std::string &name) {
  simulation::SimulationController controller;
  if (!load(state, controller, name))
    return;
  AtomView atomView;
  atomView.start(controller);
  controller.setStepsPerTick(kSettlingSteps);
  controller.tick();
  for (auto _ : state)
    atomView.display();
}

void BM_Tick(benchmark::State &state, const std::string &name) {
  simulation::SimulationController controller;
  if (!load(state, controller, name))
    return;
  AtomView atomView;
  atomView.start(controller);
  for (auto _ : state) {
    controller.tick();
    atomView.display();
  }
}

// The tick of the window (its Timer1_Timer): the engine's steps run on the
// controller's worker while the frame of the previous run is drawn; then the
// coordinates are fetched.
void BM_PipelinedTick(benchmark::State &state, const std::string &name) {
  simulation::SimulationController controller;
  if (!load(state, controller, name))
    return;
  AtomView atomView;
  atomView.start(controller);
  for (auto _ : state) {
    controller.startTick();
    atomView.display();
    controller.finishTick();
  }
}

void registerAll() {
  for (const std::string name : {"solid", "liquid", "gas", "gas-gas", "liquid-gas", "solid-liquid",
                                 "solid-gas", "largest"}) {
    benchmark::RegisterBenchmark(("DisplayAtoms/" + name).c_str(), BM_DisplayAtoms, name)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Tick/" + name).c_str(), BM_Tick, name)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("PipelinedTick/" + name).c_str(), BM_PipelinedTick, name)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
  }
}

} // namespace

int main(int argc, char **argv) {
  registerAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
