// The phase readout from the materials' summaries: two phases side by side
// are named together, a single phase reads as before.
#include "readout_panel.h"
#include "test_cards.h"

#include <gtest/gtest.h>

using analysis::Phase;
using analysis::PhaseMix;

namespace {

analysis::TypeSummary summary(Phase phase, PhaseMix mix) {
  analysis::TypeSummary s;
  s.atoms = 100;
  s.phase = phase;
  s.mix = mix;
  return s;
}

} // namespace

TEST(TwoPhaseReadout, TwoPhasesSideBySideAreNamedTogether) {
  const auto card = known::card({known::water(), known::nitrogen()});
  const auto rows = lab::materialPhases(
      {summary(Phase::Liquid, PhaseMix::LiquidGas), summary(Phase::Solid, PhaseMix::SolidGas)},
      card, 300.0);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].substance, QStringLiteral("water"));
  EXPECT_EQ(rows[0].phase, QStringLiteral("liquid and gas"));
  EXPECT_EQ(rows[1].phase, QStringLiteral("solid and gas"));
  EXPECT_EQ(
      lab::materialPhases({summary(Phase::Solid, PhaseMix::SolidLiquid)}, card, 270.0)[0].phase,
      QStringLiteral("solid and liquid"));
}

TEST(TwoPhaseReadout, ASinglePhaseKeepsItsReadingSupercooledToo) {
  const auto card = known::card({known::water()});
  EXPECT_EQ(lab::materialPhases({summary(Phase::Liquid, PhaseMix::Liquid)}, card, 250.0)[0].phase,
            QStringLiteral("supercooled liquid"));
  EXPECT_EQ(lab::materialPhases({summary(Phase::Liquid, PhaseMix::Liquid)}, card, 300.0)[0].phase,
            QStringLiteral("liquid"));
  EXPECT_EQ(lab::materialPhases({summary(Phase::Gas, PhaseMix::Gas)}, std::nullopt, 300.0)[0].phase,
            QStringLiteral("gas"));
  const auto untold = lab::materialPhases({analysis::TypeSummary{}}, std::nullopt, 300.0);
  EXPECT_EQ(untold[0].substance, QStringLiteral("Material 1"));
  EXPECT_EQ(untold[0].phase, QString()) << "not told yet";
}
