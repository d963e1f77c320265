// The Interactions window's pair chart and tab names: with a material card
// distances in ångström and energies in kJ/mol, checked against values
// worked by hand; without one, the engine's figures in model units with
// energies in kelvin.
#include "interactions_window.h"
#include "pair_chart.h"
#include "scenario/material_card.h"

#include "appearance/appearance.h"
#include "views_accessibility.h"

#include <QAccessible>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace views;

namespace {

// A pair with its well at r = 1624 (b = 1, C = 1412, D = 2048) and
// A = 2276: the well is A·b²/4 = 569 K deep, 569 K · R = 4.731 kJ/mol.
constexpr std::array<double, 4> kPair{2276.0, 1.0, 1412.0, 2048.0};
constexpr double kWellK = -569.0;
constexpr double kWellKilojoulesPerMole = -4.731;
// With a length unit of 0.2 pm the well lies at 3.248 Å, the cut-off at 4.096 Å.
constexpr double kWellAngstrom = 3.248;
constexpr double kCutOffAngstrom = 4.096;

ModDornDll::MaterialCard cardOf(std::vector<std::string> names) {
  ModDornDll::MaterialCard card;
  card.metresPerLength = 0.2e-12;
  card.kilogramsPerMass = 18.015 * analysis::kAtomicMassUnit;
  for (std::string &name : names)
    card.materials.push_back(
        {std::move(name), "O", 273.15, "a handbook", {}, {}, {}, {}, {}, {}, {}});
  return card;
}

PairChart chartFor(const std::optional<ModDornDll::MaterialCard> &card) {
  const auto units = ModDornDll::unitsOf(card);
  return PairChart(0, 0, kPair, lengthUnit(units), energyUnit(units), nullptr);
}

// The ticks of an axis (at whole multiples of its spacing) all read
// differently.
void expectDistinctTicks(const QValueAxis *axis) {
  const QByteArray format = axis->labelFormat().toLatin1();
  QStringList labels;
  for (int k = 0; k < 6; ++k)
    labels.append(QString::asprintf(format.constData(), k * axis->tickInterval()));
  labels.removeDuplicates();
  EXPECT_EQ(labels.size(), 6) << axis->titleText().toStdString() << " with " << format.constData();
}

// Everything a look sets on the chart, to compare two charts by.
struct ChartLook {
  QBrush background;
  QColor legendText;
  std::vector<QColor> axisLabels, axisLines, grids;
  QPen energy, cutOff, distribution, wellBorder;
  QBrush wellFill;
  qreal wellSize;
  bool operator==(const ChartLook &) const = default;
};

ChartLook lookOf(const PairChart &chart) {
  ChartLook look{chart.chart()->backgroundBrush(),
                 chart.chart()->legend()->labelColor(),
                 {},
                 {},
                 {},
                 chart.energy->pen(),
                 chart.cutOff->pen(),
                 chart.distribution->pen(),
                 chart.well->pen(),
                 chart.well->brush(),
                 chart.well->markerSize()};
  for (QAbstractAxis *axis : chart.chart()->axes()) {
    look.axisLabels.push_back(axis->labelsColor());
    look.axisLines.push_back(axis->linePenColor());
    look.grids.push_back(axis->gridLineColor());
  }
  return look;
}

} // namespace

TEST(PairChart, WithACardTheWellAndCutOffAreInAngstromAndKilojoulesPerMole) {
  const PairChart chart = chartFor(cardOf({"water"}));
  ASSERT_EQ(chart.well->count(), 1);
  EXPECT_NEAR(chart.well->at(0).x(), kWellAngstrom, 1e-3);
  EXPECT_NEAR(chart.well->at(0).y(), kWellKilojoulesPerMole, 1e-3);
  EXPECT_EQ(chart.well->name(), QStringLiteral("bond length 3.25 \u00c5, energy -4.73 kJ/mol"));
  EXPECT_NEAR(chart.cutOff->at(0).x(), kCutOffAngstrom, 1e-12);
  EXPECT_EQ(chart.cutOff->name(), QStringLiteral("cut-off 4.10 \u00c5"));
  EXPECT_EQ(chart.distanceAxis->titleText(), QStringLiteral("distance r (\u00c5)"));
  EXPECT_EQ(chart.energyAxis->titleText(), QStringLiteral("pair energy V(r) (kJ/mol)"));
  EXPECT_NEAR(chart.distanceAxis->max(), kCutOffAngstrom, 1e-12);
  EXPECT_LT(chart.energyAxis->min(), kWellKilojoulesPerMole) << "the well is in sight";
  for (const QValueAxis *axis : {chart.distanceAxis, chart.energyAxis})
    expectDistinctTicks(axis);
}

TEST(PairChart, TheDistancesKeptNowAreDrawnInTheAxissUnitUpToTheCutOff) {
  for (const auto &card :
       {std::optional(cardOf({"water"})), std::optional<ModDornDll::MaterialCard>()}) {
    PairChart chart = chartFor(card);
    analysis::DistanceHistogram histogram;
    histogram.shellWidth = kPair[3] / PairChart::kShells;
    histogram.distribution.assign(PairChart::kShells, 1.5);
    chart.showDistances(histogram);
    const QList<QPointF> steps = chart.distribution->points();
    ASSERT_EQ(steps.size(), 2 * PairChart::kShells);
    EXPECT_NEAR(steps.back().x(), chart.cutOff->at(0).x(), 1e-9);
    EXPECT_EQ(steps.back().y(), 1.5);
  }
}

TEST(PairChart, WithoutACardTheFiguresAreInModelUnitsAndKelvin) {
  const PairChart chart = chartFor(std::nullopt);
  EXPECT_NEAR(chart.well->at(0).x(), 1624.0, 1.0);
  EXPECT_NEAR(chart.well->at(0).y(), kWellK, 1e-9);
  EXPECT_EQ(chart.well->name(), QStringLiteral("bond length 1624 model units, energy -569 K"));
  EXPECT_EQ(chart.cutOff->at(0).x(), kPair[3]);
  EXPECT_EQ(chart.cutOff->name(), QStringLiteral("cut-off 2048 model units"));
  EXPECT_EQ(chart.distanceAxis->titleText(), QStringLiteral("distance r (model units)"));
  EXPECT_EQ(chart.energyAxis->titleText(), QStringLiteral("pair energy V(r) (K)"));
}

TEST(PairNames, TheCardNamesTheSubstancesAndTheColoursNameTheRest) {
  const auto card = std::optional(cardOf({"water", "quartz"}));
  EXPECT_EQ(pairName(0, 0, card), QStringLiteral("water \u2013 water"));
  EXPECT_EQ(pairName(1, 0, card), QStringLiteral("quartz \u2013 water"));
  EXPECT_EQ(pairName(2, 1, card), QStringLiteral("green \u2013 quartz"))
      << "a material the card does not name";
  EXPECT_EQ(pairName(1, 0, std::nullopt), QStringLiteral("red \u2013 blue"));
}

TEST(PairChart, HighContrastIsWhiteOnBlackAndOffAgainIsTheOrdinaryLookExactly) {
  using namespace appearance::high_contrast;
  const std::optional card(cardOf({"water"}));
  PairChart chart = chartFor(card);
  const ChartLook ordinary = lookOf(chart);
  chart.setHighContrast(true);
  EXPECT_EQ(chart.chart()->backgroundBrush().color(), kBackground);
  EXPECT_EQ(chart.chart()->legend()->labelColor(), kText);
  for (const QAbstractAxis *axis : chart.chart()->axes()) {
    EXPECT_EQ(axis->labelsColor(), kText);
    EXPECT_EQ(axis->titleBrush().color(), kText);
    EXPECT_EQ(axis->linePenColor(), kText);
  }
  std::set<QRgb> curves;
  for (const QColor &c : {chart.energy->pen().color(), chart.cutOff->pen().color(),
                          chart.distribution->pen().color(), chart.well->brush().color()}) {
    EXPECT_GE(appearance::contrastRatio(c, kBackground), 3.0);
    curves.insert(c.rgb());
  }
  EXPECT_EQ(curves.size(), 4u) << "each curve its own colour";
  EXPECT_EQ(chart.distribution->pen().color(), kSeries[3]) << "the note calls it the green line";

  chart.setHighContrast(false);
  EXPECT_EQ(lookOf(chart), ordinary);
  EXPECT_EQ(lookOf(chart), lookOf(chartFor(card))) << "as a chart that never left it";
}

TEST(PairChart, AScreenReaderHearsTheAxesTheirRangesAndTheCurves) {
  installAccessibility();
  PairChart chart = chartFor(cardOf({"water"}));
  chart.setAccessibleName(QStringLiteral("water pair"));
  QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&chart);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->role(), QAccessible::Chart);
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("water pair"));
  const QString before = reader->text(QAccessible::Description);
  EXPECT_TRUE(before.startsWith(QStringLiteral("Across: distance r (\u00c5) from ")))
      << before.toStdString();
  EXPECT_TRUE(before.contains(QStringLiteral(" to 4.10. Left: pair energy V(r) (kJ/mol) from ")))
      << "the distances reach the cut-off: " << before.toStdString();
  EXPECT_TRUE(before.contains(QStringLiteral("bond length 3.25 \u00c5, energy -4.73 kJ/mol")));
  EXPECT_TRUE(before.contains(QStringLiteral("cut-off 4.10 \u00c5")));
  EXPECT_TRUE(before.contains(QStringLiteral("distances kept now: g(r): none kept yet")));

  // The highest shell, the second of 0.2 Å each, starts at 0.20 Å.
  analysis::DistanceHistogram histogram;
  histogram.shellWidth = 100.0; // 0.2 Å in the card's length unit of 0.2 pm
  histogram.distribution = {0.0, 2.0, 0.5};
  chart.showDistances(histogram);
  const QString after = reader->text(QAccessible::Description);
  EXPECT_TRUE(
      after.contains(QStringLiteral("distances kept now: g(r), highest 2.0 at 0.20 \u00c5")))
      << after.toStdString();
  EXPECT_TRUE(after.contains(QStringLiteral("Right: radial distribution g(r) from 0 to 3.")))
      << after.toStdString();
}
