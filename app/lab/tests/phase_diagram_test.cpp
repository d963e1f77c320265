// The Phase diagram tab with a small hand-made map: a series per phase on
// both charts, the state point moving with the run and nothing else redrawn,
// the real triple and critical points where the card has them, and a
// message instead of a chart without a card or a map.
#include "phase_diagram.h"
#include "phase_diagram_tab.h"
#include "phase_legend.h"
#include "test_cards.h"

#include "analysis/wall_pressure.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QTabWidget>
#include <QValueAxis>
#include <gtest/gtest.h>

using analysis::PhaseMix;
using analysis::PressureUnit;
using analysis::TemperatureUnit;
using lab::PhaseDiagram;
using lab::PhaseDiagramTab;

namespace {

constexpr double kDiagramSkins = 2.0 * analysis::kWallSkin;
// Room inside the skins of 1,000 Å³ = 1e-27 m³.
constexpr std::array<double, 6> kDiagramBox{0.0, 0.0, 0.0, kDiagramSkins + 10.0, kDiagramSkins + 10.0, kDiagramSkins + 10.0};
// One mass unit (k kilograms) in that room.
const double kOneUnitDensity = analysis::kBoltzmann / 1e-27;

analysis::PhaseMap waterMap() {
  analysis::PhaseMap map{"water", {}};
  const auto add = [&](double kelvin, double density, double kilopascals, PhaseMix phase) {
    map.points.push_back({kelvin, density, kilopascals, phase, 0.0, 0.0, 0.0});
  };
  add(200.0, 1000.0, 50.0, PhaseMix::Solid);
  add(300.0, 950.0, 100.0, PhaseMix::Liquid);
  add(320.0, 900.0, 200.0, PhaseMix::Liquid);
  add(350.0, 300.0, 80.0, PhaseMix::LiquidGas);
  add(400.0, 10.0, 0.0, PhaseMix::Gas); // no push on the walls measured
  return map;
}

ModDornDll::CardMaterial waterWithRealPoints() {
  ModDornDll::CardMaterial water = known::water();
  water.triplePoint = ModDornDll::CardStatePoint{273.16, 0.611657};
  water.criticalPoint = ModDornDll::CardStatePoint{647.096, 22064.0};
  return water;
}

QList<QPointF> pointsOf(const QXYSeries *series) { return series->points(); }

lab::LabUnits kelvinKilopascal() { return known::withCard(PressureUnit::Kilopascal); }

QStringList seriesNames(const QChart *chart) {
  QStringList names;
  for (const QAbstractSeries *series : chart->series())
    names.append(series->name());
  return names;
}

} // namespace

TEST(PhaseDiagram, DrawsOneSeriesPerPhaseOfTheMapOnBothCharts) {
  PhaseDiagram diagram(known::water(), waterMap(), nullptr);
  diagram.showUnits({TemperatureUnit::Kelvin, PressureUnit::Kilopascal});
  for (const auto *plot : {&diagram.densityPlot, &diagram.pressurePlot}) {
    ASSERT_EQ(plot->phases.size(), 4u) << "solid, liquid, gas, liquid and gas";
    EXPECT_EQ(plot->phases.at(PhaseMix::LiquidGas)->name(), QStringLiteral("liquid and gas"));
    EXPECT_FALSE(plot->phases.contains(PhaseMix::SolidGas)) << "not in the map";
  }
  EXPECT_EQ(pointsOf(diagram.densityPlot.phases.at(PhaseMix::Liquid)),
            (QList<QPointF>{{950.0, 300.0}, {900.0, 320.0}}));
  EXPECT_EQ(pointsOf(diagram.pressurePlot.phases.at(PhaseMix::Solid)),
            (QList<QPointF>{{200.0, 50.0}}));
  EXPECT_EQ(pointsOf(diagram.densityPlot.phases.at(PhaseMix::Gas)).size(), 1);
  EXPECT_TRUE(pointsOf(diagram.pressurePlot.phases.at(PhaseMix::Gas)).isEmpty())
      << "no pressure cannot stand on a logarithmic axis";
  EXPECT_TRUE(diagram.note->text().contains(QStringLiteral("1 of its 5 state points")))
      << "and the note says so";
  // Every phase keeps its look: a shape of its own on both charts.
  QSet<int> shapes;
  for (const auto &[phase, series] : diagram.densityPlot.phases) {
    shapes.insert(series->markerShape());
    EXPECT_EQ(series->markerShape(), diagram.pressurePlot.phases.at(phase)->markerShape());
    EXPECT_EQ(series->color(), diagram.pressurePlot.phases.at(phase)->color());
  }
  EXPECT_EQ(shapes.size(), 4);
  EXPECT_TRUE(diagram.densityPlot.chart->title().contains(QStringLiteral("measured on the model")));
  const auto views = diagram.findChildren<QChartView *>();
  ASSERT_EQ(views.size(), 2);
  for (const QChartView *view : views) {
    EXPECT_TRUE(view->accessibleName().startsWith(QStringLiteral("water: ")))
        << "named for readers";
    EXPECT_FALSE(view->accessibleDescription().isEmpty());
  }
}

TEST(PhaseDiagram, ShowsTheLabsUnitsOnTheAxesAndPoints) {
  PhaseDiagram diagram(waterWithRealPoints(), waterMap(), nullptr);
  diagram.showUnits({TemperatureUnit::Celsius, PressureUnit::Atmosphere});
  const QPointF solid = pointsOf(diagram.pressurePlot.phases.at(PhaseMix::Solid)).at(0);
  EXPECT_NEAR(solid.x(), 200.0 - analysis::kKelvinAtZeroCelsius, 1e-9);
  EXPECT_NEAR(solid.y(), 50.0 / 101.325, 1e-12);
  EXPECT_EQ(diagram.densityY->titleText(), QStringLiteral("Temperature (\u00B0C)"));
  EXPECT_EQ(diagram.densityX->titleText(), QStringLiteral("Density (kg/m\u00B3)"));
  EXPECT_EQ(diagram.pressureY->titleText(), QStringLiteral("Pressure on the walls (atm)"));
  EXPECT_EQ(diagram.pressureX->titleText(), QStringLiteral("Temperature (\u00B0C)"));
  // The axes hold the map and the real critical point, far above it.
  EXPECT_LE(diagram.pressureY->min(), 50.0 / 101.325);
  EXPECT_GE(diagram.pressureY->max(), 22064.0 / 101.325);
  EXPECT_GE(diagram.pressureX->max(), 647.096 - analysis::kKelvinAtZeroCelsius);
  EXPECT_LE(diagram.densityX->min(), 10.0) << "the lightest state point";
  EXPECT_GE(diagram.densityX->max(), 1000.0);
}

TEST(PhaseDiagram, MarksTheRealPointsOnlyWhereTheCardHasThem) {
  PhaseDiagram withPoints(waterWithRealPoints(), waterMap(), nullptr);
  withPoints.showUnits({TemperatureUnit::Kelvin, PressureUnit::Kilopascal});
  ASSERT_NE(withPoints.pressurePlot.realTriple, nullptr);
  ASSERT_NE(withPoints.pressurePlot.realCritical, nullptr);
  EXPECT_EQ(pointsOf(withPoints.pressurePlot.realTriple), (QList<QPointF>{{273.16, 0.611657}}));
  EXPECT_EQ(pointsOf(withPoints.pressurePlot.realCritical), (QList<QPointF>{{647.096, 22064.0}}));
  EXPECT_EQ(withPoints.pressurePlot.realCritical->name(), QStringLiteral("real critical point"));
  // On the density chart the real temperatures run across the whole axis.
  const QList<QPointF> critical = pointsOf(withPoints.densityPlot.realCritical);
  ASSERT_EQ(critical.size(), 2);
  EXPECT_EQ(critical[0], QPointF(withPoints.densityX->min(), 647.096));
  EXPECT_EQ(critical[1], QPointF(withPoints.densityX->max(), 647.096));
  EXPECT_TRUE(
      seriesNames(withPoints.pressurePlot.chart).contains(QStringLiteral("real triple point")));

  EXPECT_TRUE(withPoints.note->text().contains(QStringLiteral("Hollow marks")));

  PhaseDiagram without(known::water(), waterMap(), nullptr);
  EXPECT_TRUE(without.note->text().contains(QStringLiteral("gives no triple or critical point")));
  for (const auto *plot : {&without.densityPlot, &without.pressurePlot}) {
    EXPECT_EQ(plot->realTriple, nullptr);
    EXPECT_EQ(plot->realCritical, nullptr);
    for (const QString &name : seriesNames(plot->chart))
      EXPECT_FALSE(name.startsWith(QStringLiteral("real"))) << name.toStdString();
  }
}

TEST(PhaseDiagram, OneLegendNamesWhatBothChartsShow) {
  PhaseDiagram withPoints(waterWithRealPoints(), waterMap(), nullptr);
  EXPECT_EQ(withPoints.legend->names(),
            (QStringList{"solid", "liquid", "gas", "liquid and gas", "real triple point",
                         "real critical point", "Your state point"}));
  PhaseDiagram without(known::water(), waterMap(), nullptr);
  EXPECT_EQ(without.legend->names(),
            (QStringList{"solid", "liquid", "gas", "liquid and gas", "Your state point"}));
  // Each entry's icon is the mark as drawn: the liquid's fill at its centre.
  const QScatterSeries *liquid = without.densityPlot.phases.at(PhaseMix::Liquid);
  const QImage icon = lab::legendIcon(liquid, nullptr).toImage();
  EXPECT_EQ(icon.pixelColor(icon.width() / 2, icon.height() / 2), liquid->color());
  EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
}

TEST(PhaseDiagramTab, TheStatePointMovesWithTheRunAndNothingElseIsRedrawn) {
  PhaseDiagramTab tab(nullptr);
  tab.showScenario(known::card({known::water()}), {{waterMap(), {}}}, {950.0});
  ASSERT_EQ(tab.diagrams.size(), 1u);
  PhaseDiagram *diagram = tab.diagrams[0];
  ASSERT_NE(diagram, nullptr);
  int mapRedrawn = 0;
  for (const auto &[phase, series] : diagram->densityPlot.phases)
    QObject::connect(series, &QXYSeries::pointsReplaced, [&] { ++mapRedrawn; });
  int stateMoved = 0;
  QObject::connect(diagram->densityPlot.state, &QXYSeries::pointsReplaced, [&] { ++stateMoved; });

  tab.showRun({300.0, kDiagramBox, known::kOneAtmosphere}, kelvinKilopascal());
  EXPECT_EQ(pointsOf(diagram->densityPlot.state).size(), 1);
  const QPointF first = pointsOf(diagram->densityPlot.state).at(0);
  EXPECT_NEAR(first.x(), 950.0 * kOneUnitDensity, 1e-9 * first.x());
  EXPECT_EQ(first.y(), 300.0);
  const QPointF pressed = pointsOf(diagram->pressurePlot.state).at(0);
  EXPECT_EQ(pressed.x(), 300.0);
  EXPECT_NEAR(pressed.y(), 101.325, 1e-9);
  EXPECT_TRUE(diagram->stateText->text().contains(QStringLiteral("300.0 K")));
  EXPECT_TRUE(diagram->stateText->text().contains(QStringLiteral("101.3 kPa")));
  EXPECT_EQ(stateMoved, 1);

  tab.showRun({300.0, kDiagramBox, known::kOneAtmosphere}, kelvinKilopascal());
  EXPECT_EQ(stateMoved, 1) << "nothing changed, nothing drawn";

  // The lid halves the room: twice the density; hotter too.
  std::array<double, 6> lowered = kDiagramBox;
  lowered[4] = kDiagramSkins + 5.0;
  tab.showRun({320.0, lowered, 2.0 * known::kOneAtmosphere}, kelvinKilopascal());
  EXPECT_EQ(stateMoved, 2);
  const QPointF moved = pointsOf(diagram->densityPlot.state).at(0);
  EXPECT_NEAR(moved.x(), 2.0 * first.x(), 1e-9 * moved.x());
  EXPECT_EQ(moved.y(), 320.0);
  EXPECT_NEAR(pointsOf(diagram->pressurePlot.state).at(0).y(), 2.0 * 101.325, 1e-9);
  EXPECT_GE(diagram->densityX->max(), moved.x()) << "the axis reaches the state point";
  EXPECT_EQ(mapRedrawn, 0) << "the map's series stay as drawn";

  tab.showRun({320.0, lowered, 2.0 * known::kOneAtmosphere},
              known::withCard(PressureUnit::Atmosphere));
  EXPECT_EQ(mapRedrawn, int(diagram->densityPlot.phases.size())) << "a new unit redraws the map";
  EXPECT_NEAR(pointsOf(diagram->pressurePlot.state).at(0).y(), 2.0, 1e-12);
}

TEST(PhaseDiagramTab, TheStatePointWaitsForTheMeasuredTemperatureAndTheGauge) {
  PhaseDiagramTab tab(nullptr);
  tab.showScenario(known::card({known::water()}), {{waterMap(), {}}}, {950.0});
  PhaseDiagram *diagram = tab.diagrams.at(0);
  tab.showRun({std::nullopt, kDiagramBox, std::nullopt}, kelvinKilopascal());
  EXPECT_TRUE(pointsOf(diagram->densityPlot.state).isEmpty());
  EXPECT_TRUE(diagram->stateText->text().contains(QStringLiteral("not measured")));
  tab.showRun({300.0, kDiagramBox, std::nullopt}, kelvinKilopascal());
  EXPECT_EQ(pointsOf(diagram->densityPlot.state).size(), 1);
  EXPECT_TRUE(pointsOf(diagram->pressurePlot.state).isEmpty()) << "no gauge reading yet";
  tab.showRun({300.0, kDiagramBox, known::kOneAtmosphere}, known::withoutCard());
  EXPECT_TRUE(pointsOf(diagram->densityPlot.state).isEmpty()) << "no real units, no density";
}

TEST(PhaseDiagramTab, OneDiagramPerMaterialChosenByItsSubstance) {
  PhaseDiagramTab tab(nullptr);
  analysis::PhaseMap nitrogenMap = waterMap();
  nitrogenMap.substance = "nitrogen";
  tab.showScenario(known::card({waterWithRealPoints(), known::nitrogen()}),
                   {{waterMap(), {}}, {nitrogenMap, {}}}, {950.0, 10.0});
  ASSERT_EQ(tab.materials->count(), 2);
  EXPECT_EQ(tab.materials->tabText(0), QStringLiteral("water"));
  EXPECT_EQ(tab.materials->tabText(1), QStringLiteral("nitrogen"));
  EXPECT_FALSE(tab.message->isVisibleTo(&tab));
  EXPECT_TRUE(tab.materials->isVisibleTo(&tab));
  EXPECT_TRUE(tab.diagrams[0]->stateText->toolTip().contains(QStringLiteral("whole box")));
  EXPECT_NE(tab.diagrams[0]->pressurePlot.realCritical, nullptr);
  EXPECT_EQ(tab.diagrams[1]->pressurePlot.realCritical, nullptr) << "nitrogen's card has none";
  tab.showRun({300.0, kDiagramBox, known::kOneAtmosphere}, kelvinKilopascal());
  EXPECT_NEAR(pointsOf(tab.diagrams[0]->densityPlot.state).at(0).x() /
                  pointsOf(tab.diagrams[1]->densityPlot.state).at(0).x(),
              95.0, 1e-9)
      << "each material's own mass over the shared room";
  EXPECT_FALSE(tab.accessibleName().isEmpty());
  EXPECT_FALSE(tab.materials->accessibleName().isEmpty());
}

TEST(PhaseDiagramTab, SaysWhyWithoutACardOrAMap) {
  PhaseDiagramTab tab(nullptr);
  tab.showScenario(std::nullopt, {}, {950.0});
  EXPECT_TRUE(tab.message->isVisibleTo(&tab));
  EXPECT_FALSE(tab.materials->isVisibleTo(&tab));
  EXPECT_TRUE(tab.message->text().contains(QStringLiteral("no material card")));
  tab.showRun({300.0, kDiagramBox, known::kOneAtmosphere}, known::withoutCard());

  tab.showScenario(known::card({known::water(), known::nitrogen()}),
                   {{waterMap(), {}}, {std::nullopt, QStringLiteral("No map for nitrogen.")}},
                   {950.0, 10.0});
  EXPECT_FALSE(tab.message->isVisibleTo(&tab));
  ASSERT_EQ(tab.materials->count(), 2);
  EXPECT_EQ(tab.diagrams[1], nullptr);
  auto *said = qobject_cast<QLabel *>(tab.materials->widget(1));
  ASSERT_NE(said, nullptr) << "a message, not an empty chart";
  EXPECT_EQ(said->text(), QStringLiteral("No map for nitrogen."));
  tab.showRun({300.0, kDiagramBox, known::kOneAtmosphere}, kelvinKilopascal());
  EXPECT_EQ(pointsOf(tab.diagrams[0]->densityPlot.state).size(), 1);
}
