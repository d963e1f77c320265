// The main window's side of the Lab: opening it, the temperature unit it
// shares with the status bar, following the ambient temperature, and the
// choices remembered between runs.
#include "frm_orvel_model.h"

#include "lab_window.h"
#include "remembered_settings.h"

#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

void frmOrvelModel::mnuViewLab_Click() {
  if (lab == nullptr) {
    const bool placedBefore = !lab::rememberedLabGeometry().isEmpty();
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
      lab::rememberFollowAmbient(controller.followingAmbient());
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
  lab::rememberFollowAmbient(checked);
  if (lab != nullptr)
    lab->refresh();
}

void frmOrvelModel::setTemperatureUnit(analysis::TemperatureUnit chosen) {
  unit = chosen;
  lab::rememberUnit(chosen);
  showAmbient();
  if (lab != nullptr)
    lab->setUnit(chosen);
}

void frmOrvelModel::applyRememberedSettings() {
  unit = lab::rememberedUnit();
  showAmbient();
  if (const int steps = lab::rememberedStepsPerTick(); steps > 0)
    setStepsPerTick(steps);
  mnuOptionsFollowAmbient->setChecked(lab::rememberedFollowAmbient());
}
