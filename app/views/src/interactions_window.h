// The Interactions window: for every pair of materials of the running
// scenario, the pair energy from the scenario's pair table with its well and
// cut-off, and live over it the distances the atoms keep. It reads what the
// simulation controller publishes; it never calls the engine.
#pragma once

#include "scenario/material_card.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
class QTabWidget;
class QTimer;

namespace simulation {
class SimulationController;
}

namespace views {

class PairChart;

class InteractionsWindow : public QWidget {
  Q_OBJECT

public:
  // The histogram refreshes this often (twice a second).
  static constexpr int kRefreshMs = 500;

  InteractionsWindow(simulation::SimulationController &controller, QWidget *parent);

  // Builds the charts anew after a scenario start, and refreshes the
  // histogram of the pair in view when the atoms moved.
  void refresh();
  PairChart *shownChart() const;

  QTabWidget *pairs = nullptr;

protected:
  void showEvent(QShowEvent *event) override;
  void hideEvent(QHideEvent *event) override;

private:
  void followAppearance();
  void buildCharts();
  void showDistances();

  simulation::SimulationController &controller_;
  QTimer *refreshTimer_ = nullptr;
  QLabel *note_ = nullptr;
  std::uint64_t builtFor_ = ~std::uint64_t{0}; // scenario start the charts belong to
  std::int64_t shownStep_ = -1;
};

// "water – quartz": the materials of a pair, named by the substances of the
// scenario's card; without a card, or for a material it does not name, by
// the colour they are drawn in ("blue – red").
QString pairName(std::int32_t a, std::int32_t b,
                 const std::optional<ModDornDll::MaterialCard> &card);

} // namespace views
