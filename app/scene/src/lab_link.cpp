// The main window's side of the Lab: opening it, the temperature unit it
// shares with the status bar, following the ambient temperature, and the
// choices remembered between runs.
#include "frm_orvel_model.h"

#include "lab_window.h"
#include "settings/settings.h"

#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

void frmOrvelModel::mnuViewLab_Click() {
  if (lab == nullptr) {
    const bool placedBefore = !settings::labGeometry().isEmpty();
    lab = new lab::LabWindow(controller,
                             {mnuSimulationPause, mnuSimulationStep, mnuSimulationRestart,
                              mnuSimulationSpeed->menuAction()},
                             this);
    lab->setUnit(unit);
    if (!placedBefore)
      lab->move(frameGeometry().topRight() + QPoint(8, 0));
    connect(lab, &lab::LabWindow::unitChosen, this, &frmOrvelModel::setTemperatureUnit);
    connect(lab, &lab::LabWindow::thermostatCommanded, this, [this] {
      const QSignalBlocker blocker(mnuOptionsFollowAmbient);
      mnuOptionsFollowAmbient->setChecked(controller.followingAmbient());
      settings::setFollowAmbient(controller.followingAmbient());
    });
  }
  // The series are recorded from now on, also while the Lab is closed.
  controller.setMeasuring(true);
  lab->show();
  lab->raise();
  lab->activateWindow();
}

void frmOrvelModel::mnuOptionsFollowAmbient_Click(bool checked) {
  controller.setFollowAmbient(checked);
  settings::setFollowAmbient(checked);
  if (lab != nullptr)
    lab->refresh();
}

void frmOrvelModel::setTemperatureUnit(analysis::TemperatureUnit chosen) {
  unit = chosen;
  settings::setTemperatureUnit(chosen);
  showAmbient();
  if (lab != nullptr)
    lab->setUnit(chosen);
}

void frmOrvelModel::applyRememberedSettings() {
  unit = settings::temperatureUnit();
  showAmbient();
  if (const int steps = settings::stepsPerTick(); steps > 0)
    setStepsPerTick(steps);
  mnuOptionsFollowAmbient->setChecked(settings::followAmbient());
}
