#include "lab_window.h"

#include "appearance/appearance.h"
#include "materials_panel.h"
#include "phase_diagram_tab.h"
#include "readout_panel.h"
#include "scenario/mod_dorn_dll.h"
#include "series_charts.h"
#include "settings/settings.h"
#include "simulation/simulation_controller.h"
#include "space_for_buttons.h"
#include "thermostat_panel.h"
#include "unit_text.h"
#include "volume_panel.h"

#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <fstream>

namespace lab {

namespace {

constexpr analysis::TemperatureUnit kUnits[] = {analysis::TemperatureUnit::Fahrenheit,
                                                analysis::TemperatureUnit::Celsius,
                                                analysis::TemperatureUnit::Kelvin};
constexpr analysis::PressureUnit kPressureUnits[] = {analysis::PressureUnit::Kilopascal,
                                                     analysis::PressureUnit::Atmosphere};

QString pressureUnitText(analysis::PressureUnit unit) {
  const std::string_view symbol = analysis::pressureSymbol(unit);
  return QString::fromLatin1(symbol.data(), qsizetype(symbol.size()));
}

} // namespace

LabWindow::LabWindow(simulation::SimulationController &controller,
                     const QList<QAction *> &runActions, QWidget *parent)
    : QWidget(parent, Qt::Window), controller_(controller) {
  setWindowTitle(tr("Lab"));
  // Made in reading order, which Tab follows: the tool bar, the left
  // column, the graphs and what stands under them.
  QWidget *toolBar = createToolBar(runActions);
  thermostat = new ThermostatPanel(controller_, this);
  readouts = new ReadoutPanel(this);
  materials = new MaterialsPanel(this);
  charts = new SeriesCharts(this);
  phaseDiagram = new PhaseDiagramTab(charts);
  charts->addTab(phaseDiagram, tr("Phase dia&gram"));
  volume = new VolumePanel(controller_, this);
  saveCsv = new QPushButton(tr("&Save CSV\u2026"), this);
  saveCsv->setToolTip(
      tr("Save every recorded sample as a table: one row per sample, a header row with units"));
  status = new QLabel(this);
  status->setWordWrap(true);
  status->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto *under = new QHBoxLayout;
  under->addWidget(status, 1);
  under->addWidget(saveCsv, 0, Qt::AlignRight | Qt::AlignTop);

  auto *left = new QVBoxLayout;
  left->addWidget(thermostat);
  left->addWidget(readouts);
  left->addWidget(materials);
  left->addStretch();
  auto *right = new QVBoxLayout;
  right->addWidget(charts, 1);
  right->addWidget(volume); // under the graphs: the left column fills a small screen
  right->addLayout(under);
  auto *body = new QHBoxLayout;
  body->addLayout(left);
  body->addLayout(right, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(toolBar);
  layout->addLayout(body, 1);
  resize(960, 600);
  restoreGeometry(settings::labGeometry());

  refreshTimer_ = new QTimer(this);
  refreshTimer_->setInterval(kRefreshMs);
  connect(refreshTimer_, &QTimer::timeout, this, &LabWindow::refresh);
  connect(thermostat, &ThermostatPanel::commanded, this, &LabWindow::thermostatCommanded);
  connect(saveCsv, &QPushButton::clicked, this, &LabWindow::saveCsvClicked);
  connect(readouts, &ReadoutPanel::phaseChanged, this, &LabWindow::showPhaseChange);
  connect(&appearance::Appearance::instance(), &appearance::Appearance::changed, this,
          &LabWindow::showAppearance);
  new SpaceForButtons(this);
  clock_.start();
  setPressureUnit(settings::pressureUnit());
  showAppearance();
}

// The run controls are buttons Tab reaches (a tool bar's are not, as a
// rule); one with a menu opens it when pressed.
QWidget *LabWindow::createToolBar(const QList<QAction *> &runActions) {
  auto *bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->addActions(runActions);
  for (QAction *action : runActions)
    if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action))) {
      button->setFocusPolicy(Qt::TabFocus);
      if (action->menu() != nullptr)
        button->setPopupMode(QToolButton::InstantPopup);
    }
  bar->addSeparator();
  addUnitChoosers(bar);
  return bar;
}

// The temperature unit, shared with the main window's status bar, and the
// Lab's own pressure unit.
void LabWindow::addUnitChoosers(QToolBar *bar) {
  auto *caption = new QLabel(tr("&Units "), bar);
  units = new QComboBox(bar);
  for (const auto unit : kUnits)
    units->addItem(unitSymbolText(unit), int(unit));
  units->setAccessibleName(tr("Temperature unit"));
  units->setToolTip(tr("The unit of every temperature, here and in the status bar"));
  caption->setBuddy(units);
  bar->addWidget(caption);
  bar->addWidget(units);
  connect(units, &QComboBox::activated, this, [this](int index) {
    emit unitChosen(static_cast<analysis::TemperatureUnit>(units->itemData(index).toInt()));
  });

  auto *pressureCaption = new QLabel(tr(" &Pressure "), bar);
  pressureUnits = new QComboBox(bar);
  for (const auto unit : kPressureUnits)
    pressureUnits->addItem(pressureUnitText(unit), int(unit));
  pressureUnits->setAccessibleName(tr("Pressure unit"));
  pressureUnits->setToolTip(
      tr("The unit of the wall pressure: kilopascal or standard atmosphere (%1 kPa)")
          .arg(QLocale().toString(analysis::kPascalsPerAtmosphere / 1000.0, 'f', 3)));
  pressureCaption->setBuddy(pressureUnits);
  bar->addWidget(pressureCaption);
  bar->addWidget(pressureUnits);
  connect(pressureUnits, &QComboBox::activated, this, [this](int index) {
    const auto chosen = static_cast<analysis::PressureUnit>(pressureUnits->itemData(index).toInt());
    settings::setPressureUnit(chosen);
    setPressureUnit(chosen);
  });
}

void LabWindow::setUnit(analysis::TemperatureUnit unit) {
  unit_ = unit;
  units->setCurrentIndex(units->findData(int(unit)));
  thermostat->setUnit(unit);
  refresh();
}

void LabWindow::setPressureUnit(analysis::PressureUnit unit) {
  pressureUnit_ = unit;
  pressureUnits->setCurrentIndex(pressureUnits->findData(int(unit)));
  refresh();
}

LabUnits LabWindow::shownUnits() const {
  return {unit_, ModDornDll::unitsOf(controller_.card()), pressureUnit_, ModDornDll::timeStep};
}

void LabWindow::refresh() {
  const LabUnits shown = shownUnits();
  Readings readings;
  readings.latest = controller_.latest();
  readings.atoms = controller_.atoms();
  readings.step = controller_.step();
  readings.atomStepsPerSecond = atomStepsPerSecond();
  if (controller_.running())
    readings.materials = materialPhasesNow(
        readings.latest ? std::optional(readings.latest->temperature) : std::nullopt);
  readouts->showReadings(readings, shown);
  materials->showCard(controller_.card(), controller_.cardProblem(), unit_, ModDornDll::timeStep);
  charts->showSeries(controller_.records(), shown);
  phaseDiagram->follow(controller_, shown);
  thermostat->refresh();
  volume->setUnits(shown);
  volume->refresh();
}

void LabWindow::refreshWithPhasesMeasured() {
  phases_.waitUntilIdle();
  refresh();
}

// Hands the atoms as they stand to the phase worker and names the phases it
// measured last: a new scenario's are not told until it measured one of its
// frames. temperature: the measured one (kelvin), where there is one.
std::vector<MaterialPhase> LabWindow::materialPhasesNow(std::optional<double> temperature) {
  const std::uint64_t start = controller_.scenarioStarts();
  phases_.submit(start, controller_.step(), controller_.atomFrame());
  return materialPhases(phases_.latest(start), controller_.card(), temperature);
}

// Atom-steps done since the last refresh per second of wall time.
double LabWindow::atomStepsPerSecond() {
  const qint64 now = clock_.elapsed();
  const std::int64_t steps = controller_.step() - speedStep_;
  const double seconds = double(now - speedMark_) / 1000.0;
  speedStep_ = controller_.step();
  speedMark_ = now;
  if (steps <= 0 || seconds <= 0.0)
    return 0.0;
  return double(steps) * controller_.atoms() / seconds;
}

QString LabWindow::saveSeries(const QString &path) const {
  std::ofstream out(path.toStdString(), std::ios::binary);
  if (out)
    analysis::writeSeriesCsv(out, controller_.records().samples(), shownUnits());
  out.close();
  if (!out)
    return tr("%1 cannot be written: the folder is missing or not writable, or the disk is full.")
        .arg(path);
  return QString();
}

void LabWindow::saveCsvClicked() {
  const QString path =
      QFileDialog::getSaveFileName(this, tr("Save the recorded series"),
                                   QStringLiteral("corvanta-series.csv"), tr("CSV tables (*.csv)"));
  if (path.isEmpty())
    return;
  const QString problem = saveSeries(path);
  if (!problem.isEmpty())
    QMessageBox::warning(this, windowTitle(), problem);
}

// The status line shows the change; a screen reader is alerted to it.
void LabWindow::showPhaseChange(const QString &text) {
  status->setText(text);
  QAccessibleEvent alert(status, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

// High contrast gives the window the high-contrast palette; the ordinary
// look is the palette it inherits, as before.
void LabWindow::showAppearance() {
  setPalette(appearance::Appearance::instance().highContrast() ? appearance::highContrastPalette()
                                                               : QPalette());
}

void LabWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  refresh();
  refreshTimer_->start();
}

void LabWindow::hideEvent(QHideEvent *event) {
  refreshTimer_->stop();
  settings::setLabGeometry(saveGeometry());
  QWidget::hideEvent(event);
}

} // namespace lab
