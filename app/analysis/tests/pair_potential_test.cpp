// The pair energy curve: its lowest point where the pair table's parameters
// put the well, its ends at the wall and the cut-off.
#include "analysis/pair_potential.h"

#include "analysis/atom_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace analysis;

namespace {

constexpr double kLiquid[4] = {4096.0, 1.0, 1412.0, 2048.0};
constexpr double kDefault[4] = {1024.0, 2.0, 1412.0, 2048.0};
constexpr double kGas[4] = {256.0, 0.5, 1412.0, 2048.0};

} // namespace

TEST(PairPotential, TheCurvesLowestPointIsTheWellOfThePairTable) {
  for (const double *pair : {kLiquid, kDefault, kGas}) {
    const auto curve = potentialCurve(pair, 4001);
    const auto lowest = std::min_element(curve.begin(), curve.end(),
                                         [](auto &a, auto &b) { return a.energy < b.energy; });
    const double step = curve[1].r - curve[0].r;
    const double a = pair[0], b = pair[1];
    // The well lies where s² = b/2, A·b²/4 deep.
    EXPECT_NEAR(lowest->r, minimumDistance(pair), step) << "A " << a;
    EXPECT_NEAR(lowest->energy, -a * b * b / 4.0, 1e-3 * a) << "A " << a;
    const PotentialWell well = potentialWell(pair);
    EXPECT_NEAR(well.energy, -a * b * b / 4.0, 1e-9 * a);
  }
  EXPECT_NEAR(potentialWell(kDefault).distance, 1412.0, 1e-9) << "with b = 2 the well is at C";
}

TEST(PairPotential, TheCurveRunsFromTheWallToTheCutOff) {
  const auto curve = potentialCurve(kLiquid, 100);
  ASSERT_EQ(curve.size(), 100u);
  EXPECT_EQ(curve.back().r, 2048.0);
  EXPECT_EQ(curve.back().energy, 0.0);
  // The wall starts as high above zero as the well is deep.
  EXPECT_NEAR(curve.front().energy, 1024.0, 1e-6);
  EXPECT_LT(curve.front().r, minimumDistance(kLiquid));
  EXPECT_EQ(pairEnergy(kLiquid, 2048.0), 0.0);
  EXPECT_EQ(pairEnergy(kLiquid, 5000.0), 0.0);
}

TEST(PairPotential, ASoftCoreOrADegeneratePairGivesAFiniteCurve) {
  // A weak core: E(0) stays below the well's depth, so the curve starts at 0.
  const double soft[4] = {100.0, 8.0, 1412.0, 2048.0};
  EXPECT_EQ(wallStart(soft), 0.0);
  const double flat[4] = {1024.0, 1.0, 2048.0, 2048.0};
  for (const PotentialPoint &p : potentialCurve(flat, 10))
    EXPECT_EQ(p.energy, 0.0);
}
