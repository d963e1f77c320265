#include "analysis/mobility.h"
#include "test_frames.h"

#include <gtest/gtest.h>

using namespace analysis;
using namespace analysis::testing;

TEST(Mobility, ACrystalSlidingAndTurningAsABlockHasNoMobileAtoms) {
  const AtomFrame start = crystal(minimumDistance(kLiquidPair));
  EXPECT_EQ(mobileShares(start, shifted(turned(start, 0.15), 4000.0, 300.0)),
            std::vector<double>{0.0});
}

TEST(Mobility, AtomsMovingAgainstTheirNeighboursAreMobile) {
  const AtomFrame start = tetrahedron(minimumDistance(kLiquidPair));
  EXPECT_EQ(mobileShares(start, tetrahedronTurnedOn(start)), std::vector<double>{1.0});
}

// Half a bond length against the mean of the neighbours marks the boundary:
// one atom of the crystal moved just short of it and one just beyond it (its
// neighbours stay, so its own move is its displacement).
TEST(Mobility, CountsTheShareOfEachTypeBeyondHalfABondLength) {
  const double r0 = minimumDistance(kLiquidPair);
  AtomFrame start = crystal(r0);
  start.typeCount = 2;
  const double weak[4] = {256.0, 2.0, 1412.0, 2048.0};
  for (int pair = 1; pair < 3; ++pair)
    start.pairParams.insert(start.pairParams.end(), weak, weak + 4);
  for (std::size_t i = 100; i < 108; ++i)
    start.types[i] = 1; // 8 atoms of type 1, r0 1412
  AtomFrame now = start;
  now.coords[3 * 10] += 0.49 * r0;
  now.coords[3 * 20 + 1] += 0.51 * r0;
  now.coords[3 * 30 + 2] -= 0.6 * r0;
  now.coords[3 * 104] += 0.55 * 1412.0;
  const auto shares = mobileShares(start, now);
  ASSERT_EQ(shares.size(), 2u);
  EXPECT_DOUBLE_EQ(shares[0], 2.0 / 100.0);
  EXPECT_DOUBLE_EQ(shares[1], 1.0 / 8.0);
}

TEST(Mobility, ATypeWithoutAtomsHasNoMobileShare) {
  AtomFrame start = tetrahedron(minimumDistance(kLiquidPair));
  start.typeCount = 2;
  start.pairParams.resize(12, 1412.0);
  EXPECT_EQ(mobileShares(start, tetrahedronTurnedOn(start)), (std::vector<double>{1.0, 0.0}));
}

TEST(Mobility, RefusesFramesOfDifferentAtoms) {
  const AtomFrame start = tetrahedron(minimumDistance(kLiquidPair));
  AtomFrame other = start;
  other.types[1] = 1;
  other.typeCount = 2;
  other.pairParams.resize(12, 1412.0);
  EXPECT_THROW(mobileShares(start, other), std::invalid_argument);
}
