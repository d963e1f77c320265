// The Lab's readouts: measured temperature, energies per atom, wall
// pressure, atoms, steps, speed, and the phase of every material.
#pragma once

#include "analysis/series.h"
#include "analysis/units.h"

#include <QGroupBox>
#include <QList>

#include <optional>
#include <string>
#include <vector>

class QFormLayout;
class QLabel;

namespace lab {

// What the readouts show at one refresh.
struct Readings {
  std::optional<analysis::Sample> latest;
  int atoms = 0;
  std::int64_t step = 0;
  double atomStepsPerSecond = 0.0;
  // Per material: "solid", "liquid", "gas"; empty while it cannot be told yet.
  std::vector<std::string> phases;
};

class ReadoutPanel : public QGroupBox {
  Q_OBJECT

public:
  explicit ReadoutPanel(QWidget *parent);
  void show(const Readings &readings, analysis::TemperatureUnit unit);

  QLabel *temperature = nullptr;
  QLabel *kinetic = nullptr;
  QLabel *potential = nullptr;
  QLabel *total = nullptr;
  QLabel *pressure = nullptr;
  QLabel *atoms = nullptr;
  QLabel *steps = nullptr;
  QLabel *speed = nullptr;
  QList<QLabel *> phases; // one per material

private:
  QLabel *addRow(const QString &caption, const QString &toolTip);
  void showPhases(const std::vector<std::string> &shown);

  QFormLayout *form_ = nullptr;
};

} // namespace lab
