// The Simulation menu: pause and resume, one tick at a time, the speed in
// steps per tick, and a restart from the running scenario's file.
#include "frm_orvel_model.h"

#include "clock.h"
#include "number_format.h"
#include "panel_status_bar.h"
#include "scenario/mod_dorn_dll.h"
#include "settings/settings.h"

#include <QAction>
#include <QActionGroup>
#include <QTimer>

namespace {
// The second panel's text while nothing moves, in place of the frame rate.
const char *const kPaused = QT_TRANSLATE_NOOP("frmOrvelModel", "Paused");
} // namespace

void frmOrvelModel::mnuSimulationPause_Click() {
  const bool pause = !controller.paused();
  controller.setPaused(pause);
  if (pause) {
    // Nothing moves, so the timer rests too.
    Timer1->stop();
    StatusBar1->setPanelText(2, tr(kPaused));
  } else {
    frameStats.startInterval(scene::monotonicSeconds());
    if (controller.running())
      Timer1->start();
  }
  showRunState();
}

void frmOrvelModel::mnuSimulationStep_Click() {
  advanceAndShow(&simulation::SimulationController::stepOnce);
}

void frmOrvelModel::mnuSimulationSpeed_Click(QAction *entry) {
  setStepsPerTick(entry->data().toInt());
  settings::setStepsPerTick(controller.stepsPerTick());
}

void frmOrvelModel::setStepsPerTick(int steps) {
  controller.setStepsPerTick(steps);
  for (QAction *entry : speedGroup->actions())
    entry->setChecked(entry->data().toInt() == controller.stepsPerTick());
}

void frmOrvelModel::mnuSimulationRestart_Click() {
  if (!runningFile.isEmpty())
    chooseScenario(runningFile, runningStatus);
}

void frmOrvelModel::showRunState() {
  const bool running = controller.running();
  const bool paused = controller.paused();
  mnuSimulationPause->setText(paused ? tr("&Resume") : tr("&Pause"));
  mnuSimulationPause->setEnabled(running);
  mnuSimulationStep->setEnabled(running && paused);
  mnuSimulationRestart->setEnabled(running);
}

// The frame of a tick that moved the atoms, and the status-bar figures on a
// report frame.
void frmOrvelModel::showFrame(bool reportFrame) {
  displayAtoms();
  frameStats.countFrame();
  if (reportFrame)
    StatusBar1->setPanelText(
        2, controller.paused() ? tr(kPaused)
                               : tr("FPS: %1").arg(scene::formatNumber(
                                     frameStats.framesPerSecond(scene::monotonicSeconds()), 2, 2)));
  ++ModDornDll::frameCount;
}
