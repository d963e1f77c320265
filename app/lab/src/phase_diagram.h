// One material's phase diagram: the map measured on the model drawn twice,
// temperature against density and pressure against temperature (densities
// and pressures on logarithmic axes: they span decades), one scatter series per
// phase told apart by colour and by marker shape. Beside the model's map
// stand the real substance's triple and critical points from the material
// card, and the reader's own state point, which moves as the run does.
// Both charts follow the program's appearance, and the legend with them.
#pragma once

#include "analysis/phase_map.h"
#include "analysis/real_units.h"
#include "analysis/units.h"
#include "scenario/material_card.h"
#include "state_point.h"

#include <QWidget>

#include <map>
#include <optional>

class QChart;
class QLabel;
class QLogValueAxis;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

namespace lab {

class ChartView;
class PhaseLegend;

// The units a diagram shows its temperatures and pressures in.
struct DiagramUnits {
  analysis::TemperatureUnit temperature = analysis::TemperatureUnit::Kelvin;
  analysis::PressureUnit pressure = analysis::PressureUnit::Kilopascal;
  bool operator==(const DiagramUnits &) const = default;
};

// A phase as the diagram names it in its legend: "solid", "liquid and gas".
QString phaseText(analysis::PhaseMix phase);

class PhaseDiagram : public QWidget {
  Q_OBJECT

public:
  // The map of `material` (the card's entry: its name and real points).
  PhaseDiagram(const ModDornDll::CardMaterial &material, analysis::PhaseMap map, QWidget *parent);

  // Draws the map in these units; nothing happens in the units shown.
  void showUnits(const DiagramUnits &units);
  // Moves the state point (none hides it); nothing happens when it stands
  // where it is shown.
  void showState(const std::optional<StatePoint> &state);

  // One chart: a series per phase found in the map, the state point, and
  // the real points where the card has them.
  struct Plot {
    QChart *chart = nullptr;
    ChartView *view = nullptr;
    std::map<analysis::PhaseMix, QScatterSeries *> phases;
    QScatterSeries *state = nullptr;
    QXYSeries *realTriple = nullptr;
    QXYSeries *realCritical = nullptr;
  };
  Plot densityPlot; // temperature against density (logarithmic)
  QLogValueAxis *densityX = nullptr;
  QValueAxis *densityY = nullptr;
  Plot pressurePlot; // pressure (logarithmic) against temperature
  QValueAxis *pressureX = nullptr;
  QLogValueAxis *pressureY = nullptr;
  PhaseLegend *legend = nullptr; // under both charts
  QLabel *note = nullptr;
  QLabel *stateText = nullptr; // the state point in words

private:
  void createDensityPlot();
  void createPressurePlot();
  QWidget *addView(Plot &plot, const QString &name, const QString &description);
  void addPhaseSeries(Plot &plot);
  void createLegend();
  void drawMap();
  void drawRealPoints();
  void drawState();
  QString stateWords() const;
  QString noteText() const;
  void fitAxes();
  QString pressureSymbol() const;
  double shownTemperature(double kelvin) const;
  double shownPressure(double kilopascals) const;

  ModDornDll::CardMaterial material_;
  analysis::PhaseMap map_;
  DiagramUnits units_;
  bool drawn_ = false;
  std::optional<StatePoint> state_;
};

} // namespace lab
