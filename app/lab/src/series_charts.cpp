#include "series_charts.h"

#include "unit_text.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lab {

namespace {

QString temperatureTitle(analysis::TemperatureUnit unit) {
  return QStringLiteral("Temperature (%1)").arg(unitSymbolText(unit));
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

// A round step that divides a span into about five parts: 1, 2 or 5 times
// a power of ten.
double roundStep(double span) {
  const double rough = span / 5.0;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0})
    if (factor * power >= rough)
      return factor * power;
  return 10.0 * power;
}

// The axis spans the values shown, from one round number to another, with
// a tick at every round step.
void fitAxis(QValueAxis *axis, double low, double high) {
  if (!(low <= high))
    return;
  const double step = roundStep(std::max(high - low, 1.0));
  const double from = std::floor(low / step) * step;
  const double to = std::max(std::ceil(high / step) * step, from + step);
  axis->setRange(from, to);
  axis->setTickCount(int(std::lround((to - from) / step)) + 1);
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
  temperaturePlot_ = addPlot(QStringLiteral("&Temperature"), QStringLiteral("Steps"), QString());
  temperature = addSeries(temperaturePlot_, QStringLiteral("Measured"));
  thermostat = addSeries(temperaturePlot_, QStringLiteral("Thermostat"));
  energyPlot_ = addPlot(QStringLiteral("&Energy"), QStringLiteral("Steps"),
                        QStringLiteral("Energy per atom"));
  kinetic = addSeries(energyPlot_, QStringLiteral("Kinetic"));
  potential = addSeries(energyPlot_, QStringLiteral("Potential"));
  total = addSeries(energyPlot_, QStringLiteral("Total"));
  heatingPlot_ =
      addPlot(QStringLiteral("&Heating curve"), QStringLiteral("Total energy per atom"), QString());
  heating = addSeries(heatingPlot_, QStringLiteral("Measured temperature during the ramp"));
  heatingPlot_.x->setTickType(QValueAxis::TicksFixed);
  heatingPlot_.x->setLabelFormat(QStringLiteral("%.0f"));
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

void SeriesCharts::show(const analysis::SeriesRecorder &records, analysis::TemperatureUnit unit) {
  records_ = &records;
  unit_ = unit;
  showCurrent();
}

void SeriesCharts::showCurrent() {
  if (records_ == nullptr)
    return;
  Plot *const plots[] = {&temperaturePlot_, &energyPlot_, &heatingPlot_};
  Plot &plot = *plots[currentIndex()];
  if (plot.shownRevision == records_->revision() && plot.shownUnit == unit_)
    return;
  plot.shownRevision = records_->revision();
  plot.shownUnit = unit_;
  if (&plot == &temperaturePlot_)
    showTemperatures(records_->samples());
  else if (&plot == &energyPlot_)
    showEnergies(records_->samples());
  else
    showHeatingCurve(records_->heatingCurve());
}

void SeriesCharts::showTemperatures(const std::deque<analysis::Sample> &samples) {
  QList<QPointF> measured, held;
  for (auto s = shownStretch(samples); s != samples.end(); ++s) {
    measured.append({double(s->step), analysis::fromKelvin(s->temperature, unit_)});
    held.append({double(s->step), analysis::fromKelvin(s->thermostat, unit_)});
  }
  temperature->replace(measured);
  thermostat->replace(held);
  showStepRange(temperaturePlot_, samples);
  temperaturePlot_.y->setTitleText(temperatureTitle(unit_));
  fitY(temperaturePlot_.y, {measured, held});
}

void SeriesCharts::showEnergies(const std::deque<analysis::Sample> &samples) {
  QList<QPointF> kin, pot, tot;
  for (auto s = shownStretch(samples); s != samples.end(); ++s) {
    kin.append({double(s->step), s->kinetic});
    pot.append({double(s->step), s->potential});
    tot.append({double(s->step), s->total});
  }
  kinetic->replace(kin);
  potential->replace(pot);
  total->replace(tot);
  showStepRange(energyPlot_, samples);
  fitY(energyPlot_.y, {kin, pot, tot});
}

void SeriesCharts::showHeatingCurve(const std::deque<analysis::Sample> &curve) {
  QList<QPointF> points;
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const analysis::CurvePoint &p : analysis::heatingCurvePoints(curve, kCurveBlock)) {
    points.append({p.total, analysis::fromKelvin(p.temperature, unit_)});
    low = std::min(low, p.total);
    high = std::max(high, p.total);
  }
  heating->replace(points);
  fitAxis(heatingPlot_.x, low, high);
  heatingPlot_.y->setTitleText(temperatureTitle(unit_));
  fitY(heatingPlot_.y, {points});
}

} // namespace lab
