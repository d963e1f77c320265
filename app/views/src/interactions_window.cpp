#include "interactions_window.h"

#include "appearance/appearance.h"
#include "material_names.h"
#include "pair_chart.h"
#include "simulation/simulation_controller.h"

#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <stdexcept>

namespace views {

namespace {

QString joined(const QString &a, const QString &b) { return a + QStringLiteral(" \u2013 ") + b; }

// A tab's text shows an ampersand as itself rather than as an access key.
QString tabText(const QString &name) {
  return QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QString pairName(std::int32_t a, std::int32_t b,
                 const std::optional<ModDornDll::MaterialCard> &card) {
  return joined(materialName(a, card), materialName(b, card));
}

InteractionsWindow::InteractionsWindow(simulation::SimulationController &controller,
                                       QWidget *parent)
    : QWidget(parent, Qt::Window), controller_(controller) {
  setWindowTitle(tr("Interactions"));
  pairs = new QTabWidget(this);
  pairs->setAccessibleName(tr("Pairs of materials"));
  note_ = new QLabel(tr("The curve is the energy of two atoms at distance r; the green line shows "
                        "how often the atoms keep each distance now, against an even spread "
                        "through the box (1)."),
                     this);
  note_->setWordWrap(true);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(pairs, 1);
  layout->addWidget(note_);
  resize(900, 580);

  refreshTimer_ = new QTimer(this);
  refreshTimer_->setInterval(kRefreshMs);
  connect(refreshTimer_, &QTimer::timeout, this, &InteractionsWindow::refresh);
  connect(pairs, &QTabWidget::currentChanged, this, [this] {
    shownStep_ = -1;
    showDistances();
  });
  connect(&appearance::Appearance::instance(), &appearance::Appearance::changed, this,
          &InteractionsWindow::followAppearance);
  followAppearance();
}

void InteractionsWindow::followAppearance() {
  const bool highContrast = appearance::Appearance::instance().highContrast();
  setPalette(highContrast ? appearance::highContrastPalette() : QPalette());
  for (int tab = 0; tab < pairs->count(); ++tab)
    static_cast<PairChart *>(pairs->widget(tab))->setHighContrast(highContrast);
}

PairChart *InteractionsWindow::shownChart() const {
  return qobject_cast<PairChart *>(pairs->currentWidget());
}

void InteractionsWindow::refresh() {
  if (controller_.scenarioStarts() != builtFor_)
    buildCharts();
  showDistances();
}

void InteractionsWindow::buildCharts() {
  const analysis::AtomFrame frame = controller_.atomFrame();
  const auto &card = controller_.card();
  const std::optional<analysis::ModelUnits> units = ModDornDll::unitsOf(card);
  const ShownUnit length = lengthUnit(units), energy = energyUnit(units);
  const int shown = pairs->currentIndex();
  const bool highContrast = appearance::Appearance::instance().highContrast();
  while (pairs->count() > 0)
    delete pairs->widget(0);
  for (std::int32_t a = 0; a < frame.typeCount; ++a) {
    for (std::int32_t b = 0; b <= a; ++b) {
      const double *p = analysis::pairOf(frame, a, b);
      auto *chart = new PairChart(a, b, {p[0], p[1], p[2], p[3]}, length, energy, pairs);
      if (highContrast)
        chart->setHighContrast(true);
      const QString name = pairName(a, b, card);
      chart->setAccessibleName(tr("Pair energy and distances of %1").arg(name));
      chart->viewport()->setAccessibleName(chart->accessibleName());
      const int tab = pairs->addTab(chart, tabText(name));
      pairs->setTabToolTip(tab, tr("%1 atoms").arg(joined(colourName(a), colourName(b))));
    }
  }
  pairs->setCurrentIndex(std::min(std::max(shown, 0), pairs->count() - 1));
  builtFor_ = controller_.scenarioStarts();
  shownStep_ = -1;
}

void InteractionsWindow::showDistances() {
  PairChart *chart = shownChart();
  if (chart == nullptr || controller_.step() == shownStep_)
    return;
  try {
    chart->showDistances(analysis::pairDistances(controller_.atomFrame(), chart->typeA(),
                                                 chart->typeB(), chart->pair()[3],
                                                 PairChart::kShells));
  } catch (const std::invalid_argument &) {
    // A pair without a cut-off, or atoms that do not fit their pair table:
    // no distances to show.
    chart->showDistances({});
  }
  shownStep_ = controller_.step();
}

void InteractionsWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  refresh();
  refreshTimer_->start();
}

void InteractionsWindow::hideEvent(QHideEvent *event) {
  QWidget::hideEvent(event);
  refreshTimer_->stop();
}

} // namespace views
