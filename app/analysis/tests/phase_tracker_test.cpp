#include "analysis/phase_tracker.h"

#include "test_frames.h"

#include <gtest/gtest.h>

#include <algorithm>

using analysis::Phase;
using analysis::PhaseTracker;

namespace {

const double kR0 = analysis::minimumDistance(analysis::testing::kLiquidPair);

// Every atom moved on to where the next one stood: the crystal's sites,
// but no atom near its own.
analysis::AtomFrame reshuffled(analysis::AtomFrame frame) {
  std::rotate(frame.coords.begin(), frame.coords.begin() + 3, frame.coords.end());
  return frame;
}

} // namespace

TEST(PhaseTracker, TellsNothingUntilItsFramesReachBackAThousandSteps) {
  PhaseTracker tracker;
  EXPECT_TRUE(tracker.phases().empty());
  const auto crystal = analysis::testing::crystal(kR0);
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
  const auto crystal = analysis::testing::crystal(kR0);
  tracker.add(0, crystal);
  tracker.add(1000, reshuffled(crystal));
  tracker.add(2000, crystal);
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::Liquid}) << "step 1000 against 2000";
  tracker.add(2400, crystal);
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::Liquid}) << "still step 1000";
}

TEST(PhaseTracker, TheSameStepAgainReplacesItsFrame) {
  PhaseTracker tracker;
  const auto crystal = analysis::testing::crystal(kR0);
  tracker.add(0, crystal);
  tracker.add(1000, reshuffled(crystal));
  tracker.add(1000, crystal); // a paused simulation redrawn
  EXPECT_EQ(tracker.phases(), std::vector<Phase>{Phase::Solid});
}
