#include "atom_drawing/frame_stats.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameStats, MeanDrawTimeIsTheMeanOfTheLastTenFrames) {
  atom_drawing::FrameStats stats;
  stats.restart(0.0);
  EXPECT_EQ(stats.meanDrawTime(), 0.0);
  stats.addDrawTime(0.004);
  stats.addDrawTime(0.002);
  EXPECT_DOUBLE_EQ(stats.meanDrawTime(), 0.003); // fewer than ten so far
  for (int i = 0; i < 25; ++i)
    stats.addDrawTime(0.001 * (i % 2 == 0 ? 1 : 3)); // constant mean of 2 ms over any ten
  EXPECT_NEAR(stats.meanDrawTime(), 0.002, 1e-15);
  for (int i = 0; i < 10; ++i)
    stats.addDrawTime(0.005);
  EXPECT_NEAR(stats.meanDrawTime(), 0.005, 1e-15); // not 10/9 of it
}

TEST(FrameStats, RestartForgetsTheOldScenariosDrawTimes) {
  atom_drawing::FrameStats stats;
  stats.restart(0.0);
  stats.addDrawTime(1.0);
  stats.restart(5.0);
  stats.addDrawTime(0.002);
  EXPECT_DOUBLE_EQ(stats.meanDrawTime(), 0.002);
}

TEST(FrameStats, FramesPerSecondCountsTheFramesSinceThePreviousReport) {
  atom_drawing::FrameStats stats;
  stats.restart(100.0);
  stats.countFrame();
  EXPECT_NEAR(stats.framesPerSecond(100.005), 1 / 0.005, 1e-6); // first report: one frame
  for (int i = 0; i < 10; ++i)
    stats.countFrame();
  EXPECT_NEAR(stats.framesPerSecond(100.055), 10 / 0.05, 1e-6);
}

TEST(FrameStats, NoElapsedTimeGivesZeroNotInfinity) {
  atom_drawing::FrameStats stats;
  stats.restart(7.0);
  stats.countFrame();
  EXPECT_EQ(stats.framesPerSecond(7.0), 0.0);
  stats.countFrame();
  EXPECT_EQ(stats.framesPerSecond(6.0), 0.0); // a clock that went back is no negative rate
}

TEST(FrameStats, AnIntervalStartedAfterAPauseLeavesThePauseOutOfTheRate) {
  atom_drawing::FrameStats stats;
  stats.restart(0.0);
  stats.addDrawTime(0.003);
  for (int i = 0; i < 4; ++i)
    stats.countFrame();
  stats.startInterval(60.0); // resumed after a minute's pause
  for (int i = 0; i < 10; ++i)
    stats.countFrame();
  EXPECT_DOUBLE_EQ(stats.framesPerSecond(60.5), 20.0);
  EXPECT_DOUBLE_EQ(stats.meanDrawTime(), 0.003);
}

} // namespace
