// Choosing what to simulate: seven places in the landscape and six Options
// entries, each loading its scenario file from the current folder.
#include "frm_orvel_model.h"

#include "message_box.h"
#include "panel_status_bar.h"
#include "run_folder.h"
#include "scenario/mod_dorn_dll.h"

#include <QTimer>

void frmOrvelModel::hotspotCloud_Click() {
  chooseScenario(QStringLiteral("/gas-gas.ams"), QStringLiteral("Simulation: Gas-Gas"));
}
void frmOrvelModel::hotspotGas_Click() {
  chooseScenario(QStringLiteral("/gas.ams"), QStringLiteral("Simulation: Gas"));
}
void frmOrvelModel::hotspotLiquidGas_Click() {
  chooseScenario(QStringLiteral("/liquid-gas.ams"), QStringLiteral("Simulation: Liquid-Gas"));
}
void frmOrvelModel::hotspotRock_Click() {
  chooseScenario(QStringLiteral("/solid.ams"), QStringLiteral("Simulation: Solid"));
}
void frmOrvelModel::hotspotSand_Click() {
  chooseScenario(QStringLiteral("/solid.ams"), QStringLiteral("Simulation: Solid"));
}
void frmOrvelModel::hotspotSolidLiquid_Click() {
  chooseScenario(QStringLiteral("/solid-liquid.ams"), QStringLiteral("Simulation: Solid-Liquid"));
}
void frmOrvelModel::hotspotWater_Click() {
  chooseScenario(QStringLiteral("/liquid.ams"), QStringLiteral("Simulation: Liquid"));
}
void frmOrvelModel::mnuOptionsSolid_Click() {
  chooseScenario(QStringLiteral("/solid.ams"), QStringLiteral("Simulation: Solid"));
}
void frmOrvelModel::mnuOptionsLiquid_Click() {
  chooseScenario(QStringLiteral("/liquid.ams"), QStringLiteral("Simulation: Liquid"));
}
void frmOrvelModel::mnuOptionsGas_Click() {
  chooseScenario(QStringLiteral("/gas.ams"), QStringLiteral("Simulation: Gas"));
}
void frmOrvelModel::mnuOptionSolidLiquid_Click() {
  chooseScenario(QStringLiteral("/solid-liquid.ams"), QStringLiteral("Simulation: Solid-Liquid"));
}
void frmOrvelModel::mnuOptionSolidGas_Click() {
  chooseScenario(QStringLiteral("/solid-gas.ams"), QStringLiteral("Simulation: Solid-Gas"));
}
void frmOrvelModel::mnuOptionLiquidGas_Click() {
  chooseScenario(QStringLiteral("/liquid-gas.ams"), QStringLiteral("Simulation: Liquid-Gas"));
}

// Loads the file, shows its first frame, starts the loop and names the
// scenario. A file that cannot be loaded leaves the running scenario as it was.
void frmOrvelModel::chooseScenario(const QString &fileName, const QString &statusText) {
  runGuarded([&] {
    try {
      controller.load(scene::runPath(fileName).toStdString());
    } catch (const ModDornDll::ScenarioError &error) {
      scene::showMessage(this, windowTitle(),
                         QStringLiteral("The scenario cannot be loaded:\n%1\n\nFolder searched: "
                                        "%2\n\nThe simulation carries on as it was.")
                             .arg(QString::fromStdString(error.what()), scene::runFolder()));
      return;
    }
    try {
      formInitScreen();
    } catch (const view::ProjectionError &error) {
      Timer1->stop();
      scene::showMessage(this, windowTitle(),
                         QStringLiteral("The box of %1 cannot be shown:\n%2")
                             .arg(scene::runPath(fileName), QString::fromStdString(error.what())));
      return;
    }
    runningFile = fileName;
    runningStatus = statusText;
    // A pause lasts over a new start: the first frame shows, nothing moves.
    if (!controller.paused())
      Timer1->start();
    showRunState();
    StatusBar1->setPanelText(5, statusText);
    showAtomCount();
  });
}
