// A change of phase is told once it has settled: not while a material
// flickers between two phases, not when a phase is first told or a new
// scenario starts, and then once, in words a reader hears, as the phase
// readout's description.
#include "phase_watch.h"
#include "readout_panel.h"
#include "test_cards.h"

#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

using lab::MaterialPhase;
using lab::PhaseWatch;

namespace {

std::vector<lab::PhaseChange> seeTimes(PhaseWatch &watch, const std::vector<MaterialPhase> &rows,
                                       int times) {
  std::vector<lab::PhaseChange> changes;
  for (int k = 0; k < times; ++k)
    for (const lab::PhaseChange &change : watch.see(rows))
      changes.push_back(change);
  return changes;
}

const QString kWater = QStringLiteral("water");
const QString kSolid = QStringLiteral("solid");
const QString kLiquid = QStringLiteral("liquid");

} // namespace

TEST(PhaseWatch, ASettledChangeIsToldOnceWithBothPhases) {
  PhaseWatch watch;
  EXPECT_TRUE(seeTimes(watch, {{kWater, kSolid}}, 3).empty()) << "the first phase is no change";
  EXPECT_TRUE(seeTimes(watch, {{kWater, kLiquid}}, PhaseWatch::kSettleReadings - 1).empty());
  const auto changes = watch.see({{kWater, kLiquid}});
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].material, 0u);
  EXPECT_EQ(changes[0].from, kSolid);
  EXPECT_EQ(changes[0].to, kLiquid);
  EXPECT_EQ(lab::phaseChangeText(changes[0]),
            QStringLiteral("Phase change: water is now liquid (was solid)."));
  EXPECT_TRUE(seeTimes(watch, {{kWater, kLiquid}}, 10).empty()) << "told once";
}

TEST(PhaseWatch, AFlickerBetweenTwoPhasesIsNotTold) {
  PhaseWatch watch;
  watch.see({{kWater, kLiquid}});
  for (int k = 0; k < 20; ++k) {
    EXPECT_TRUE(watch.see({{kWater, QStringLiteral("liquid and gas")}}).empty());
    EXPECT_TRUE(watch.see({{kWater, kLiquid}}).empty());
  }
}

TEST(PhaseWatch, AnUntoldPhaseANewSubstanceOrNewRowsStartAfresh) {
  PhaseWatch watch;
  seeTimes(watch, {{kWater, kSolid}}, 2);
  watch.see({{kWater, QString()}}); // a new scenario, not measured yet
  EXPECT_TRUE(seeTimes(watch, {{kWater, kLiquid}}, 10).empty());

  EXPECT_TRUE(seeTimes(watch, {{QStringLiteral("quartz"), kSolid}}, 10).empty());
  EXPECT_TRUE(seeTimes(watch, {{QStringLiteral("quartz"), kSolid}, {kWater, kLiquid}}, 10).empty());
  const auto changes =
      seeTimes(watch, {{QStringLiteral("quartz"), kSolid}, {kWater, QStringLiteral("gas")}}, 10);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].material, 1u) << "the second row changed";
}

TEST(ReadoutPanel, TellsASettledChangeOfPhaseOnItsReadout) {
  lab::ReadoutPanel panel(nullptr);
  QSignalSpy told(&panel, &lab::ReadoutPanel::phaseChanged);
  const auto card = known::card({known::water()});
  lab::Readings shown;
  shown.materials = lab::materialPhases({analysis::Phase::Solid}, card, 250.0);
  panel.showReadings(shown, known::withCard(analysis::PressureUnit::Kilopascal));
  ASSERT_EQ(panel.phases.size(), 1);
  EXPECT_EQ(panel.phases[0]->accessibleName(), QStringLiteral("water: solid"));

  shown.materials = lab::materialPhases({analysis::Phase::Liquid}, card, 300.0);
  for (int k = 0; k < PhaseWatch::kSettleReadings; ++k)
    panel.showReadings(shown, known::withCard(analysis::PressureUnit::Kilopascal));

  ASSERT_EQ(told.count(), 1);
  const QString text = QStringLiteral("Phase change: water is now liquid (was solid).");
  EXPECT_EQ(told[0][0].toString(), text);
  EXPECT_EQ(panel.phases[0]->accessibleDescription(), text);
  EXPECT_EQ(panel.phases[0]->accessibleName(), QStringLiteral("water: liquid"));
}

TEST(ReadoutPanel, ReadoutsAreNamedByWhatTheyShow) {
  lab::ReadoutPanel panel(nullptr);
  EXPECT_EQ(panel.temperature->accessibleName(), QStringLiteral("Temperature: not measured yet"));
  lab::Readings shown;
  shown.latest = analysis::Sample{250, 300.0, 300.0, 1000.0, -2000.0, -1000.0, 0.0, 0.0};
  shown.atoms = 784;
  panel.showReadings(shown, known::withCard(analysis::PressureUnit::Kilopascal));
  EXPECT_EQ(panel.temperature->accessibleName(), QStringLiteral("Temperature: 300.0 K"));
  EXPECT_EQ(panel.atoms->accessibleName(), QStringLiteral("Atoms: 784"));
  EXPECT_EQ(panel.kinetic->accessibleName(), QStringLiteral("Kinetic energy: 8.31 kJ/mol"));
}
