#include "experiment_stage.h"

#include "frm_orvel_model.h"
#include "lab_window.h"
#include "run_folder.h"
#include "series_charts.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QSignalBlocker>

#include <cstdlib>

namespace scene {

simulation::SimulationController &ExperimentStage::controller() { return window_.controller; }

QString ExperimentStage::shippedScenario(const QString &name) {
  return runPath(QLatin1Char('/') + name);
}

bool ExperimentStage::loadScenario(const QString &path) {
  return window_.chooseScenario(
      path, frmOrvelModel::tr("Simulation: %1").arg(QFileInfo(path).completeBaseName()));
}

void ExperimentStage::setPaused(bool paused) {
  if (window_.controller.paused() != paused && window_.controller.running())
    window_.mnuSimulationPause_Click();
}

// The Speed menu's entry nearest to the steps asked for.
void ExperimentStage::setStepsPerTick(int steps) {
  int nearest = window_.controller.stepsPerTick();
  for (const QAction *entry : window_.speedGroup->actions()) {
    const int offered = entry->data().toInt();
    if (std::abs(offered - steps) < std::abs(nearest - steps))
      nearest = offered;
  }
  window_.setStepsPerTick(nearest);
}

void ExperimentStage::setTemperatureUnit(analysis::TemperatureUnit unit) {
  window_.setTemperatureUnit(unit);
}

void ExperimentStage::openWindow(guide::Window window) {
  switch (window) {
  case guide::Window::Lab:
    window_.mnuViewLab_Click();
    break;
  case guide::Window::LargeView:
    window_.mnuViewLargeView_Click();
    break;
  case guide::Window::Interactions:
    window_.mnuViewInteractions_Click();
    break;
  }
}

void ExperimentStage::showChart(guide::Chart chart) {
  window_.mnuViewLab_Click();
  window_.lab->charts->setCurrentIndex(int(chart));
}

QImage ExperimentStage::chartImage(guide::Chart chart) {
  if (window_.lab == nullptr)
    return {};
  window_.lab->refresh();
  lab::SeriesCharts *charts = window_.lab->charts;
  const int shown = charts->currentIndex();
  charts->setCurrentIndex(int(chart));
  const QImage image = charts->currentWidget()->grab().toImage();
  charts->setCurrentIndex(shown);
  return image;
}

void ExperimentStage::commanded() {
  const QSignalBlocker blocker(window_.mnuOptionsFollowAmbient);
  window_.mnuOptionsFollowAmbient->setChecked(window_.controller.followingAmbient());
  if (window_.lab != nullptr)
    window_.lab->refresh();
}

} // namespace scene
