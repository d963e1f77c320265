// Choosing what to simulate: seven places in the landscape and six Options
// entries, each loading its scenario file from the current folder (or the
// installed data folder).
#include "frm_orvel_model.h"

#include "message_box.h"
#include "panel_status_bar.h"
#include "run_folder.h"
#include "scenario/mod_dorn_dll.h"

#include <QTimer>

namespace {

// The fifth panel names the kind of simulation running; the kind is a word
// of its own for the translators.
QString simulationText(const char *kind) {
  return frmOrvelModel::tr("Simulation: %1").arg(frmOrvelModel::tr(kind));
}

const char *const kSolid = QT_TRANSLATE_NOOP("frmOrvelModel", "Solid");
const char *const kLiquid = QT_TRANSLATE_NOOP("frmOrvelModel", "Liquid");
const char *const kGas = QT_TRANSLATE_NOOP("frmOrvelModel", "Gas");
const char *const kGasGas = QT_TRANSLATE_NOOP("frmOrvelModel", "Gas-Gas");
const char *const kSolidLiquid = QT_TRANSLATE_NOOP("frmOrvelModel", "Solid-Liquid");
const char *const kSolidGas = QT_TRANSLATE_NOOP("frmOrvelModel", "Solid-Gas");
const char *const kLiquidGas = QT_TRANSLATE_NOOP("frmOrvelModel", "Liquid-Gas");

} // namespace

void frmOrvelModel::hotspotCloud_Click() {
  chooseBuiltIn(QStringLiteral("/gas-gas.ams"), simulationText(kGasGas));
}
void frmOrvelModel::hotspotGas_Click() {
  chooseBuiltIn(QStringLiteral("/gas.ams"), simulationText(kGas));
}
void frmOrvelModel::hotspotLiquidGas_Click() {
  chooseBuiltIn(QStringLiteral("/liquid-gas.ams"), simulationText(kLiquidGas));
}
void frmOrvelModel::hotspotRock_Click() {
  chooseBuiltIn(QStringLiteral("/solid.ams"), simulationText(kSolid));
}
void frmOrvelModel::hotspotSand_Click() {
  chooseBuiltIn(QStringLiteral("/solid.ams"), simulationText(kSolid));
}
void frmOrvelModel::hotspotSolidLiquid_Click() {
  chooseBuiltIn(QStringLiteral("/solid-liquid.ams"), simulationText(kSolidLiquid));
}
void frmOrvelModel::hotspotWater_Click() {
  chooseBuiltIn(QStringLiteral("/liquid.ams"), simulationText(kLiquid));
}
void frmOrvelModel::mnuOptionsSolid_Click() {
  chooseBuiltIn(QStringLiteral("/solid.ams"), simulationText(kSolid));
}
void frmOrvelModel::mnuOptionsLiquid_Click() {
  chooseBuiltIn(QStringLiteral("/liquid.ams"), simulationText(kLiquid));
}
void frmOrvelModel::mnuOptionsGas_Click() {
  chooseBuiltIn(QStringLiteral("/gas.ams"), simulationText(kGas));
}
void frmOrvelModel::mnuOptionSolidLiquid_Click() {
  chooseBuiltIn(QStringLiteral("/solid-liquid.ams"), simulationText(kSolidLiquid));
}
void frmOrvelModel::mnuOptionSolidGas_Click() {
  chooseBuiltIn(QStringLiteral("/solid-gas.ams"), simulationText(kSolidGas));
}
void frmOrvelModel::mnuOptionLiquidGas_Click() {
  chooseBuiltIn(QStringLiteral("/liquid-gas.ams"), simulationText(kLiquidGas));
}

void frmOrvelModel::chooseBuiltIn(const QString &name, const QString &statusText) {
  chooseScenario(scene::runPath(name), statusText,
                 tr("\n\nFolders searched: %1").arg(scene::searchedFolders()));
}

// Loads the file, shows its first frame, starts the loop and names the
// scenario. A file that cannot be loaded leaves the running scenario as it was.
bool frmOrvelModel::chooseScenario(const QString &path, const QString &statusText,
                                   const QString &searched) {
  bool started = false;
  runGuarded([&] {
    try {
      controller.load(path.toStdString());
    } catch (const ModDornDll::ScenarioError &error) {
      scene::showMessage(this, windowTitle(),
                         tr("The scenario cannot be loaded:\n%1%2\n\n"
                            "The simulation carries on as it was.")
                             .arg(QString::fromStdString(error.what()), searched));
      return;
    }
    try {
      formInitScreen();
    } catch (const atom_drawing::ProjectionError &error) {
      Timer1->stop();
      scene::showMessage(
          this, windowTitle(),
          tr("The box of %1 cannot be shown:\n%2").arg(path, QString::fromStdString(error.what())));
      return;
    }
    started = true;
    runningFile = path;
    runningStatus = statusText;
    // A pause lasts over a new start: the first frame shows, nothing moves.
    if (!controller.paused())
      Timer1->start();
    showRunState();
    StatusBar1->setPanelText(5, statusText);
    showAtomCount();
    reportCardProblem();
  });
  return started;
}

// A card beside the file that cannot be used leaves the scenario running in
// model units; the user learns which line of which file to mend.
void frmOrvelModel::reportCardProblem() {
  if (controller.cardProblem().empty())
    return;
  scene::showMessage(this, windowTitle(),
                     tr("The material card cannot be used:\n%1\n\n"
                        "The scenario runs in model units.")
                         .arg(QString::fromStdString(controller.cardProblem())));
}
