// The main window as a guided experiment's stage: the experiment loads
// scenarios, pauses, changes the speed and the unit, and opens the windows
// and graphs through the window's own controls, so that the menus show
// what it did.
#pragma once

#include "stage.h"

class frmOrvelModel;

namespace scene {

class ExperimentStage : public guide::Stage {
public:
  explicit ExperimentStage(frmOrvelModel &window) : window_(window) {}

  simulation::SimulationController &controller() override;
  QString shippedScenario(const QString &name) override;
  bool loadScenario(const QString &path) override;
  void setPaused(bool paused) override;
  void setStepsPerTick(int steps) override;
  void setTemperatureUnit(analysis::TemperatureUnit unit) override;
  void openWindow(guide::Window window) override;
  void showChart(guide::Chart chart) override;
  QImage chartImage(guide::Chart chart) override;
  void commanded() override;

private:
  frmOrvelModel &window_;
};

} // namespace scene
