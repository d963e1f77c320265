// The Lab's readouts: measured temperature, energies per atom, wall
// pressure, atoms, steps and the time they simulated, speed, and the phase
// of every material. Each readout's accessible name is its caption and what
// it shows, so that a screen reader speaks "Temperature: 300.0 K"; a change
// of phase is told once it has settled.
#pragma once

#include "analysis/phase_measure.h"
#include "analysis/series.h"
#include "lab_units.h"
#include "phase_watch.h"
#include "scenario/material_card.h"

#include <QGroupBox>
#include <QList>

#include <optional>
#include <vector>

class QFormLayout;
class QLabel;

namespace lab {

// One material's row: its substance ("water", or "Material 1" without a
// card) and its phase; the phase is empty while it cannot be told yet.
struct MaterialPhase {
  QString substance;
  QString phase;
};

// The rows of the materials: each phase as phaseLabel gives it for the
// measured temperature (kelvin), so that a liquid below the model's melting
// point reads "supercooled liquid"; a plain phase while none is measured.
std::vector<MaterialPhase> materialPhases(const std::vector<analysis::Phase> &phases,
                                          const std::optional<ModDornDll::MaterialCard> &card,
                                          std::optional<double> temperature);
// The same from the materials' summaries: a material whose atoms stand in
// two phases side by side (TypeSummary::mix) is named by both, as in
// "liquid and gas"; a single phase reads as above.
std::vector<MaterialPhase> materialPhases(const std::vector<analysis::TypeSummary> &summaries,
                                          const std::optional<ModDornDll::MaterialCard> &card,
                                          std::optional<double> temperature);

// What the readouts show at one refresh.
struct Readings {
  std::optional<analysis::Sample> latest;
  int atoms = 0;
  std::int64_t step = 0;
  double atomStepsPerSecond = 0.0;
  std::vector<MaterialPhase> materials;
};

class ReadoutPanel : public QGroupBox {
  Q_OBJECT

public:
  explicit ReadoutPanel(QWidget *parent);
  void showReadings(const Readings &readings, const LabUnits &units);

  QLabel *temperature = nullptr;
  QLabel *kinetic = nullptr;
  QLabel *potential = nullptr;
  QLabel *total = nullptr;
  QLabel *pressure = nullptr;
  QLabel *atoms = nullptr;
  QLabel *steps = nullptr;
  QLabel *speed = nullptr;
  QList<QLabel *> phases; // one per material

signals:
  // A material's phase changed and stayed changed; text tells the reader.
  void phaseChanged(const QString &text);

private:
  QLabel *addRow(const QString &caption, const QString &toolTip);
  void show(QLabel *readout, const QString &text);
  void announce(const PhaseChange &change);
  void showUnitTips(const LabUnits &units);
  void showPhases(const std::vector<MaterialPhase> &shown);

  QFormLayout *form_ = nullptr;
  PhaseWatch watch_;
};

} // namespace lab
