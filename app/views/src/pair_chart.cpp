#include "pair_chart.h"

#include "analysis/pair_potential.h"
#include "appearance/appearance.h"

#include <QChart>
#include <QLegend>
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

// Pen widths of the curves (pixels) and the well's marker size.
constexpr double kEnergyWidth = 2.5;
constexpr double kThinWidth = 1.5;
constexpr double kWellMarker = 11.0;

// The curves' colours in one look.
struct SeriesColours {
  QColor energy;
  QColor well;
  QColor cutOff;
  QColor distribution;
};

const SeriesColours kOrdinarySeries{QColor(30, 90, 200), QColor(220, 60, 40), QColor(90, 90, 90),
                                    QColor(40, 150, 70)};
// The distances stay green (the window's note calls them the green line).
const SeriesColours kHighContrastSeries{
    appearance::high_contrast::kSeries[0], appearance::high_contrast::kSeries[2],
    appearance::high_contrast::kSeries[1], appearance::high_contrast::kSeries[3]};

// High contrast's grid: behind the curves, plainly fainter than the axes.
const QColor kHighContrastGrid(110, 110, 110);

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

ChartColours coloursOf(QChart *chart, const QScatterSeries *well) {
  ChartColours colours{chart->backgroundBrush(),
                       chart->titleBrush(),
                       chart->legend()->labelColor(),
                       {},
                       well->pen()};
  for (QAbstractAxis *axis : chart->axes())
    colours.axes.push_back(
        {axis->labelsColor(), axis->titleBrush(), axis->linePen(), axis->gridLinePen()});
  return colours;
}

void paint(QChart *chart, QScatterSeries *well, const ChartColours &colours) {
  chart->setBackgroundBrush(colours.background);
  chart->setTitleBrush(colours.title);
  chart->legend()->setLabelColor(colours.legendText);
  const QList<QAbstractAxis *> axes = chart->axes();
  for (std::size_t k = 0; k < colours.axes.size() && k < std::size_t(axes.size()); ++k) {
    QAbstractAxis *axis = axes[qsizetype(k)];
    axis->setLabelsColor(colours.axes[k].labels);
    axis->setTitleBrush(colours.axes[k].title);
    axis->setLinePen(colours.axes[k].line);
    axis->setGridLinePen(colours.axes[k].grid);
  }
  well->setPen(colours.wellBorder);
}

// The same lines and brushes in white on black, the grid grey.
ChartColours highContrastOf(ChartColours colours, const QColor &wellColour) {
  using namespace appearance::high_contrast;
  colours.background = QBrush(kBackground);
  colours.title = QBrush(kText);
  colours.legendText = kText;
  for (ChartColours::Axis &axis : colours.axes) {
    axis.labels = kText;
    axis.title = QBrush(kText);
    axis.line.setColor(kText);
    axis.grid.setColor(kHighContrastGrid);
  }
  colours.wellBorder.setColor(wellColour);
  return colours;
}

// "distance r (Å) from 2.60 to 4.10"
QString axisText(const QValueAxis *axis, int decimals) {
  const QLocale locale = shownLocale();
  return PairChart::tr("%1 from %2 to %3")
      .arg(axis->titleText(), locale.toString(axis->min(), 'f', decimals),
           locale.toString(axis->max(), 'f', decimals));
}

} // namespace

PairChart::PairChart(std::int32_t a, std::int32_t b, const std::array<double, 4> &pair,
                     const ShownUnit &length, const ShownUnit &energyUnit, QWidget *parent)
    // The chart is handed to the view's constructor: setChart would leave the
    // view's own first chart to nobody.
    : QChartView(new QChart, parent), a_(a), b_(b), pair_(pair), length_(length),
      energy_(energyUnit) {
  QChart *chart = this->chart();
  chart->setLocalizeNumbers(true);
  chart->setLocale(shownLocale());
  chart->legend()->setAlignment(Qt::AlignBottom);
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(480, 360);
  distanceAxis = makeAxis(chart, tr("distance r (%1)").arg(length_.symbol), Qt::AlignBottom);
  energyAxis = makeAxis(chart, tr("pair energy V(r) (%1)").arg(energy_.symbol), Qt::AlignLeft);
  distributionAxis = makeAxis(chart, tr("radial distribution g(r)"), Qt::AlignRight);
  addEnergyCurve();
  addMarks();
  addDistribution();
  colourSeries(false);
  ordinary_ = coloursOf(chart, well);
}

// The ordinary look is the chart's own theme with the curves' colours over
// it, as kept when the chart was made.
void PairChart::setHighContrast(bool on) {
  highContrast_ = on;
  paint(chart(), well, on ? highContrastOf(ordinary_, kHighContrastSeries.well) : ordinary_);
  colourSeries(on);
}

void PairChart::colourSeries(bool highContrast) {
  const SeriesColours &colours = highContrast ? kHighContrastSeries : kOrdinarySeries;
  energy->setPen(QPen(colours.energy, kEnergyWidth));
  well->setColor(colours.well);
  cutOff->setPen(QPen(colours.cutOff, kThinWidth, Qt::DashLine));
  distribution->setPen(QPen(colours.distribution, kThinWidth));
}

QString PairChart::summary() const {
  QStringList curves{energy->name(), well->name(), cutOff->name()};
  const QString peak = distributionPeak();
  curves << (peak.isEmpty() ? tr("%1: none kept yet").arg(distribution->name())
                            : tr("%1, highest %2").arg(distribution->name(), peak));
  return tr("Across: %1. Left: %2. Right: %3. Curves: %4.")
      .arg(axisText(distanceAxis, length_.decimals), axisText(energyAxis, energy_.decimals),
           axisText(distributionAxis, 0), curves.join(QStringLiteral("; ")));
}

// "2.4 at 3.30 Å": the highest shell of the distances; empty without any.
QString PairChart::distributionPeak() const {
  const QList<QPointF> points = distribution->points();
  const auto highest =
      std::max_element(points.begin(), points.end(), [](auto a, auto b) { return a.y() < b.y(); });
  if (highest == points.end() || !(highest->y() > 0.0))
    return {};
  const QLocale locale = shownLocale();
  return tr("%1 at %2 %3")
      .arg(locale.toString(highest->y(), 'f', 1),
           locale.toString(highest->x(), 'f', length_.decimals), length_.symbol);
}

void PairChart::addEnergyCurve() {
  energy = new QLineSeries(this);
  energy->setName(tr("pair energy V(r)"));
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
  well->setName(tr("bond length %1, energy %2")
                    .arg(length_.text(bottom.distance), energy_.text(bottom.energy)));
  well->setMarkerSize(kWellMarker);
  well->append(length_.shown(bottom.distance), energy_.shown(bottom.energy));
  cutOff = new QLineSeries(this);
  cutOff->setName(tr("cut-off %1").arg(length_.text(pair_[3])));
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
  distribution->setName(tr("distances kept now: g(r)"));
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
