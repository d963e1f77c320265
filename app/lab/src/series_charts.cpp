#include "series_charts.h"

#include "chart_axes.h"
#include "chart_view.h"
#include "unit_text.h"

#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace lab {

namespace {

QString temperatureTitle(const LabUnits &units) {
  return QCoreApplication::translate("lab::SeriesCharts", "Temperature (%1)")
      .arg(unitSymbolText(units.temperature));
}

QString stepsWord() { return QCoreApplication::translate("lab::SeriesCharts", "steps"); }

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
  setAccessibleName(tr("Graphs"));
  temperaturePlot = addPlot(tr("&Temperature"), tr("Temperature graph"), tr("Steps"));
  temperature = addSeries(temperaturePlot, tr("Measured"));
  thermostat = addSeries(temperaturePlot, tr("Thermostat"));
  energyPlot = addPlot(tr("&Energy"), tr("Energy graph"), tr("Steps"));
  kinetic = addSeries(energyPlot, tr("Kinetic"));
  potential = addSeries(energyPlot, tr("Potential"));
  total = addSeries(energyPlot, tr("Total"));
  pressurePlot = addPlot(tr("&Wall pressure"), tr("Wall pressure graph"), tr("Steps"));
  pressure = addSeries(pressurePlot, tr("On the walls"));
  heatingPlot = addPlot(tr("Heating &curve"), tr("Heating curve graph"), QString());
  heating = addSeries(heatingPlot, tr("Measured temperature during the ramp"));
  heatingPlot.x->setTickType(QValueAxis::TicksFixed);
  for (Plot *plot : {&temperaturePlot, &energyPlot, &pressurePlot, &heatingPlot})
    plot->view->followAppearance();
  connect(this, &QTabWidget::currentChanged, this, &SeriesCharts::showCurrent);
}

SeriesCharts::Plot SeriesCharts::addPlot(const QString &tab, const QString &name,
                                         const QString &xTitle) {
  Plot plot;
  plot.chart = new QChart;
  plot.x = new QValueAxis;
  plot.y = new QValueAxis;
  plot.x->setTitleText(xTitle);
  plot.x->setLabelFormat(QStringLiteral("%.0f"));
  plot.x->setTickType(QValueAxis::TicksDynamic);
  plot.x->setTickAnchor(0.0);
  plot.x->setTickInterval(kStepTicks);
  plot.chart->addAxis(plot.x, Qt::AlignBottom);
  plot.chart->addAxis(plot.y, Qt::AlignLeft);
  plot.chart->legend()->setAlignment(Qt::AlignTop);
  plot.chart->setMargins(QMargins(4, 4, 4, 4));
  plot.view = new ChartView(plot.chart, name, this);
  addTab(plot.view, tab);
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
  temperaturePlot.view->setUnits({stepsWord(), unitSymbolText(units_.temperature)});
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
  energyPlot.y->setTitleText(tr("Energy per atom (%1)").arg(energySymbolText(units_)));
  energyPlot.view->setUnits({stepsWord(), energySymbolText(units_)});
  fitY(energyPlot.y, {kin, pot, tot});
}

void SeriesCharts::showPressures(const std::deque<analysis::Sample> &samples) {
  QList<QPointF> onWalls;
  for (auto s = shownStretch(samples); s != samples.end(); ++s)
    onWalls.append({double(s->step), analysis::shownPressure(s->wallPush, units_)});
  pressure->replace(onWalls);
  showStepRange(pressurePlot, samples);
  pressurePlot.y->setTitleText(tr("Wall pressure (%1)").arg(pressureSymbolText(units_)));
  pressurePlot.view->setUnits({stepsWord(), pressureSymbolText(units_)});
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
  heatingPlot.x->setTitleText(tr("Total energy per atom (%1)").arg(energySymbolText(units_)));
  heatingPlot.x->setLabelFormat(units_.real ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
  heatingPlot.y->setTitleText(temperatureTitle(units_));
  heatingPlot.view->setUnits({energySymbolText(units_), unitSymbolText(units_.temperature)});
  fitY(heatingPlot.y, {points});
}

} // namespace lab
