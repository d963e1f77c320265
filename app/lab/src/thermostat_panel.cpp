#include "thermostat_panel.h"

#include "analysis/thermostat.h"
#include "simulation/simulation_controller.h"
#include "unit_text.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <cmath>

namespace lab {

namespace {

constexpr int kSliderPerUnit = 10;
// A ramp long enough for the atoms to keep up, so that melting shows as a
// plateau near the melting point rather than late and smeared.
constexpr int kDefaultRampSteps = 200000;
// Kelvin: above the model's melting point of every shipped substance but
// quartz (about 2,000 K).
constexpr double kDefaultRampTarget = 1300.0;

QString unitSuffix(analysis::TemperatureUnit unit) {
  return QLatin1Char(' ') + unitSymbolText(unit);
}

// A limit of the controls as they reach it, to a tenth of the unit and
// without trailing zeros: "3,000 K", "4,940.6 °F".
QString reachText(double shown, analysis::TemperatureUnit unit) {
  const double tenths = std::round(shown * 10.0) / 10.0;
  return QLocale().toString(tenths, 'g', QLocale::FloatingPointShortest) + unitSuffix(unit);
}

int sliderPosition(double shown) { return int(std::lrint(shown * kSliderPerUnit)); }

} // namespace

ThermostatPanel::ThermostatPanel(simulation::SimulationController &controller, QWidget *parent)
    : QGroupBox(tr("Thermostat"), parent), controller_(controller) {
  createControls();
  setRanges();
  rampTo->setValue(analysis::fromKelvin(kDefaultRampTarget, unit_));
  connectControls();
  refresh();
}

void ThermostatPanel::createControls() {
  slider = new QSlider(Qt::Horizontal, this);
  value = new QDoubleSpinBox(this);
  value->setDecimals(1);
  value->setKeyboardTracking(false);
  hold = new QCheckBox(tr("&Hold"), this);
  hold->setToolTip(tr("Hold the atoms at this temperature, whatever the season or the time of "
                      "day. Off: the scenario's own temperature."));
  follow = new QCheckBox(tr("&Follow the ambient temperature"), this);
  follow->setToolTip(
      tr("Every change of season or time of day moves the thermostat to the ambient temperature."));
  auto *rampLabel = new QLabel(tr("R&amp to"), this);
  rampTo = new QDoubleSpinBox(this);
  rampTo->setDecimals(1);
  rampLabel->setBuddy(rampTo);
  rampSteps = new QSpinBox(this);
  rampSteps->setRange(1000, 10000000);
  rampSteps->setSingleStep(1000);
  rampSteps->setGroupSeparatorShown(true);
  rampSteps->setValue(kDefaultRampSteps);
  rampSteps->setSuffix(tr(" steps"));
  rampSteps->setAccessibleName(tr("Ramp length in steps"));
  rampSteps->setToolTip(tr("How many time steps the ramp takes to reach its temperature"));
  ramp = new QPushButton(tr("&Ramp"), this);
  ramp->setToolTip(tr("Move the thermostat steadily to this temperature and plot the heating "
                      "curve"));
  // Made after the ramp's controls, so that Tab reaches it after them, as it
  // stands below them.
  insulate = new QCheckBox(tr("&Insulated: no heat in or out"), this);
  insulate->setToolTip(tr("No thermostat and no clamp: the atoms keep their total energy, so a "
                          "liquid that evaporates cools down."));

  auto *grid = new QGridLayout(this);
  grid->addWidget(slider, 0, 0, 1, 3);
  grid->addWidget(value, 0, 3);
  grid->addWidget(hold, 1, 0);
  grid->addWidget(follow, 1, 1, 1, 3);
  grid->addWidget(rampLabel, 2, 0);
  grid->addWidget(rampTo, 2, 1);
  grid->addWidget(rampSteps, 2, 2);
  grid->addWidget(ramp, 2, 3);
  grid->addWidget(insulate, 3, 0, 1, 4);
}

void ThermostatPanel::connectControls() {
  connect(slider, &QSlider::valueChanged, this,
          [this](int position) { thermostatMoved(double(position) / kSliderPerUnit); });
  connect(value, &QDoubleSpinBox::valueChanged, this, &ThermostatPanel::thermostatMoved);
  connect(hold, &QCheckBox::toggled, this, [this](bool on) {
    controller_.setHold(on);
    refresh();
    emit commanded();
  });
  connect(follow, &QCheckBox::toggled, this, [this](bool on) {
    controller_.setFollowAmbient(on);
    refresh();
    emit commanded();
  });
  connect(insulate, &QCheckBox::toggled, this, [this](bool on) {
    controller_.setInsulated(on);
    refresh();
    emit commanded();
  });
  connect(ramp, &QPushButton::clicked, this, &ThermostatPanel::rampClicked);
}

void ThermostatPanel::setUnit(analysis::TemperatureUnit unit) {
  const double rampTarget = analysis::toKelvin(rampTo->value(), unit_);
  unit_ = unit;
  setRanges();
  const QSignalBlocker blocker(rampTo);
  rampTo->setValue(analysis::fromKelvin(rampTarget, unit_));
  showValue(controller_.thermostat());
}

// The controls reach from 0 K to the hottest the program holds the atoms
// at, and say so.
void ThermostatPanel::setRanges() {
  const double lowest = analysis::fromKelvin(0.0, unit_);
  const double largest = analysis::fromKelvin(analysis::largestHeldTemperature(), unit_);
  const QSignalBlocker blockSlider(slider);
  const QSignalBlocker blockValue(value);
  const QSignalBlocker blockRamp(rampTo);
  slider->setRange(sliderPosition(lowest), sliderPosition(largest));
  slider->setPageStep(100 * kSliderPerUnit);
  for (QDoubleSpinBox *box : {value, rampTo}) {
    box->setRange(lowest, largest);
    box->setSuffix(unitSuffix(unit_));
  }
  const QString why = tr("The temperature the atoms are held at: from %1 to %2.")
                          .arg(reachText(lowest, unit_), reachText(largest, unit_));
  slider->setToolTip(why);
  value->setToolTip(why);
  rampTo->setToolTip(why);
  const QString symbol = unitSymbolText(unit_);
  slider->setAccessibleName(tr("Thermostat temperature, in tenths of %1").arg(symbol));
  value->setAccessibleName(tr("Thermostat temperature in %1").arg(symbol));
  rampTo->setAccessibleName(tr("Ramp to temperature in %1").arg(symbol));
  shownKelvin_ = -1.0;
}

void ThermostatPanel::showValue(double kelvin) {
  const double shown = analysis::fromKelvin(kelvin, unit_);
  const QSignalBlocker blockSlider(slider);
  const QSignalBlocker blockValue(value);
  slider->setValue(sliderPosition(shown));
  value->setValue(shown);
  shownKelvin_ = kelvin;
}

void ThermostatPanel::thermostatMoved(double shown) {
  showValue(controller_.setThermostat(analysis::toKelvin(shown, unit_)));
  refresh();
  emit commanded();
}

void ThermostatPanel::rampClicked() {
  if (controller_.ramping())
    controller_.stopRamp();
  else
    controller_.startRamp(analysis::toKelvin(rampTo->value(), unit_), rampSteps->value());
  refresh();
  emit commanded();
}

void ThermostatPanel::refresh() {
  {
    const QSignalBlocker blockHold(hold);
    const QSignalBlocker blockFollow(follow);
    const QSignalBlocker blockInsulate(insulate);
    hold->setChecked(controller_.holding());
    follow->setChecked(controller_.followingAmbient());
    insulate->setChecked(controller_.insulated());
  }
  ramp->setText(controller_.ramping() ? tr("Stop &ramp") : tr("&Ramp"));
  if (controller_.thermostat() != shownKelvin_)
    showValue(controller_.thermostat());
}

} // namespace lab
