#include "series_charts.h"

#include "chart_axes.h"
#include "unit_text.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace lab {

namespace {

QString temperatureTitle(const LabUnits &units) {
  return QStringLiteral("Temperature (%1)").arg(unitSymbolText(units.temperature));
}

QString energyTitle(const QString &what, const LabUnits &units) {
  return QStringLiteral("%1 (%2)").arg(what, energySymbolText(units));
}

constexpr double kStepTicks = 5000.0;
// The heating curve shows means over this many samples (200 steps).
constexpr std::size_t kCurveBlock = 10;

// The samples of the last kShownSteps steps.
std::deque<analysis::Sample>::const_iterator
shownStretch(const std::deque<analysis::Sample> &samples) {
  const std::int64_t last = samples.empty() ? 0 : samples.back().step;
  return std::lower_bound(
      samples.begin(), samples.end(), last - SeriesCharts::kShownSteps,
      [](const analysis::Sample &s, std::int64_t step) { return s.step < step; });
}

// The step axis scrolls with the newest sample, ticks at round step counts.
void showStepRange(SeriesCharts::Plot &plot, const std::deque<analysis::Sample> &samples) {
  const std::int64_t last = samples.empty() ? 0 : samples.back().step;
  const std::int64_t first = std::max<std::int64_t>(0, last - SeriesCharts::kShownSteps);
  plot.x->setRange(double(first), double(std::max(last, first + SeriesCharts::kShownSteps)));
}

void fitY(QValueAxis *axis, const QList<QList<QPointF>> &series) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const auto &points : series)
    for (const QPointF &p : points) {
      low = std::min(low, p.y());
      high = std::max(high, p.y());
    }
  fitAxis(axis, low, high);
}

} // namespace

SeriesCharts::SeriesCharts(QWidget *parent) : QTabWidget(parent) {
  temperaturePlot = addPlot(QStringLiteral("&Temperature"), QStringLiteral("Steps"), QString());
  temperature = addSeries(temperaturePlot, QStringLiteral("Measured"));
  thermostat = addSeries(temperaturePlot, QStringLiteral("Thermostat"));
  energyPlot = addPlot(QStringLiteral("&Energy"), QStringLiteral("Steps"), QString());
  kinetic = addSeries(energyPlot, QStringLiteral("Kinetic"));
  potential = addSeries(energyPlot, QStringLiteral("Potential"));
  total = addSeries(energyPlot, QStringLiteral("Total"));
  pressurePlot = addPlot(QStringLiteral("&Wall pressure"), QStringLiteral("Steps"), QString());
  pressure = addSeries(pressurePlot, QStringLiteral("On the walls"));
  heatingPlot = addPlot(QStringLiteral("&Heating curve"), QString(), QString());
  heating = addSeries(heatingPlot, QStringLiteral("Measured temperature during the ramp"));
  heatingPlot.x->setTickType(QValueAxis::TicksFixed);
  connect(this, &QTabWidget::currentChanged, this, &SeriesCharts::showCurrent);
}

SeriesCharts::Plot SeriesCharts::addPlot(const QString &tab, const QString &xTitle,
                                         const QString &yTitle) {
  Plot plot;
  plot.chart = new QChart;
  plot.x = new QValueAxis;
  plot.y = new QValueAxis;
  plot.x->setTitleText(xTitle);
  plot.x->setLabelFormat(QStringLiteral("%.0f"));
  plot.x->setTickType(QValueAxis::TicksDynamic);
  plot.x->setTickAnchor(0.0);
  plot.x->setTickInterval(kStepTicks);
  plot.y->setTitleText(yTitle);
  plot.chart->addAxis(plot.x, Qt::AlignBottom);
  plot.chart->addAxis(plot.y, Qt::AlignLeft);
  plot.chart->legend()->setAlignment(Qt::AlignTop);
  plot.chart->setMargins(QMargins(4, 4, 4, 4));
  auto *view = new QChartView(plot.chart, this);
  view->setRenderHint(QPainter::Antialiasing);
  addTab(view, tab);
  return plot;
}

QLineSeries *SeriesCharts::addSeries(Plot &plot, const QString &name) {
  auto *series = new QLineSeries;
  series->setName(name);
  plot.chart->addSeries(series);
  series->attachAxis(plot.x);
  series->attachAxis(plot.y);
  return series;
}

void SeriesCharts::showSeries(const analysis::SeriesRecorder &records, const LabUnits &units) {
  records_ = &records;
  units_ = units;
  showCurrent();
}

void SeriesCharts::showCurrent() {
  if (records_ == nullptr)
    return;
  Plot *const plots[] = {&temperaturePlot, &energyPlot, &pressurePlot, &heatingPlot};
  if (currentIndex() < 0 || currentIndex() >= int(std::size(plots)))
    return; // a tab others added, which draws itself
  Plot &plot = *plots[currentIndex()];
  if (plot.shownRevision == records_->revision() && sameUnits(plot.shownUnits, units_))
    return;
  plot.shownRevision = records_->revision();
  plot.shownUnits = units_;
  if (&plot == &temperaturePlot)
    showTemperatures(records_->samples());
  else if (&plot == &energyPlot)
    showEnergies(records_->samples());
  else if (&plot == &pressurePlot)
    showPressures(records_->samples());
  else
    showHeatingCurve(records_->heatingCurve());
}

void SeriesCharts::showTemperatures(const std::deque<analysis::Sample> &samples) {
  QList<QPointF> measured, held;
  for (auto s = shownStretch(samples); s != samples.end(); ++s) {
    measured.append({double(s->step), analysis::fromKelvin(s->temperature, units_.temperature)});
    held.append({double(s->step), analysis::fromKelvin(s->thermostat, units_.temperature)});
  }
  temperature->replace(measured);
  thermostat->replace(held);
  showStepRange(temperaturePlot, samples);
  temperaturePlot.y->setTitleText(temperatureTitle(units_));
  fitY(temperaturePlot.y, {measured, held});
}

void SeriesCharts::showEnergies(const std::deque<analysis::Sample> &samples) {
  QList<QPointF> kin, pot, tot;
  for (auto s = shownStretch(samples); s != samples.end(); ++s) {
    kin.append({double(s->step), analysis::shownEnergy(s->kinetic, units_)});
    pot.append({double(s->step), analysis::shownEnergy(s->potential, units_)});
    tot.append({double(s->step), analysis::shownEnergy(s->total, units_)});
  }
  kinetic->replace(kin);
  potential->replace(pot);
  total->replace(tot);
  showStepRange(energyPlot, samples);
  energyPlot.y->setTitleText(energyTitle(QStringLiteral("Energy per atom"), units_));
  fitY(energyPlot.y, {kin, pot, tot});
}

void SeriesCharts::showPressures(const std::deque<analysis::Sample> &samples) {
  QList<QPointF> onWalls;
  for (auto s = shownStretch(samples); s != samples.end(); ++s)
    onWalls.append({double(s->step), analysis::shownPressure(s->wallPush, units_)});
  pressure->replace(onWalls);
  showStepRange(pressurePlot, samples);
  pressurePlot.y->setTitleText(
      QStringLiteral("Wall pressure (%1)").arg(pressureSymbolText(units_)));
  fitY(pressurePlot.y, {onWalls});
}

void SeriesCharts::showHeatingCurve(const std::deque<analysis::Sample> &curve) {
  QList<QPointF> points;
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const analysis::HeatingPoint &p : analysis::heatingCurvePoints(curve, kCurveBlock)) {
    const double total = analysis::shownEnergy(p.total, units_);
    points.append({total, analysis::fromKelvin(p.temperature, units_.temperature)});
    low = std::min(low, total);
    high = std::max(high, total);
  }
  heating->replace(points);
  fitAxis(heatingPlot.x, low, high);
  heatingPlot.x->setTitleText(energyTitle(QStringLiteral("Total energy per atom"), units_));
  heatingPlot.x->setLabelFormat(units_.real ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
  heatingPlot.y->setTitleText(temperatureTitle(units_));
  fitY(heatingPlot.y, {points});
}

} // namespace lab
