#include "pair_chart.h"

#include "analysis/pair_potential.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace views {

namespace {

// Room above and below the curve, as a share of its height.
constexpr double kHeadroom = 0.15;

// About this many labelled ticks along an axis.
constexpr double kTicks = 6.0;

// A tick spacing of 1, 2 or 5 times a power of ten, near span / kTicks.
double roundStep(double span) {
  const double rough = span / kTicks;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0})
    if (factor * power >= rough)
      return factor * power;
  return 10.0 * power;
}

// Ticks at round numbers between the axis's ends, labelled with as many
// decimals as the spacing needs.
void roundTicks(QValueAxis *axis) {
  const double span = axis->max() - axis->min();
  if (!(span > 0.0))
    return;
  const double step = roundStep(span);
  const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0.0);
  axis->setTickInterval(step);
  axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

QValueAxis *makeAxis(QChart *chart, const QString &title, Qt::Alignment side) {
  auto *axis = new QValueAxis(chart);
  axis->setTitleText(title);
  chart->addAxis(axis, side);
  return axis;
}

} // namespace

PairChart::PairChart(std::int32_t a, std::int32_t b, const std::array<double, 4> &pair,
                     const ShownUnit &length, const ShownUnit &energyUnit, QWidget *parent)
    // The chart is handed to the view's constructor: setChart would leave the
    // view's own first chart to nobody.
    : QChartView(new QChart, parent), a_(a), b_(b), pair_(pair), length_(length),
      energy_(energyUnit) {
  QChart *chart = this->chart();
  chart->legend()->setAlignment(Qt::AlignBottom);
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(480, 360);
  distanceAxis =
      makeAxis(chart, QStringLiteral("distance r (%1)").arg(length_.symbol), Qt::AlignBottom);
  energyAxis =
      makeAxis(chart, QStringLiteral("pair energy V(r) (%1)").arg(energy_.symbol), Qt::AlignLeft);
  distributionAxis = makeAxis(chart, QStringLiteral("radial distribution g(r)"), Qt::AlignRight);
  addEnergyCurve();
  addMarks();
  addDistribution();
}

void PairChart::addEnergyCurve() {
  energy = new QLineSeries(this);
  energy->setName(QStringLiteral("pair energy V(r)"));
  energy->setPen(QPen(QColor(30, 90, 200), 2.5));
  double low = 0.0, high = 0.0;
  for (const analysis::PotentialPoint &p : analysis::potentialCurve(pair_.data(), kCurvePoints)) {
    energy->append(length_.shown(p.r), energy_.shown(p.energy));
    low = std::min(low, p.energy);
    high = std::max(high, p.energy);
  }
  chart()->addSeries(energy);
  energy->attachAxis(distanceAxis);
  energy->attachAxis(energyAxis);
  const double margin = std::max(kHeadroom * (high - low), 1.0);
  energyAxis->setRange(energy_.shown(low - margin), energy_.shown(high + margin));
  distanceAxis->setRange(length_.shown(analysis::wallStart(pair_.data())), length_.shown(pair_[3]));
  roundTicks(energyAxis);
  roundTicks(distanceAxis);
}

void PairChart::addMarks() {
  const analysis::PotentialWell bottom = analysis::potentialWell(pair_.data());
  well = new QScatterSeries(this);
  well->setName(QStringLiteral("bond length %1, energy %2")
                    .arg(length_.text(bottom.distance), energy_.text(bottom.energy)));
  well->setMarkerSize(11.0);
  well->setColor(QColor(220, 60, 40));
  well->append(length_.shown(bottom.distance), energy_.shown(bottom.energy));
  cutOff = new QLineSeries(this);
  cutOff->setName(QStringLiteral("cut-off %1").arg(length_.text(pair_[3])));
  cutOff->setPen(QPen(QColor(90, 90, 90), 1.5, Qt::DashLine));
  const double cut = length_.shown(pair_[3]);
  cutOff->append(cut, energyAxis->min());
  cutOff->append(cut, energyAxis->max());
  for (QXYSeries *series : {static_cast<QXYSeries *>(well), static_cast<QXYSeries *>(cutOff)}) {
    chart()->addSeries(series);
    series->attachAxis(distanceAxis);
    series->attachAxis(energyAxis);
  }
}

void PairChart::addDistribution() {
  distribution = new QLineSeries(this);
  distribution->setName(QStringLiteral("distances kept now: g(r)"));
  distribution->setPen(QPen(QColor(40, 150, 70), 1.5));
  chart()->addSeries(distribution);
  distribution->attachAxis(distanceAxis);
  distribution->attachAxis(distributionAxis);
  distributionAxis->setRange(0.0, 1.0);
}

// Each shell drawn as a step: flat across its width.
void PairChart::showDistances(const analysis::DistanceHistogram &histogram) {
  QList<QPointF> steps;
  double highest = 1.0;
  for (std::size_t k = 0; k < histogram.distribution.size(); ++k) {
    const double from = histogram.shellWidth * static_cast<double>(k);
    const double g = histogram.distribution[k];
    steps.append({length_.shown(from), g});
    steps.append({length_.shown(from + histogram.shellWidth), g});
    highest = std::max(highest, g);
  }
  distribution->replace(steps);
  distributionAxis->setRange(0.0, std::ceil(highest * (1.0 + kHeadroom)));
  roundTicks(distributionAxis);
}

} // namespace views
