// The Lab for a screen reader: every control has a name, each graph is a
// chart whose description tells it in words and follows the run, and a
// settled change of phase shows in the status line.
#include "lab_window_fixture.h"

#include "chart_view.h"
#include "lab_accessibility.h"
#include "phase_diagram.h"
#include "phase_diagram_tab.h"
#include "readout_panel.h"
#include "series_charts.h"
#include "thermostat_panel.h"

#include <QAccessible>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTabBar>

using Lab = LabWindowTest;

namespace {

QString accessibleText(QWidget *w, QAccessible::Text text) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
  return face ? face->text(text) : QString();
}

} // namespace

TEST_F(Lab, EveryControlHasAName) {
  lab->phaseDiagram->mapFolder = QStringLiteral(CORVANTA_RESOURCES_DIR "/phase-maps");
  load(shippedScenario(QStringLiteral("solid-liquid.ams")));
  tick(5);
  lab->refresh();
  lab::installAccessibility();
  for (QWidget *w : lab->findChildren<QWidget *>()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->focusProxy() == nullptr) {
      EXPECT_FALSE(accessibleText(w, QAccessible::Name).isEmpty())
          << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
  }
}

TEST_F(Lab, EachGraphIsAChartToldInWordsThatFollowTheRun) {
  lab::installAccessibility();
  lab::installAccessibility(); // a second time changes nothing
  openLab(); // built after the interfaces are installed, as the program builds it
  load(testScenario(QStringLiteral("liquid.ams")));
  chooseUnit(analysis::TemperatureUnit::Kelvin);
  tick(10);
  lab->refresh();
  lab::ChartView *view = lab->charts->temperaturePlot.view;
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(view);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::Chart);
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Temperature graph"));
  const QString before = face->text(QAccessible::Description);
  EXPECT_TRUE(before.startsWith(QStringLiteral("Steps: 0 to 20,000; Temperature (K): ")))
      << before.toStdString();
  EXPECT_TRUE(before.contains(QStringLiteral(" K at 45 steps; Thermostat: ")))
      << before.toStdString();

  tick(10);
  lab->refresh();
  const QString latest =
      QStringLiteral(" K at %1 steps").arg(controller.records().samples().back().step);
  EXPECT_NE(latest, QStringLiteral(" K at 45 steps"));
  EXPECT_TRUE(face->text(QAccessible::Description).contains(latest))
      << "the description follows the run";
}

TEST_F(Lab, APhaseDiagramsChartSaysWhatItShowsAndWhereTheStatePointStands) {
  lab::installAccessibility();
  lab->phaseDiagram->mapFolder = QStringLiteral(CORVANTA_RESOURCES_DIR "/phase-maps");
  load(shippedScenario(QStringLiteral("liquid.ams")));
  chooseUnit(analysis::TemperatureUnit::Kelvin);
  tick(10);
  lab->refresh();
  ASSERT_EQ(lab->phaseDiagram->diagrams.size(), 1u);
  lab::PhaseDiagram *diagram = lab->phaseDiagram->diagrams[0];
  ASSERT_NE(diagram, nullptr);
  const QString told = accessibleText(diagram->densityPlot.view, QAccessible::Description);
  EXPECT_TRUE(told.startsWith(QStringLiteral("Each state point of the map")));
  EXPECT_TRUE(told.contains(QStringLiteral("water measured on the model.")));
  EXPECT_TRUE(told.contains(QStringLiteral("Density (kg/m\u00b3): ")));
  EXPECT_TRUE(told.contains(QStringLiteral("Your state point: "))) << told.toStdString();
  EXPECT_TRUE(told.contains(QStringLiteral(" kg/m\u00b3.")));
}

TEST_F(Lab, ASettledChangeOfPhaseShowsInTheStatusLine) {
  lab::Readings readings;
  readings.materials = {{QStringLiteral("water"), QStringLiteral("solid")}};
  lab->readouts->showReadings(readings, lab->shownUnits());
  EXPECT_EQ(lab->status->text(), QString()) << "nothing changed yet";
  readings.materials[0].phase = QStringLiteral("liquid");
  for (int k = 0; k < lab::PhaseWatch::kSettleReadings; ++k)
    lab->readouts->showReadings(readings, lab->shownUnits());
  EXPECT_EQ(lab->status->text(), QStringLiteral("Phase change: water is now liquid (was solid)."));
}
