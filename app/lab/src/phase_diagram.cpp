#include "phase_diagram.h"

#include "chart_axes.h"
#include "chart_view.h"
#include "lab_units.h"
#include "phase_legend.h"
#include "shown_names.h"
#include "unit_text.h"

#include <QChart>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace lab {

namespace {

using analysis::PhaseMix;

// Colours from Okabe and Ito's palette, which readers with any common colour
// vision deficiency tell apart; the marker shapes tell the phases apart
// without colour.
struct PhaseStyle {
  PhaseMix phase;
  QColor colour;
  QScatterSeries::MarkerShape shape;
};
constexpr std::array kPhaseStyles{
    PhaseStyle{PhaseMix::Solid, QColor(0, 114, 178), QScatterSeries::MarkerShapeRectangle},
    PhaseStyle{PhaseMix::Liquid, QColor(0, 158, 115), QScatterSeries::MarkerShapeCircle},
    PhaseStyle{PhaseMix::Gas, QColor(230, 159, 0), QScatterSeries::MarkerShapeTriangle},
    PhaseStyle{PhaseMix::SolidLiquid, QColor(204, 121, 167),
               QScatterSeries::MarkerShapeRotatedRectangle},
    PhaseStyle{PhaseMix::LiquidGas, QColor(86, 180, 233), QScatterSeries::MarkerShapePentagon},
    PhaseStyle{PhaseMix::SolidGas, QColor(213, 94, 0), QScatterSeries::MarkerShapeStar},
};

constexpr qreal kPointSize = 10.0;
constexpr qreal kStateSize = 22.0;
constexpr qreal kRealSize = 15.0;
const QColor kStateFill(240, 228, 66);
const QColor kReal(40, 40, 40);
constexpr int kStatePressureDigits = 4;
constexpr int kStateDensityDigits = 4;

// A mark within this factor of a decade's end takes in the next decade, so
// that no mark sits on the end of the logarithmic axis.
constexpr double kLogMargin = 1.1;

const QString kDensityUnit = QStringLiteral("kg/m\u00b3");

// Low and high ends of the values seen, for fitting an axis.
struct Span {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void add(double value) {
    low = std::min(low, value);
    high = std::max(high, value);
  }
  // Wider by a margin at either end, so that no mark sits on the axis's end;
  // a span of positive values stays positive.
  Span padded() const {
    const double margin = kMargin * (high - low);
    return {low >= 0.0 ? std::max(0.0, low - margin) : low - margin, high + margin};
  }
  static constexpr double kMargin = 0.03;
};

// A series named and drawn on the plot's chart against both its axes.
template <typename Series> Series *addSeries(PhaseDiagram::Plot &plot, const QString &name) {
  auto *series = new Series;
  series->setName(name);
  plot.chart->addSeries(series);
  for (QAbstractAxis *axis : plot.chart->axes())
    series->attachAxis(axis);
  return series;
}

// The real substance's point: a hollow mark with its name beside it.
QScatterSeries *addRealPoint(PhaseDiagram::Plot &plot, const QString &name,
                             QScatterSeries::MarkerShape shape) {
  auto *series = addSeries<QScatterSeries>(plot, name);
  series->setMarkerShape(shape);
  series->setMarkerSize(kRealSize);
  series->setBrush(Qt::NoBrush);
  series->setPen(QPen(kReal, 2.0));
  series->setPointLabelsFormat(name);
  series->setPointLabelsVisible(true);
  series->setPointLabelsClipping(false);
  return series;
}

// The real substance's temperature across the density axis: a dashed line.
QLineSeries *addRealLine(PhaseDiagram::Plot &plot, const QString &name, Qt::PenStyle style) {
  auto *series = addSeries<QLineSeries>(plot, name);
  series->setPen(QPen(kReal, 1.5, style));
  return series;
}

QScatterSeries *addStateSeries(PhaseDiagram::Plot &plot) {
  auto *series = addSeries<QScatterSeries>(
      plot, QCoreApplication::translate("lab::PhaseDiagram", "Your state point"));
  series->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  series->setMarkerSize(kStateSize);
  series->setBrush(kStateFill);
  series->setPen(QPen(Qt::black, 3.0));
  return series;
}

// Densities and pressures span decades: a logarithmic axis, labelled at
// each power of ten.
QLogValueAxis *logAxis() {
  auto *axis = new QLogValueAxis;
  axis->setBase(10.0);
  axis->setLabelFormat(QStringLiteral("%g"));
  axis->setMinorTickCount(8);
  return axis;
}

} // namespace

QString phaseText(PhaseMix phase) { return phaseName(analysis::phaseMixName(phase)); }

PhaseDiagram::PhaseDiagram(const ModDornDll::CardMaterial &material, analysis::PhaseMap map,
                           QWidget *parent)
    : QWidget(parent), material_(material), map_(std::move(map)) {
  setAccessibleName(tr("Phase diagram of %1").arg(materialName(material_.name)));
  createDensityPlot();
  createPressurePlot();
  note = new QLabel(noteText(), this);
  note->setWordWrap(true);
  stateText = new QLabel(this);
  stateText->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto *charts = new QHBoxLayout;
  charts->addWidget(addView(densityPlot, tr("temperature against density"),
                            tr("Each state point of the map by its density and temperature; "
                               "your state point marked large")),
                    1);
  charts->addWidget(addView(pressurePlot, tr("pressure against temperature"),
                            tr("Each state point of the map by its temperature and pressure on "
                               "the walls, pressure on a logarithmic axis; the real triple and "
                               "critical points marked")),
                    1);
  createLegend();
  for (const Plot *plot : {&densityPlot, &pressurePlot}) {
    connect(plot->view, &ChartView::lookChanged, legend, &PhaseLegend::redraw);
    plot->view->followAppearance();
  }
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(charts, 1);
  layout->addWidget(legend);
  layout->addWidget(stateText);
  layout->addWidget(note);
  showUnits({});
}

QWidget *PhaseDiagram::addView(Plot &plot, const QString &name, const QString &description) {
  const QString material = materialName(material_.name);
  plot.chart->setTitle(tr("%1 measured on the model").arg(material));
  plot.chart->legend()->hide(); // one legend under both charts
  plot.chart->setMargins(QMargins(4, 4, 4, 4));
  plot.view = new ChartView(plot.chart, tr("%1: %2", "material: chart").arg(material, name), this);
  plot.view->setAccessibleDescription(description);
  return plot.view;
}

void PhaseDiagram::createDensityPlot() {
  densityPlot.chart = new QChart;
  densityX = logAxis();
  densityX->setTitleText(tr("Density (%1)").arg(kDensityUnit));
  densityY = new QValueAxis;
  densityY->setLabelFormat(QStringLiteral("%.0f"));
  densityPlot.chart->addAxis(densityX, Qt::AlignBottom);
  densityPlot.chart->addAxis(densityY, Qt::AlignLeft);
  addPhaseSeries(densityPlot);
  if (material_.triplePoint)
    densityPlot.realTriple = addRealLine(densityPlot, tr("real triple point"), Qt::DotLine);
  if (material_.criticalPoint)
    densityPlot.realCritical = addRealLine(densityPlot, tr("real critical point"), Qt::DashLine);
  densityPlot.state = addStateSeries(densityPlot);
}

void PhaseDiagram::createPressurePlot() {
  pressurePlot.chart = new QChart;
  pressureX = new QValueAxis;
  pressureX->setLabelFormat(QStringLiteral("%.0f"));
  pressureY = logAxis();
  pressurePlot.chart->addAxis(pressureX, Qt::AlignBottom);
  pressurePlot.chart->addAxis(pressureY, Qt::AlignLeft);
  addPhaseSeries(pressurePlot);
  if (material_.triplePoint)
    pressurePlot.realTriple =
        addRealPoint(pressurePlot, tr("real triple point"), QScatterSeries::MarkerShapeRectangle);
  if (material_.criticalPoint)
    pressurePlot.realCritical =
        addRealPoint(pressurePlot, tr("real critical point"), QScatterSeries::MarkerShapeStar);
  pressurePlot.state = addStateSeries(pressurePlot);
}

// A series for each phase the map holds, in the order of kPhaseStyles.
void PhaseDiagram::addPhaseSeries(Plot &plot) {
  for (const PhaseStyle &style : kPhaseStyles) {
    const bool found =
        std::any_of(map_.points.begin(), map_.points.end(),
                    [&](const analysis::MapPoint &p) { return p.phase == style.phase; });
    if (!found)
      continue;
    auto *series = addSeries<QScatterSeries>(plot, phaseText(style.phase));
    series->setMarkerShape(style.shape);
    series->setMarkerSize(kPointSize);
    series->setColor(style.colour);
    series->setBorderColor(style.colour.darker(150));
    plot.phases[style.phase] = series;
  }
}

// The phases, the real points (their line on the density chart and their
// mark on the pressure chart) and the state point.
void PhaseDiagram::createLegend() {
  legend = new PhaseLegend(this);
  for (const auto &[phase, series] : densityPlot.phases)
    legend->addEntry(series->name(), series, nullptr);
  const auto addReal = [this](QXYSeries *line, QXYSeries *mark) {
    if (line)
      legend->addEntry(line->name(), qobject_cast<QScatterSeries *>(mark), line);
  };
  addReal(densityPlot.realTriple, pressurePlot.realTriple);
  addReal(densityPlot.realCritical, pressurePlot.realCritical);
  legend->addEntry(densityPlot.state->name(), densityPlot.state, nullptr);
}

// What the marks are, and which state points the pressure chart leaves off.
QString PhaseDiagram::noteText() const {
  QString text = tr("Measured on the model: each mark is a state the model of %1 was held at, "
                    "shaped and coloured by the phases found there. ")
                     .arg(materialName(material_.name));
  const auto unpressed =
      std::count_if(map_.points.begin(), map_.points.end(),
                    [](const analysis::MapPoint &p) { return p.pressure <= 0.0; });
  if (unpressed > 0)
    text += tr("%1 of its %2 state points, where the walls felt no push, are not on the "
               "pressure chart. ")
                .arg(unpressed)
                .arg(map_.points.size());
  const bool real = material_.triplePoint || material_.criticalPoint;
  return text + (real ? tr("Hollow marks and dashed lines: the real substance, from the material "
                           "card.")
                      : tr("The material card gives no triple or critical point of the real "
                           "substance."));
}

QString PhaseDiagram::pressureSymbol() const {
  const std::string_view symbol = analysis::pressureSymbol(units_.pressure);
  return QString::fromUtf8(symbol.data(), qsizetype(symbol.size()));
}

double PhaseDiagram::shownTemperature(double kelvin) const {
  return analysis::fromKelvin(kelvin, units_.temperature);
}

double PhaseDiagram::shownPressure(double kilopascals) const {
  return analysis::fromPascals(kilopascals * analysis::kPascalsPerKilopascal, units_.pressure);
}

void PhaseDiagram::showUnits(const DiagramUnits &units) {
  if (drawn_ && units == units_)
    return;
  units_ = units;
  drawn_ = true;
  const QString degrees = unitSymbolText(units_.temperature);
  const QString temperature = tr("Temperature (%1)").arg(degrees);
  const QString pressure = pressureSymbol();
  densityY->setTitleText(temperature);
  pressureX->setTitleText(temperature);
  pressureY->setTitleText(tr("Pressure on the walls (%1)").arg(pressure));
  densityPlot.view->setUnits({kDensityUnit, degrees});
  pressurePlot.view->setUnits({degrees, pressure});
  drawMap();
  drawRealPoints();
  drawState();
}

// The map's points, each on both charts; a point without pressure on the
// walls cannot stand on the logarithmic axis and is left off that chart.
void PhaseDiagram::drawMap() {
  std::map<PhaseMix, QList<QPointF>> byDensity, byPressure;
  for (const analysis::MapPoint &p : map_.points) {
    const double t = shownTemperature(p.temperature);
    if (p.density > 0.0)
      byDensity[p.phase].append({p.density, t});
    if (p.pressure > 0.0)
      byPressure[p.phase].append({t, shownPressure(p.pressure)});
  }
  for (auto &[phase, series] : densityPlot.phases)
    series->replace(byDensity[phase]);
  for (auto &[phase, series] : pressurePlot.phases)
    series->replace(byPressure[phase]);
}

void PhaseDiagram::drawRealPoints() {
  const auto place = [this](QXYSeries *series, const std::optional<ModDornDll::CardStatePoint> &p) {
    if (series && p)
      series->replace({QPointF(shownTemperature(p->kelvin), shownPressure(p->kilopascals))});
  };
  place(pressurePlot.realTriple, material_.triplePoint);
  place(pressurePlot.realCritical, material_.criticalPoint);
}

void PhaseDiagram::showState(const std::optional<StatePoint> &state) {
  const auto same = [](const StatePoint &a, const StatePoint &b) {
    return a.kelvin == b.kelvin && a.density == b.density && a.kilopascals == b.kilopascals;
  };
  if (state.has_value() == state_.has_value() && (!state || same(*state, *state_)))
    return;
  state_ = state;
  drawState();
}

void PhaseDiagram::drawState() {
  const bool pressed = state_ && state_->kilopascals && *state_->kilopascals > 0.0;
  if (state_)
    densityPlot.state->replace({QPointF(state_->density, shownTemperature(state_->kelvin))});
  else
    densityPlot.state->clear();
  if (pressed)
    pressurePlot.state->replace(
        {QPointF(shownTemperature(state_->kelvin), shownPressure(*state_->kilopascals))});
  else
    pressurePlot.state->clear();
  stateText->setText(stateWords());
  fitAxes();
}

// The state point in words, for every reader: "Your state point: 296.0 K,
// 998.2 kg/m³, 101.3 kPa".
QString PhaseDiagram::stateWords() const {
  if (!state_)
    return tr("Your state point: not measured yet");
  const QString pressure =
      state_->kilopascals ? significantText(shownPressure(*state_->kilopascals), kStatePressureDigits) +
                                QLatin1Char(' ') + pressureSymbol()
                          : tr("pressure not measured yet");
  return tr("Your state point: %1 %2, %3 %4, %5")
      .arg(readoutNumber(shownTemperature(state_->kelvin), 1), unitSymbolText(units_.temperature),
           significantText(state_->density, kStateDensityDigits), kDensityUnit, pressure);
}

// The axes hold the map, the real points and the state point; the real
// temperatures run across the whole density axis.
void PhaseDiagram::fitAxes() {
  Span density, temperature, pressure;
  for (const analysis::MapPoint &p : map_.points) {
    if (p.density > 0.0)
      density.add(p.density);
    temperature.add(shownTemperature(p.temperature));
    if (p.pressure > 0.0)
      pressure.add(shownPressure(p.pressure));
  }
  for (const auto &real : {material_.triplePoint, material_.criticalPoint})
    if (real) {
      temperature.add(shownTemperature(real->kelvin));
      pressure.add(shownPressure(real->kilopascals));
    }
  if (state_) {
    density.add(state_->density);
    temperature.add(shownTemperature(state_->kelvin));
    if (state_->kilopascals && *state_->kilopascals > 0.0)
      pressure.add(shownPressure(*state_->kilopascals));
  }
  fitLogAxis(densityX, density.low / kLogMargin, density.high * kLogMargin);
  fitAxis(densityY, temperature.padded().low, temperature.padded().high);
  fitAxis(pressureX, temperature.padded().low, temperature.padded().high);
  fitLogAxis(pressureY, pressure.low / kLogMargin, pressure.high * kLogMargin);
  const auto across = [this](QXYSeries *line, const std::optional<ModDornDll::CardStatePoint> &p) {
    if (line && p)
      line->replace({QPointF(densityX->min(), shownTemperature(p->kelvin)),
                     QPointF(densityX->max(), shownTemperature(p->kelvin))});
  };
  across(densityPlot.realTriple, material_.triplePoint);
  across(densityPlot.realCritical, material_.criticalPoint);
}

} // namespace lab
