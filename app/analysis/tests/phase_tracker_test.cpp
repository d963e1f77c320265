#include "analysis/phase_tracker.h"

#include "test_frames.h"

#include <gtest/gtest.h>


using analysis::Phase;
using analysis::PhaseTracker;
using analysis::testing::kLiquidR0;
using analysis::testing::reshuffled;

TEST(PhaseTracker, TellsNothingUntilItsFramesReachBackAThousandSteps) {
  PhaseTracker tracker;
  EXPECT_TRUE(tracker.phases().empty());
  const auto crystal = analysis::testing::crystal(kLiquidR0);
  tracker.add(0, crystal);
  tracker.add(500, crystal);
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::None});
  tracker.add(1000, crystal);
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::Solid});
  tracker.clear();
  tracker.add(5000, crystal);
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::None});
}

TEST(PhaseTracker, ComparesWithTheNewestFrameOldEnough) {
  PhaseTracker tracker;
  const auto crystal = analysis::testing::crystal(kLiquidR0);
  tracker.add(0, crystal);
  tracker.add(1000, reshuffled(crystal));
  tracker.add(2000, crystal);
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::Liquid}) << "step 1000 against 2000";
  tracker.add(2400, crystal);
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::Liquid}) << "still step 1000";
}

TEST(PhaseTracker, TheSameStepAgainReplacesItsFrame) {
  PhaseTracker tracker;
  const auto crystal = analysis::testing::crystal(kLiquidR0);
  tracker.add(0, crystal);
  tracker.add(1000, reshuffled(crystal));
  tracker.add(1000, crystal); // a paused simulation redrawn
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::Solid});
}

TEST(PhaseTracker, SummariesTellTwoPhasesSideBySide) {
  PhaseTracker tracker;
  auto frame = analysis::testing::crystal(kLiquidR0);
  const std::size_t bound = frame.types.size();
  // As many lone atoms again, 4,000 apart above the crystal: a gas.
  for (std::size_t a = 0; a < bound; ++a) {
    const double at[3] = {1000.0 + 4000.0 * double(a % 7), 16000.0 + 4000.0 * double(a / 49),
                          1000.0 + 4000.0 * double(a / 7 % 7)};
    frame.coords.insert(frame.coords.end(), at, at + 3);
    frame.types.push_back(0);
  }
  ASSERT_LE(bound, 147u) << "the lone atoms fit their grid of 7 x 3 x 7";
  EXPECT_EQ(tracker.summaries().size(), 0u);
  tracker.add(0, frame);
  ASSERT_EQ(tracker.summaries().size(), 1u);
  EXPECT_EQ(tracker.summaries()[0].mix, analysis::PhaseMix::None) << "not told yet";
  tracker.add(1000, frame);
  const auto told = tracker.summaries();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].atoms, int(2 * bound));
  EXPECT_NEAR(told[0].freeShare, 0.5, 1e-12);
  EXPECT_NEAR(told[0].solidShare, 0.5, 1e-12);
  EXPECT_EQ(told[0].mix, analysis::PhaseMix::SolidGas);
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{told[0].phase});
}
