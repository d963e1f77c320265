// The Interactions window's pair chart and tab names: with a material card
// distances in ångström and energies in kJ/mol, checked against values
// worked by hand; without one, the engine's figures in model units with
// energies in kelvin.
#include "interactions_window.h"
#include "pair_chart.h"
#include "scenario/material_card.h"

#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <gtest/gtest.h>

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
