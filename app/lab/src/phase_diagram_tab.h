// The Lab's Phase diagram tab: for each material of the running scenario
// the phase map measured on the model (chosen with a tab when there are
// several), with the reader's state point following the thermostat and the
// lid. A scenario without a material card, or a substance without a map,
// gets a plain message saying why instead of an empty chart.
#pragma once

#include "lab_units.h"
#include "phase_map_source.h"
#include "scenario/material_card.h"
#include "state_point.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QTabWidget;

namespace simulation {
class SimulationController;
}

namespace lab {

class PhaseDiagram;

// Where the run stands: the measured temperature (kelvin), the box as it
// stands and the pressure gauge's reading (model units).
struct RunState {
  std::optional<double> kelvin;
  std::array<double, 6> box{};
  std::optional<double> gauge;
};

class PhaseDiagramTab : public QWidget {
  Q_OBJECT

public:
  explicit PhaseDiagramTab(QWidget *parent);

  // The maps are looked up here, one file per substance.
  QString mapFolder = kShippedPhaseMaps;

  // A new scenario: its card (none: the message says why), per material of
  // the card its map or why there is none, and the mass of each material
  // (model units).
  void showScenario(const std::optional<ModDornDll::MaterialCard> &card,
                    const std::vector<MapLookup> &maps, std::vector<double> masses);
  // Moves each material's state point to where the run stands, shown in the
  // Lab's units (which need the card's real units).
  void showRun(const RunState &run, const LabUnits &units);
  // Reads the controller: a new scenario start looks the maps up again.
  void follow(const simulation::SimulationController &controller, const LabUnits &units);

  QLabel *message = nullptr;       // shown instead of the diagrams
  QTabWidget *materials = nullptr; // one page per material of the card
  // Per material: its diagram, or none where its page is a message.
  std::vector<PhaseDiagram *> diagrams;

private:
  void clearMaterials();
  void showMessage(const QString &text);

  std::vector<double> masses_;
  std::uint64_t shownStart_ = 0;
};

} // namespace lab
