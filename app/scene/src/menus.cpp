// The menu bar: File, Options, Simulation, View and Help, every entry with
// an access key, the run controls and the windows with their shortcuts.
#include "frm_orvel_model.h"

#include <QActionGroup>
#include <QMenuBar>

namespace {

// Steps per tick offered by the Speed menu, with their captions.
constexpr std::pair<int, const char *> kSpeeds[] = {
    {1, "&1 step per tick"},    {2, "&2 steps per tick"},   {5, "&5 steps per tick"},
    {10, "1&0 steps per tick"}, {20, "20 &steps per tick"}, {50, "50 steps &per tick"}};

} // namespace

void frmOrvelModel::createMenus() {
  createFileMenu();
  createOptionsMenu();
  createSimulationMenu();
  createViewMenu();
  createHelpMenu();
}

void frmOrvelModel::createFileMenu() {
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFileOpen = mnuFile->addAction(QStringLiteral("&Open Scenario\u2026"));
  mnuFileOpen->setShortcut(QKeySequence::Open);
  mnuFileRecent = mnuFile->addMenu(QStringLiteral("Open &Recent"));
  showRecentFiles();
  mnuFileOpenExperiment = mnuFile->addAction(QStringLiteral("Open Ex&periment\u2026"));
  mnuFileOpenExperiment->setStatusTip(
      QStringLiteral("Open a guided experiment file, such as one a teacher wrote"));
  mnuFileOpenExperiment->setToolTip(mnuFileOpenExperiment->statusTip());
  mnuFileSave = mnuFile->addAction(QStringLiteral("&Save Snapshot\u2026"));
  mnuFileSave->setShortcut(QKeySequence::Save);
  mnuFileSave->setStatusTip(
      QStringLiteral("Save the atoms as they are now as a scenario file; loading it draws fresh "
                     "velocities for its temperature, as for every scenario file"));
  mnuFileSave->setToolTip(mnuFileSave->statusTip());
  mnuFileExport = mnuFile->addMenu(QStringLiteral("E&xport"));
  mnuFileExportPicture = mnuFileExport->addAction(QStringLiteral("&Picture\u2026"));
  mnuFileExportPicture->setToolTip(QStringLiteral("Save the atom view as a PNG picture"));
  mnuFileExportTrajectory = mnuFileExport->addAction(QString());
  mnuFileExportTrajectory->setCheckable(true);
  showRecordingState();
  mnuFileExportWorksheet = mnuFileExport->addAction(QStringLiteral("&Worksheet\u2026"));
  mnuFileExportWorksheet->setToolTip(
      QStringLiteral("Write the open experiment's worksheet, with your answers and the values "
                     "measured, as a PDF or a web page"));
  mnuFile->addSeparator();
  mnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
}

void frmOrvelModel::createOptionsMenu() {
  mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
  mnuOptionsSingleComponent = mnuOptions->addMenu(QStringLiteral("&Single Component"));
  mnuOptionsSolid = mnuOptionsSingleComponent->addAction(QStringLiteral("&Solid"));
  mnuOptionsLiquid = mnuOptionsSingleComponent->addAction(QStringLiteral("&Liquid"));
  mnuOptionsGas = mnuOptionsSingleComponent->addAction(QStringLiteral("&Gas"));
  mnuOptionsDoubleComponent = mnuOptions->addMenu(QStringLiteral("&Double Component"));
  mnuOptionSolidLiquid = mnuOptionsDoubleComponent->addAction(QStringLiteral("&Solid-Liquid"));
  mnuOptionSolidGas = mnuOptionsDoubleComponent->addAction(QStringLiteral("Solid-&Gas"));
  mnuOptionLiquidGas = mnuOptionsDoubleComponent->addAction(QStringLiteral("&Liquid-Gas"));
  mnuOptions->addSeparator();
  mnuOptionsFollowAmbient =
      mnuOptions->addAction(QStringLiteral("&Follow the Ambient Temperature"));
  mnuOptionsFollowAmbient->setCheckable(true);
  mnuOptionsFollowAmbient->setStatusTip(
      QStringLiteral("Hold the atoms at the temperature of the season and the time of day"));
}

void frmOrvelModel::createSimulationMenu() {
  mnuSimulation = menuBar()->addMenu(QStringLiteral("&Simulation"));
  mnuSimulationPause = mnuSimulation->addAction(QStringLiteral("&Pause"));
  mnuSimulationPause->setShortcut(Qt::Key_Space);
  mnuSimulationStep = mnuSimulation->addAction(QStringLiteral("S&tep"));
  mnuSimulationStep->setShortcut(Qt::Key_Period);
  mnuSimulationStep->setToolTip(QStringLiteral("One tick while paused"));
  mnuSimulationSpeed = mnuSimulation->addMenu(QStringLiteral("Spee&d"));
  speedGroup = new QActionGroup(this);
  for (const auto &[steps, caption] : kSpeeds) {
    QAction *entry = mnuSimulationSpeed->addAction(QString::fromLatin1(caption));
    entry->setCheckable(true);
    entry->setData(steps);
    entry->setChecked(steps == simulation::SimulationController::kStartStepsPerTick);
    speedGroup->addAction(entry);
  }
  mnuSimulationRestart = mnuSimulation->addAction(QStringLiteral("Re&start"));
  mnuSimulationRestart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  mnuSimulationRestart->setToolTip(QStringLiteral("Load the running scenario's file again"));
  showRunState();
}

void frmOrvelModel::createViewMenu() {
  mnuView = menuBar()->addMenu(QStringLiteral("&View"));
  mnuViewLab = mnuView->addAction(QStringLiteral("&Lab\u2026"));
  mnuViewLab->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  mnuViewLargeView = mnuView->addAction(QStringLiteral("La&rge View\u2026"));
  mnuViewLargeView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  mnuViewInteractions = mnuView->addAction(QStringLiteral("&Interactions\u2026"));
  mnuViewExperiments = mnuView->addAction(QStringLiteral("&Experiments\u2026"));
  mnuViewExperiments->setStatusTip(
      QStringLiteral("Guided experiments: the program sets each step up and checks what you "
                     "measure"));
}

void frmOrvelModel::createHelpMenu() {
  mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
  mnuHelpTopics = mnuHelp->addAction(QStringLiteral("&Topics"));
  mnuHelpAbout = mnuHelp->addAction(QStringLiteral("&About"));
}
