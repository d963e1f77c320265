// The Lab's thermostat: the temperature the atoms are held at (a slider and
// a number box in the chosen unit), the Hold switch, following the ambient
// temperature, a steady ramp to another temperature, and insulating the
// atoms from any heat.
#pragma once

#include "analysis/units.h"

#include <QGroupBox>

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QSlider;
class QSpinBox;

namespace simulation {
class SimulationController;
}

namespace lab {

class ThermostatPanel : public QGroupBox {
  Q_OBJECT

public:
  ThermostatPanel(simulation::SimulationController &controller, QWidget *parent);

  void setUnit(analysis::TemperatureUnit unit);
  // Shows the controller's thermostat; the value only when the controller
  // moved it (a ramp, the ambient temperature, a new scenario).
  void refresh();

  QSlider *slider = nullptr; // tenths of the unit
  QDoubleSpinBox *value = nullptr;
  QCheckBox *hold = nullptr;
  QCheckBox *follow = nullptr;
  QCheckBox *insulate = nullptr;
  QDoubleSpinBox *rampTo = nullptr;
  QSpinBox *rampSteps = nullptr;
  QPushButton *ramp = nullptr;

signals:
  // The user gave the thermostat a command.
  void commanded();

private:
  void createControls();
  void connectControls();
  void setRanges();
  void showValue(double kelvin);
  void thermostatMoved(double shown);
  void rampClicked();

  simulation::SimulationController &controller_;
  analysis::TemperatureUnit unit_ = analysis::TemperatureUnit::Fahrenheit;
  double shownKelvin_ = -1.0; // what the value controls show
};

} // namespace lab
