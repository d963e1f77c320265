// Cost of one picture of the large view at 1280 x 960 (projection, depth
// sort, one pre-shaded sphere per atom, box edges, the speed legend) for
// every shipped scenario and for the largest scenario the format allows,
// coloured by material and by speed. The atoms are those the engine gives
// after a few ticks, through the simulation controller, as in the program.
#include "large_view_frame.h"
#include "largest_scenario.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/simulation_controller.h"
#include "sphere_sprites.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 960;
constexpr int kWarmUpTicks = 20; // the atoms leave their start and gain speeds
// A turned view, as a student leaves it after dragging.
constexpr views::Camera kTurned{0.6, 0.35, 1.0};

std::filesystem::path scenarioPath(const std::string &name) {
  return name == "largest" ? bench::writeLargestScenario()
                           : std::filesystem::path(CORVANTA_RESOURCES) / (name + ".ams");
}

void BM_LargeViewFrame(benchmark::State &state, const std::string &name,
                       views::Colouring colouring) {
  simulation::SimulationController controller;
  try {
    ModDornDll::clampOn = 1;
    controller.load(scenarioPath(name).string());
  } catch (const std::exception &e) {
    state.SkipWithError(e.what());
    return;
  }
  controller.setTrackingSpeeds(true);
  for (int tick = 0; tick < kWarmUpTicks; ++tick)
    controller.tick();
  const analysis::AtomFrame frame = controller.atomFrame();
  const std::vector<double> speeds = controller.atomSpeeds();
  QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  views::SphereSprites sprites;
  const views::AtomColouring atoms{colouring, speeds,
                                   views::speedUnit(ModDornDll::unitsOf(controller.card()))};
  for (auto _ : state)
    views::drawLargeView(picture, frame, frame.box, kTurned, atoms, sprites);
  state.counters["atoms"] = static_cast<double>(frame.types.size());
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(frame.types.size()));
}

void registerAll() {
  const std::pair<views::Colouring, const char *> colourings[] = {
      {views::Colouring::Material, "material"}, {views::Colouring::Speed, "speed"}};
  for (const std::string name :
       {"solid", "liquid", "gas", "gas-gas", "liquid-gas", "solid-liquid", "solid-gas", "largest"})
    for (const auto &[colouring, caption] : colourings)
      benchmark::RegisterBenchmark(("LargeViewFrame/" + name + "/" + caption).c_str(),
                                   BM_LargeViewFrame, name, colouring)
          ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv) {
  // Text of the legend needs fonts, which need a GUI application; no screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  registerAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
