// The menu bar: File, Options, Simulation, View and Help, every entry with
// an access key, the run controls and the windows with their shortcuts.
#include "frm_orvel_model.h"

#include "appearance/appearance.h"
#include "i18n/language_menu.h"
#include "keyboard_help.h"

#include <QActionGroup>
#include <QMenuBar>

namespace {

// Steps per tick offered by the Speed menu, with their captions.
constexpr std::pair<int, const char *> kSpeeds[] = {
    {1, QT_TRANSLATE_NOOP("frmOrvelModel", "&1 step per tick")},
    {2, QT_TRANSLATE_NOOP("frmOrvelModel", "&2 steps per tick")},
    {5, QT_TRANSLATE_NOOP("frmOrvelModel", "&5 steps per tick")},
    {10, QT_TRANSLATE_NOOP("frmOrvelModel", "1&0 steps per tick")},
    {20, QT_TRANSLATE_NOOP("frmOrvelModel", "20 &steps per tick")},
    {50, QT_TRANSLATE_NOOP("frmOrvelModel", "50 steps &per tick")}};

using appearance::Appearance;
using appearance::SpeedColours;

// The entries of View that choose how the Lab, its graphs and the large view
// look; their checks follow the appearance when another window changes it.
void addAppearanceEntries(QMenu *view) {
  Appearance &looks = Appearance::instance();
  QAction *highContrast = view->addAction(frmOrvelModel::tr("&High Contrast"));
  highContrast->setObjectName(QStringLiteral("mnuViewHighContrast"));
  highContrast->setCheckable(true);
  highContrast->setChecked(looks.highContrast());
  highContrast->setStatusTip(
      frmOrvelModel::tr("Draw the Lab, its graphs and the large view in white and bright colours "
                        "on black, for a projector"));
  QObject::connect(highContrast, &QAction::triggered, &looks, &Appearance::setHighContrast);
  QObject::connect(&looks, &Appearance::changed, highContrast, [highContrast] {
    highContrast->setChecked(Appearance::instance().highContrast());
  });

  QMenu *colours = view->addMenu(frmOrvelModel::tr("Speed &Colours"));
  colours->menuAction()->setObjectName(QStringLiteral("mnuViewSpeedColours"));
  auto *group = new QActionGroup(colours);
  const std::pair<SpeedColours, QString> choices[] = {
      {SpeedColours::BlueToRed, frmOrvelModel::tr("Blue to &Red")},
      {SpeedColours::BlueToYellow,
       frmOrvelModel::tr("Blue to &Yellow (for red-green colour blindness)")}};
  for (const auto &[choice, caption] : choices) {
    QAction *entry = colours->addAction(caption);
    entry->setCheckable(true);
    entry->setChecked(looks.speedColours() == choice);
    group->addAction(entry);
    QObject::connect(entry, &QAction::triggered, &looks,
                     [choice] { Appearance::instance().setSpeedColours(choice); });
    QObject::connect(&looks, &Appearance::changed, entry, [entry, choice] {
      entry->setChecked(Appearance::instance().speedColours() == choice);
    });
  }
}

} // namespace

void frmOrvelModel::createMenus() {
  createFileMenu();
  createOptionsMenu();
  createSimulationMenu();
  createViewMenu();
  createHelpMenu();
}

void frmOrvelModel::createFileMenu() {
  mnuFile = menuBar()->addMenu(tr("&File"));
  mnuFileOpen = mnuFile->addAction(tr("&Open Scenario\u2026"));
  mnuFileOpen->setShortcut(QKeySequence::Open);
  mnuFileRecent = mnuFile->addMenu(tr("Open &Recent"));
  showRecentFiles();
  mnuFileOpenExperiment = mnuFile->addAction(tr("Open Ex&periment\u2026"));
  mnuFileOpenExperiment->setStatusTip(
      tr("Open a guided experiment file, such as one a teacher wrote"));
  mnuFileOpenExperiment->setToolTip(mnuFileOpenExperiment->statusTip());
  mnuFileSave = mnuFile->addAction(tr("&Save Snapshot\u2026"));
  mnuFileSave->setShortcut(QKeySequence::Save);
  mnuFileSave->setStatusTip(
      tr("Save the atoms as they are now as a scenario file; loading it draws fresh "
         "velocities for its temperature, as for every scenario file"));
  mnuFileSave->setToolTip(mnuFileSave->statusTip());
  mnuFileExport = mnuFile->addMenu(tr("E&xport"));
  mnuFileExportPicture = mnuFileExport->addAction(tr("&Picture\u2026"));
  mnuFileExportPicture->setToolTip(tr("Save the atom view as a PNG picture"));
  mnuFileExportTrajectory = mnuFileExport->addAction(QString());
  mnuFileExportTrajectory->setCheckable(true);
  showRecordingState();
  mnuFileExportWorksheet = mnuFileExport->addAction(tr("&Worksheet\u2026"));
  mnuFileExportWorksheet->setToolTip(
      tr("Write the open experiment's worksheet, with your answers and the values "
         "measured, as a PDF or a web page"));
  mnuFile->addSeparator();
  mnuExit = mnuFile->addAction(tr("&Exit"));
}

void frmOrvelModel::createOptionsMenu() {
  mnuOptions = menuBar()->addMenu(tr("&Options"));
  mnuOptionsSingleComponent = mnuOptions->addMenu(tr("&Single Component"));
  mnuOptionsSolid = mnuOptionsSingleComponent->addAction(tr("&Solid"));
  mnuOptionsLiquid = mnuOptionsSingleComponent->addAction(tr("&Liquid"));
  mnuOptionsGas = mnuOptionsSingleComponent->addAction(tr("&Gas"));
  mnuOptionsDoubleComponent = mnuOptions->addMenu(tr("&Double Component"));
  mnuOptionSolidLiquid = mnuOptionsDoubleComponent->addAction(tr("&Solid-Liquid"));
  mnuOptionSolidGas = mnuOptionsDoubleComponent->addAction(tr("Solid-&Gas"));
  mnuOptionLiquidGas = mnuOptionsDoubleComponent->addAction(tr("&Liquid-Gas"));
  mnuOptions->addSeparator();
  mnuOptionsFollowAmbient = mnuOptions->addAction(tr("&Follow the Ambient Temperature"));
  mnuOptionsFollowAmbient->setCheckable(true);
  mnuOptionsFollowAmbient->setStatusTip(
      tr("Hold the atoms at the temperature of the season and the time of day"));
  mnuOptions->addSeparator();
  i18n::addLanguageMenu(mnuOptions);
}

void frmOrvelModel::createSimulationMenu() {
  mnuSimulation = menuBar()->addMenu(tr("&Simulation"));
  mnuSimulationPause = mnuSimulation->addAction(tr("&Pause"));
  mnuSimulationPause->setShortcut(Qt::Key_Space);
  mnuSimulationStep = mnuSimulation->addAction(tr("S&tep"));
  mnuSimulationStep->setShortcut(Qt::Key_Period);
  mnuSimulationStep->setToolTip(tr("One tick while paused"));
  mnuSimulationSpeed = mnuSimulation->addMenu(tr("Spee&d"));
  speedGroup = new QActionGroup(this);
  for (const auto &[steps, caption] : kSpeeds) {
    QAction *entry = mnuSimulationSpeed->addAction(tr(caption));
    entry->setCheckable(true);
    entry->setData(steps);
    entry->setChecked(steps == simulation::SimulationController::kStartStepsPerTick);
    speedGroup->addAction(entry);
  }
  mnuSimulationRestart = mnuSimulation->addAction(tr("Re&start"));
  mnuSimulationRestart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  mnuSimulationRestart->setToolTip(tr("Load the running scenario's file again"));
  showRunState();
}

void frmOrvelModel::createViewMenu() {
  mnuView = menuBar()->addMenu(tr("&View"));
  mnuViewLab = mnuView->addAction(tr("&Lab\u2026"));
  mnuViewLab->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  mnuViewLargeView = mnuView->addAction(tr("La&rge View\u2026"));
  mnuViewLargeView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  mnuViewInteractions = mnuView->addAction(tr("&Interactions\u2026"));
  mnuViewExperiments = mnuView->addAction(tr("&Experiments\u2026"));
  mnuViewExperiments->setStatusTip(
      tr("Guided experiments: the program sets each step up and checks what you "
         "measure"));
  mnuView->addSeparator();
  addAppearanceEntries(mnuView);
}

void frmOrvelModel::createHelpMenu() {
  mnuHelp = menuBar()->addMenu(tr("&Help"));
  mnuHelpTopics = mnuHelp->addAction(tr("&Topics"));
  QAction *keyboard = mnuHelp->addAction(tr("&Keyboard\u2026"));
  keyboard->setStatusTip(tr("List every key the program answers to"));
  connect(keyboard, &QAction::triggered, this, [this] { scene::showKeyboardHelp(this); });
  mnuHelpAbout = mnuHelp->addAction(tr("&About"));
}
