// One pair of materials in the Interactions window: the pair energy V(r)
// from just inside the repulsive wall to the cut-off, the well's minimum
// (bond length and depth) and the cut-off marked and named in the legend,
// and over it the radial distribution of the pairs' distances right now.
// The chart keeps the pair in engine units and draws it in the units given.
#pragma once

#include "analysis/pair_distances.h"
#include "shown_units.h"

#include <QChartView>

#include <array>
#include <cstdint>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace views {

class PairChart : public QChartView {
  Q_OBJECT

public:
  // Points of the energy curve, and shells of the distance histogram.
  static constexpr int kCurvePoints = 200;
  static constexpr int kShells = 100;

  // The materials a and b, their pair's A, b, C, D, and the units of the
  // distances and energies drawn.
  PairChart(std::int32_t a, std::int32_t b, const std::array<double, 4> &pair,
            const ShownUnit &length, const ShownUnit &energyUnit, QWidget *parent);

  std::int32_t typeA() const { return a_; }
  std::int32_t typeB() const { return b_; }
  const std::array<double, 4> &pair() const { return pair_; }
  void showDistances(const analysis::DistanceHistogram &histogram);

  QLineSeries *energy = nullptr;
  QScatterSeries *well = nullptr;
  QLineSeries *cutOff = nullptr;
  QLineSeries *distribution = nullptr;
  QValueAxis *distanceAxis = nullptr;
  QValueAxis *energyAxis = nullptr;
  QValueAxis *distributionAxis = nullptr;

private:
  void addEnergyCurve();
  void addMarks();
  void addDistribution();

  std::int32_t a_;
  std::int32_t b_;
  std::array<double, 4> pair_;
  ShownUnit length_;
  ShownUnit energy_;
};

} // namespace views
