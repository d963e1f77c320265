#include "lab_window.h"

#include "readout_panel.h"
#include "remembered_settings.h"
#include "series_charts.h"
#include "simulation/simulation_controller.h"
#include "thermostat_panel.h"
#include "unit_text.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <fstream>

namespace lab {

namespace {

constexpr analysis::TemperatureUnit kUnits[] = {analysis::TemperatureUnit::Fahrenheit,
                                                analysis::TemperatureUnit::Celsius,
                                                analysis::TemperatureUnit::Kelvin};

std::vector<std::string> phaseNames(const std::vector<analysis::Phase> &phases) {
  std::vector<std::string> names;
  for (const analysis::Phase phase : phases)
    names.emplace_back(analysis::phaseName(phase));
  return names;
}

} // namespace

LabWindow::LabWindow(simulation::SimulationController &controller,
                     const QList<QAction *> &runActions, QWidget *parent)
    : QWidget(parent, Qt::Window), controller_(controller) {
  setWindowTitle(QStringLiteral("Lab"));
  thermostat = new ThermostatPanel(controller_, this);
  readouts = new ReadoutPanel(this);
  charts = new SeriesCharts(this);
  saveCsv = new QPushButton(QStringLiteral("&Save CSV\u2026"), this);
  saveCsv->setToolTip(QStringLiteral("Save every recorded sample as a table: one row per "
                                     "sample, a header row with units"));

  auto *left = new QVBoxLayout;
  left->addWidget(thermostat);
  left->addWidget(readouts);
  left->addStretch();
  auto *right = new QVBoxLayout;
  right->addWidget(charts, 1);
  right->addWidget(saveCsv, 0, Qt::AlignRight);
  auto *body = new QHBoxLayout;
  body->addLayout(left);
  body->addLayout(right, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(createToolBar(runActions));
  layout->addLayout(body, 1);
  resize(960, 600);
  restoreGeometry(rememberedLabGeometry());

  refreshTimer_ = new QTimer(this);
  refreshTimer_->setInterval(kRefreshMs);
  connect(refreshTimer_, &QTimer::timeout, this, &LabWindow::refresh);
  connect(thermostat, &ThermostatPanel::commanded, this, &LabWindow::thermostatCommanded);
  connect(saveCsv, &QPushButton::clicked, this, &LabWindow::saveCsvClicked);
  clock_.start();
}

QWidget *LabWindow::createToolBar(const QList<QAction *> &runActions) {
  auto *bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->addActions(runActions);
  bar->addSeparator();
  auto *caption = new QLabel(QStringLiteral("&Units "), bar);
  units = new QComboBox(bar);
  for (const auto unit : kUnits) {
    units->addItem(unitSymbolText(unit), int(unit));
  }
  caption->setBuddy(units);
  bar->addWidget(caption);
  bar->addWidget(units);
  connect(units, &QComboBox::activated, this, [this](int index) {
    emit unitChosen(static_cast<analysis::TemperatureUnit>(units->itemData(index).toInt()));
  });
  return bar;
}

void LabWindow::setUnit(analysis::TemperatureUnit unit) {
  unit_ = unit;
  units->setCurrentIndex(units->findData(int(unit)));
  thermostat->setUnit(unit);
  refresh();
}

void LabWindow::refresh() {
  if (controller_.scenarioStarts() != shownStart_) {
    shownStart_ = controller_.scenarioStarts();
    phases_.clear();
  }
  Readings shown;
  shown.latest = controller_.latest();
  shown.atoms = controller_.atoms();
  shown.step = controller_.step();
  shown.atomStepsPerSecond = atomStepsPerSecond();
  if (controller_.running()) {
    phases_.add(controller_.step(), controller_.atomFrame());
    shown.phases = phaseNames(phases_.phases());
  }
  readouts->show(shown, unit_);
  charts->show(controller_.records(), unit_);
  thermostat->refresh();
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
    analysis::writeSeriesCsv(out, controller_.records().samples(), unit_);
  out.close();
  if (!out)
    return QStringLiteral("%1 cannot be written: the folder is missing or not writable, or "
                          "the disk is full.")
        .arg(path);
  return QString();
}

void LabWindow::saveCsvClicked() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save the recorded series"), QStringLiteral("corvanta-series.csv"),
      QStringLiteral("CSV tables (*.csv)"));
  if (path.isEmpty())
    return;
  const QString problem = saveSeries(path);
  if (!problem.isEmpty())
    QMessageBox::warning(this, windowTitle(), problem);
}

void LabWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  refresh();
  refreshTimer_->start();
}

void LabWindow::hideEvent(QHideEvent *event) {
  refreshTimer_->stop();
  rememberLabGeometry(saveGeometry());
  QWidget::hideEvent(event);
}

} // namespace lab
