// The Lab's volume and pressure controls: the lid (the top of the box) as a
// slider and a number box in per cent of the file's box height, with where
// it stands now and why it waits, if it does; and Hold pressure, which moves
// the lid by itself to keep the pressure on it at a chosen value in
// the Lab's pressure unit.
#pragma once

#include "lab_units.h"

#include <QGroupBox>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace simulation {
class SimulationController;
}

namespace lab {

class VolumePanel : public QGroupBox {
  Q_OBJECT

public:
  VolumePanel(simulation::SimulationController &controller, QWidget *parent);

  // The pressure unit changed, or the scenario's card.
  void setUnits(const LabUnits &units);
  // Shows where the lid stands and whether a pressure is held.
  void refresh();

  QSlider *slider = nullptr; // per cent of the file's box height
  QSpinBox *height = nullptr;
  QLabel *state = nullptr;
  QCheckBox *holdPressure = nullptr;
  QDoubleSpinBox *pressure = nullptr;

signals:
  // The user moved the lid or held a pressure.
  void commanded();

private:
  void createControls();
  void connectControls();
  void lidMoved(int percent);
  void holdToggled(bool on);
  void pressureChosen(double shown);
  void showTarget(int percent);
  void showLidPressure();
  QString stateText() const;

  simulation::SimulationController &controller_;
  LabUnits units_;
  bool unitsSet_ = false;
};

} // namespace lab
