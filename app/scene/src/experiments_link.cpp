// The main window's side of the guided experiments: the Experiments window
// (View > Experiments…), opening an experiment file from anywhere (File >
// Open Experiment…, a file dropped on the window, the command line) and its
// worksheet (File > Export > Worksheet…).
#include "frm_orvel_model.h"

#include "experiment_stage.h"
#include "experiment_window.h"
#include "message_box.h"
#include "run_folder.h"
#include "window_places.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>


namespace {

// The shipped experiments: in the folder the program started in, then in
// its installed data folder.
QStringList shippedExperimentFolders() {
  QStringList folders;
  for (const QString &folder : {scene::runFolder(), scene::installedDataFolder()}) {
    const QString experiments = folder + QStringLiteral("/experiments");
    if (QFileInfo(experiments).isDir() && !folders.contains(experiments))
      folders << experiments;
  }
  return folders;
}

} // namespace

void frmOrvelModel::mnuViewExperiments_Click() {
  if (experiments == nullptr) {
    experimentStage = std::make_unique<scene::ExperimentStage>(*this);
    experiments = new guide::ExperimentWindow(*experimentStage, shippedExperimentFolders(), this);
    // Below the main window, where the Lab beside it leaves room.
    scene::placeBelow(experiments, this);
    connect(experiments, &guide::ExperimentWindow::openRequested, this,
            &frmOrvelModel::mnuFileOpenExperiment_Click);
  }
  experiments->show();
  experiments->raise();
  experiments->activateWindow();
}

void frmOrvelModel::mnuFileOpenExperiment_Click() {
  const QString path =
      QFileDialog::getOpenFileName(this, tr("Open Experiment"), QDir::homePath(),
                                   tr("Experiments (*.experiment);;All files (*)"));
  if (!path.isEmpty())
    openExperimentFile(path);
}

bool frmOrvelModel::openExperimentFile(const QString &path) {
  mnuViewExperiments_Click();
  if (experiments->openFile(path))
    return true;
  scene::showMessage(this, windowTitle(), experiments->problem->text());
  return false;
}

void frmOrvelModel::mnuFileExportWorksheet_Click() {
  if (experiments == nullptr || !experiments->session().isOpen()) {
    scene::showMessage(this, windowTitle(),
                       tr("There is no worksheet yet: start an experiment first "
                          "(View > Experiments\u2026)."));
    return;
  }
  mnuViewExperiments_Click();
  experiments->askWorksheet();
}

bool frmOrvelModel::startExperiment(const QString &name) {
  mnuViewExperiments_Click();
  if (experiments->start(name))
    return true;
  scene::showMessage(this, windowTitle(),
                     tr("There is no experiment called \"%1\".\n\nFolders searched: "
                        "%2")
                         .arg(name, shippedExperimentFolders().join(QStringLiteral(", "))));
  return false;
}
