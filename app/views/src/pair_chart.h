// One pair of materials in the Interactions window: the pair energy V(r)
// from just inside the repulsive wall to the cut-off, the well's minimum
// (bond length and depth) and the cut-off marked and named in the legend,
// and over it the radial distribution of the pairs' distances right now.
// The chart keeps the pair in engine units and draws it in the units given,
// in the ordinary look or in high contrast (white on black).
#pragma once

#include "analysis/pair_distances.h"
#include "shown_units.h"

#include <QChartView>

#include <array>
#include <cstdint>
#include <vector>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace views {

// The colours of a chart's frame, axes and legend, kept to be put back.
struct ChartColours {
  struct Axis {
    QColor labels;
    QBrush title;
    QPen line;
    QPen grid;
  };
  QBrush background;
  QBrush title;
  QColor legendText;
  std::vector<Axis> axes; // in the order of QChart::axes()
  QPen wellBorder;
};

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
  void setHighContrast(bool on);
  bool highContrast() const { return highContrast_; }
  // What the chart shows, for a screen reader: each axis with its range and
  // unit, and each curve with the figures its legend gives.
  QString summary() const;

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
  void colourSeries(bool highContrast);
  QString distributionPeak() const;

  std::int32_t a_;
  std::int32_t b_;
  std::array<double, 4> pair_;
  ShownUnit length_;
  ShownUnit energy_;
  bool highContrast_ = false;
  ChartColours ordinary_; // as the chart's theme gave them
};

} // namespace views
