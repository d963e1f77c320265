// The stage of a guided experiment without the main window: a real
// simulation controller on the engine library beside the test program, and
// a log of every other command the experiment gave, so that a test can
// tell what a step's set-up did and in which order.
#pragma once

#include "stage.h"

#include "simulation/simulation_controller.h"

#include <QStringList>

#include <cstdint>
#include <functional>

class FakeStage : public guide::Stage {
public:
  // The session follows the phases this often, as the panel's timer does
  // at the speeds the lessons use.
  static constexpr std::int64_t kObserveSteps = 250;

  FakeStage();

  simulation::SimulationController &controller() override { return controller_; }
  QString shippedScenario(const QString &name) override;
  bool loadScenario(const QString &path) override;
  void setPaused(bool paused) override;
  void setStepsPerTick(int steps) override;
  void setTemperatureUnit(analysis::TemperatureUnit unit) override;
  void openWindow(guide::Window window) override;
  void showChart(guide::Chart chart) override;
  QImage chartImage(guide::Chart chart) override;
  void commanded() override;

  // Runs the simulation on for at least `steps` steps, calling `observe`
  // every kObserveSteps and at the end; false when nothing ran (paused, or
  // no scenario).
  bool run(std::int64_t steps, const std::function<void()> &observe = {});
  // How many times the log holds this entry.
  int count(const QString &entry) const { return int(calls.count(entry)); }

  // In order: "load NAME" (the file's name, also for a load that failed),
  // "pause", "run", "speed N", "unit K" (or °C, °F), "open lab" (or
  // large-view, interactions), "chart NAME", "image NAME", "commanded".
  QStringList calls;

private:
  simulation::SimulationController controller_;
};

// The picture chartImage gives for a chart: one colour per chart.
QImage chartPicture(guide::Chart chart);
