// The Lab: a window beside the main one (or on a projector) with the run
// controls, the thermostat, live readouts, the material card and graphs of
// the running simulation, in real units when the scenario has a card. It reads what the simulation
// controller publishes and sends it commands; it never calls the engine itself.
// Every control is reached with Tab in reading order, Space presses the
// focused button, a change of phase is told in the status line, and the
// window follows the program's appearance (high contrast).
#pragma once

#include "analysis/phase_worker.h"
#include "analysis/real_units.h"
#include "analysis/units.h"
#include "lab_units.h"

#include <QElapsedTimer>
#include <QList>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolBar;

namespace simulation {
class SimulationController;
}

namespace lab {

class MaterialsPanel;
struct MaterialPhase;
class PhaseDiagramTab;
class ReadoutPanel;
class SeriesCharts;
class ThermostatPanel;
class VolumePanel;

class LabWindow : public QWidget {
  Q_OBJECT

public:
  // Readouts and graphs refresh this often (four times a second).
  static constexpr int kRefreshMs = 250;

  // runActions: the main window's run controls, shown on the Lab's tool bar
  // (their shortcuts then work in the Lab too).
  LabWindow(simulation::SimulationController &controller, const QList<QAction *> &runActions,
            QWidget *parent);

  void setUnit(analysis::TemperatureUnit unit);
  analysis::TemperatureUnit unit() const { return unit_; }
  // The pressure unit, chosen in the Lab and remembered there.
  void setPressureUnit(analysis::PressureUnit unit);
  analysis::PressureUnit pressureUnit() const { return pressureUnit_; }
  // The units the running scenario's numbers are shown in now.
  LabUnits shownUnits() const;
  // Writes every recorded sample as CSV; an empty result, or what went wrong.
  QString saveSeries(const QString &path) const;
  // Reads the controller anew: readouts, graphs, thermostat. The phases are
  // measured on a thread of their own: the readout shows the newest measure
  // finished, at most one refresh behind, and never waits for one.
  void refresh();
  // Waits until the atoms handed over for the phase readout are measured and
  // refreshes, so that the readout shows them: for tests that read it at once.
  void refreshWithPhasesMeasured();

  ThermostatPanel *thermostat = nullptr;
  VolumePanel *volume = nullptr;
  ReadoutPanel *readouts = nullptr;
  MaterialsPanel *materials = nullptr;
  SeriesCharts *charts = nullptr;
  PhaseDiagramTab *phaseDiagram = nullptr; // a tab beside the graphs
  QComboBox *units = nullptr;
  QComboBox *pressureUnits = nullptr;
  QPushButton *saveCsv = nullptr;
  QLabel *status = nullptr; // the latest change of phase, for every reader

signals:
  void unitChosen(analysis::TemperatureUnit unit);
  // The user gave the thermostat a command (hold, follow, value, ramp).
  void thermostatCommanded();

protected:
  void showEvent(QShowEvent *event) override;
  void hideEvent(QHideEvent *event) override;

private:
  QWidget *createToolBar(const QList<QAction *> &runActions);
  void addUnitChoosers(QToolBar *bar);
  void showPhaseChange(const QString &text);
  void showAppearance();
  void saveCsvClicked();
  double atomStepsPerSecond();
  std::vector<MaterialPhase> materialPhasesNow(std::optional<double> temperature);

  simulation::SimulationController &controller_;
  analysis::TemperatureUnit unit_ = analysis::TemperatureUnit::Fahrenheit;
  analysis::PressureUnit pressureUnit_ = analysis::PressureUnit::Kilopascal;
  QTimer *refreshTimer_ = nullptr;
  analysis::PhaseWorker phases_;
  QElapsedTimer clock_; // for the speed: steps done between refreshes
  std::int64_t speedStep_ = 0;
  qint64 speedMark_ = 0;
};

} // namespace lab
