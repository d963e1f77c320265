// What a guided experiment may do with the program: exactly what its
// controls do, through the main window that owns them. The thermostat and
// the lid are commanded through the simulation controller, as the Lab does.
#pragma once

#include "analysis/units.h"

#include <QImage>
#include <QString>

namespace simulation {
class SimulationController;
}

namespace guide {

enum class Window { Lab, LargeView, Interactions };

// The Lab's graphs a step can show, in the order of the Lab's tabs.
enum class Chart { Temperature, Energy, Pressure, HeatingCurve, PhaseDiagram };

class Stage {
public:
  virtual ~Stage() = default;

  virtual simulation::SimulationController &controller() = 0;
  // Where a shipped scenario file of this name lies (it may not exist).
  virtual QString shippedScenario(const QString &name) = 0;
  // Loads a scenario file as File > Open does; false, after telling the
  // user why, when it cannot be loaded (the running one then goes on).
  virtual bool loadScenario(const QString &path) = 0;
  // As Simulation > Pause and Simulation > Speed.
  virtual void setPaused(bool paused) = 0;
  virtual void setStepsPerTick(int steps) = 0;
  virtual void setTemperatureUnit(analysis::TemperatureUnit unit) = 0;
  virtual void openWindow(Window window) = 0;
  // Opens the Lab at this graph.
  virtual void showChart(Chart chart) = 0;
  // A picture of the graph as it stands, for the worksheet.
  virtual QImage chartImage(Chart chart) = 0;
  // The thermostat or the lid was commanded from outside the windows that
  // show them: they read the controller anew.
  virtual void commanded() = 0;
};

} // namespace guide
