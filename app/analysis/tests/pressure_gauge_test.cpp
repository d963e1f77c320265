// The pressure gauge's window and the barostat's damped pull on the lid.
#include "analysis/barostat.h"
#include "analysis/pressure_gauge.h"
#include "analysis/wall_pressure.h"

#include <gtest/gtest.h>

#include <cmath>

using analysis::Barostat;
using analysis::PressureGauge;

namespace {

constexpr std::int64_t kWindow = PressureGauge::kWindowSteps;

} // namespace

TEST(PressureGauge, ReadsOnlyOnceAWholeWindowIsCoveredAndThenItsMean) {
  PressureGauge gauge;
  EXPECT_FALSE(gauge.reading().has_value());
  for (std::int64_t step = 100; step < 100 + kWindow; step += 100)
    gauge.add(step, 1.0);
  EXPECT_FALSE(gauge.reading().has_value()) << "one reading short of a whole window";
  gauge.add(100 + kWindow, 4.0);
  ASSERT_TRUE(gauge.reading().has_value());
  // The first reading left the window: 19 readings of 1 and one of 4.
  EXPECT_DOUBLE_EQ(*gauge.reading(), 23.0 / 20.0);
}

TEST(PressureGauge, OldReadingsLeaveTheWindowAndClearingStartsAfresh) {
  PressureGauge gauge;
  for (std::int64_t step = 0; step <= 3 * kWindow; step += 5)
    gauge.add(step, step < 2 * kWindow ? 10.0 : 2.0);
  ASSERT_TRUE(gauge.reading().has_value());
  EXPECT_DOUBLE_EQ(*gauge.reading(), 2.0) << "only the last window's readings count";
  gauge.clear();
  gauge.add(3 * kWindow + 5, 7.0);
  EXPECT_FALSE(gauge.reading().has_value());
}

namespace {

constexpr double kFileHeight = 27000.0;
constexpr double kSmallest = 0.3;

double innerHeight(double lid) { return lid * kFileHeight - 2.0 * analysis::kWallSkin; }

// An ideal gas under the lid: P·h constant, 1 at the file's box.
double idealGas(double lid) { return innerHeight(1.0) / innerHeight(lid); }

// Runs the barostat on the ideal gas, the lid going wherever it is sent at
// once; returns the lid's heights at each decision.
std::vector<double> decisions(Barostat &barostat, double lid, int count,
                              double (*pressure)(double) = idealGas) {
  std::vector<double> heights;
  for (std::int64_t step = 0; heights.size() < std::size_t(count); step += 5)
    if (const auto next = barostat.decide(step, lid, pressure(lid))) {
      lid = *next;
      heights.push_back(lid);
    }
  return heights;
}

} // namespace

TEST(Barostat, WaitsForAStillLidAndAWholeWindowOfReadings) {
  Barostat barostat(2.0, kFileHeight, kSmallest);
  EXPECT_FALSE(barostat.decide(0, 1.0, 1.0)) << "the lid just arrived";
  EXPECT_FALSE(barostat.decide(kWindow - 5, 1.0, 1.0));
  EXPECT_FALSE(barostat.decide(kWindow, 1.0, std::nullopt)) << "no reading yet";
  EXPECT_FALSE(barostat.decide(kWindow + 5, 0.9, 1.0)) << "the lid moved: a new window";
  EXPECT_TRUE(barostat.decide(2 * kWindow + 5, 0.9, 1.0).has_value());
}

TEST(Barostat, SettlesAnIdealGasAtTheHeldPressureWithoutLargeJumps) {
  Barostat barostat(1.8, kFileHeight, kSmallest);
  const auto heights = decisions(barostat, 1.0, 12);
  double previous = 1.0;
  for (const double lid : heights) {
    const double change = innerHeight(lid) / innerHeight(previous);
    EXPECT_LE(std::abs(std::log(change)), std::log1p(Barostat::kLargestChange) + 1e-12);
    previous = lid;
  }
  EXPECT_NEAR(idealGas(heights.back()), 1.8, 0.03 * 1.8);
  EXPECT_NEAR(idealGas(heights[7]), 1.8, 0.1 * 1.8) << "within 10 % after eight decisions";
}

TEST(Barostat, LowPressureBringsTheLidDownAndHighRaisesItWithinItsRange) {
  Barostat squeeze(100.0, kFileHeight, kSmallest);
  EXPECT_DOUBLE_EQ(decisions(squeeze, 1.0, 30).back(), kSmallest);
  Barostat release(1e-3, kFileHeight, kSmallest);
  EXPECT_DOUBLE_EQ(decisions(release, 0.5, 30).back(), 1.0);
  Barostat empty(1.0, kFileHeight, kSmallest);
  const auto nothing = decisions(empty, 1.0, 1, [](double) { return 0.0; });
  EXPECT_LT(nothing[0], 1.0) << "no push at all reads as far too low a pressure";
}

// A vapour over its liquid keeps its pressure whatever the volume: only the
// integral term moves the lid, and it does not wind up while the lid is
// pinned at an end, so the lid turns as soon as the pressure does.
TEST(Barostat, ThePinnedLidDoesNotWindUpAndTurnsAtOnce) {
  Barostat barostat(1.0, kFileHeight, kSmallest);
  const auto pinned = decisions(barostat, 0.5, 20, [](double) { return 1.5; });
  EXPECT_DOUBLE_EQ(pinned.back(), 1.0) << "a boiling liquid lifts the lid to the top";
  const auto turned = decisions(barostat, 1.0, 1, [](double) { return 0.7; });
  EXPECT_LT(turned[0], 1.0) << "the vapour condenses: the lid comes down at the next decision";
}

// A box of 10,000 x 8,000 x 6,000: the lid's skin has an inner face of
// 5,904 x 1,904.
TEST(LidPressure, OnlyTheAtomsInTheLidsSkinPushOnItsInnerFace) {
  const std::array<double, 6> box{0, 0, 0, 10000, 8000, 6000};
  const double y = 8000 - analysis::kWallSkin + 318.0;
  const double one = analysis::lidPushPressure({5000, y, 3000}, box);
  EXPECT_GT(one, 0.0);
  EXPECT_DOUBLE_EQ(
      analysis::lidPushPressure({5000, y, 3000, 5000, 100, 3000, 100, 4000, 3000}, box), one)
      << "the floor and a side wall are not the lid";
  EXPECT_NEAR(one * 5904.0 * 1904.0,
              analysis::wallPushPressure({5000, y, 3000}, box) * analysis::innerArea(box), 1e-9)
      << "the same push, over the lid's face instead of all six";
  EXPECT_DOUBLE_EQ(analysis::lidPushPressure({5000, y, 3000}, {0, 0, 0, 10000, 4000, 6000}), 0.0)
      << "no room between the skins";
}
