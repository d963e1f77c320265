// The main window's pictures in words, for a screen reader: what the atom
// view shows and what the thermometer reads. Built from what the window
// already holds; no engine call.
#include "frm_orvel_model.h"

#include "panel_status_bar.h"
#include "scenario/mod_dorn_dll.h"
#include "unit_text.h"

#include <QLocale>
#include <QStringList>
#include <QtMath>

namespace {

// Panels of the status bar this summary reads.
constexpr int kTemperaturePanel = 4;
constexpr int kSimulationPanel = 5;
// Decimals of a temperature read out.
constexpr int kTemperatureDecimals = 1;

} // namespace

// The atoms are kept at the thermostat while it holds them, else at the
// set-point the engine was last given: the file's temperature after a
// load, the ambient one after the season or the time of day changed. An
// insulated box keeps none.
QString frmOrvelModel::atomViewSummary() const {
  if (!controller.running())
    return tr("No simulation yet: choose a place in the landscape");
  const QLocale locale;
  QStringList parts{StatusBar1->panelText(kSimulationPanel),
                    tr("atoms: %1").arg(locale.toString(ModDornDll::numAtoms))};
  if (controller.insulated()) {
    parts << tr("insulated: no heat in or out");
  } else {
    const double kelvin = controller.holding() ? controller.thermostat() : ModDornDll::temperature;
    parts << tr("kept at %1 %2")
                 .arg(
                     locale.toString(analysis::fromKelvin(kelvin, unit), 'f', kTemperatureDecimals),
                     lab::unitSymbolText(unit));
  }
  const int lidPercent = qRound(100.0 * controller.lidHeight());
  if (lidPercent < 100)
    parts << tr("the lid holds the box at %1 % of its height").arg(locale.toString(lidPercent));
  if (controller.paused())
    parts << tr("paused");
  return parts.join(tr("; ", "between the parts of the atom view's summary"));
}

QString frmOrvelModel::thermometerText() const { return StatusBar1->panelText(kTemperaturePanel); }
