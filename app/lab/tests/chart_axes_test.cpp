// Axis ranges from one round number to another, and logarithmic axes over
// whole decades.
#include "chart_axes.h"

#include <QLogValueAxis>
#include <QValueAxis>
#include <gtest/gtest.h>

TEST(ChartAxes, RoundStepsAreOneTwoOrFiveTimesAPowerOfTen) {
  EXPECT_DOUBLE_EQ(lab::roundStep(5.0), 1.0);
  EXPECT_DOUBLE_EQ(lab::roundStep(7.0), 2.0);
  EXPECT_DOUBLE_EQ(lab::roundStep(20.0), 5.0);
  EXPECT_DOUBLE_EQ(lab::roundStep(30.0), 10.0);
  EXPECT_DOUBLE_EQ(lab::roundStep(0.04), 0.01);
}

TEST(ChartAxes, AValueAxisSpansTheValuesFromRoundNumberToRoundNumber) {
  QValueAxis axis;
  lab::fitAxis(&axis, 42.5, 307.5);
  EXPECT_EQ(axis.min(), 0.0);
  EXPECT_EQ(axis.max(), 400.0);
  EXPECT_EQ(axis.tickCount(), 5);
  lab::fitAxis(&axis, 3.0, 3.0);
  EXPECT_LT(axis.min(), axis.max()) << "a single value still gets a span";
  lab::fitAxis(&axis, 10.0, 5.0);
  EXPECT_LT(axis.min(), axis.max()) << "an empty span changes nothing";
}

TEST(ChartAxes, ALogarithmicAxisSpansWholeDecades) {
  QLogValueAxis axis;
  lab::fitLogAxis(&axis, 0.611657, 22064.0);
  EXPECT_DOUBLE_EQ(axis.min(), 0.1);
  EXPECT_DOUBLE_EQ(axis.max(), 100000.0);
  lab::fitLogAxis(&axis, 100.0, 100.0);
  EXPECT_DOUBLE_EQ(axis.min(), 100.0);
  EXPECT_DOUBLE_EQ(axis.max(), 1000.0) << "at least one decade";
  lab::fitLogAxis(&axis, 0.0, 5.0);
  EXPECT_DOUBLE_EQ(axis.min(), 100.0) << "no logarithm of zero: nothing changes";
}
