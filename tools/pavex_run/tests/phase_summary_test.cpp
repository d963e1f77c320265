#include "phase_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace PavexRun;

namespace {

const double kLiquidPair[4] = {4096.0, 1.0, 1412.0, 2048.0};

// A face-centred cube of 3 × 3 × 3 cells with neighbours at r0, one type.
Snapshot crystal(double r0) {
  Snapshot s;
  const double a = r0 * std::sqrt(2.0);
  const double basis[4][3] = {{0, 0, 0}, {0.5, 0.5, 0}, {0.5, 0, 0.5}, {0, 0.5, 0.5}};
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 3; ++y)
      for (int z = 0; z < 3; ++z)
        for (const auto &b : basis) {
          s.coords.insert(s.coords.end(),
                          {10000 + (x + b[0]) * a, 3000 + (y + b[1]) * a, 10000 + (z + b[2]) * a});
          s.types.push_back(0);
        }
  s.pairParams.assign(kLiquidPair, kLiquidPair + 4);
  s.box = {0, 0, 0, 30000, 30000, 30000};
  return s;
}

Snapshot shifted(Snapshot s, double dx, double dy) {
  for (std::size_t i = 0; i < s.types.size(); ++i) {
    s.coords[3 * i] += dx;
    s.coords[3 * i + 1] += dy;
  }
  return s;
}

} // namespace

TEST(PairGeometry, MinimumLiesAtReferenceDistanceForShapeTwo) {
  const double pair[4] = {1024.0, 2.0, 1412.0, 2048.0};
  EXPECT_DOUBLE_EQ(minimumDistance(pair), 1412.0);
  EXPECT_DOUBLE_EQ(neighbourRadius(pair), 1.25 * 1412.0);
}

TEST(PairGeometry, MinimumMovesOutwardForShapeOne) {
  // s² = 1/2 at r² = D² − √½·(D² − C²).
  const double expected =
      std::sqrt(2048.0 * 2048.0 - std::sqrt(0.5) * (2048.0 * 2048.0 - 1412.0 * 1412.0));
  EXPECT_NEAR(minimumDistance(kLiquidPair), expected, 1e-9);
  EXPECT_NEAR(expected, 1624.276, 1e-3);
  const double shortCutOff[4] = {4096.0, 1.0, 1412.0, 1700.0};
  EXPECT_DOUBLE_EQ(neighbourRadius(shortCutOff), 1700.0);
  const double repulsive[4] = {4096.0, -1.0, 1412.0, 2048.0};
  EXPECT_DOUBLE_EQ(minimumDistance(repulsive), 1412.0);
}

TEST(PhaseSummary, ACrystalThatStaysPutIsSolid) {
  const Snapshot s = crystal(minimumDistance(kLiquidPair));
  const auto summary = summarisePhases(s, s, s);
  ASSERT_EQ(summary.size(), 1u);
  EXPECT_EQ(summary[0].atoms, 108);
  EXPECT_EQ(summary[0].rmsDisplacement, 0.0);
  EXPECT_EQ(summary[0].freeShare, 0.0);
  // Interior atoms have 12 neighbours, surface atoms fewer; none count the second shell.
  EXPECT_GT(summary[0].neighbours, 7.0);
  EXPECT_LT(summary[0].neighbours, 12.0);
  EXPECT_EQ(summary[0].phase, "solid");
}

TEST(PhaseSummary, DriftOfTheWholeTypeIsNotDisplacement) {
  const Snapshot start = crystal(minimumDistance(kLiquidPair));
  const Snapshot now = shifted(start, 5000.0, -700.0);
  const auto summary = summarisePhases(start, start, now);
  EXPECT_NEAR(summary[0].rmsDisplacement, 0.0, 1e-9);
  EXPECT_EQ(summary[0].phase, "solid");
}

TEST(PhaseSummary, ACrystalTurningAsAWholeIsStillSolid) {
  const Snapshot start = crystal(minimumDistance(kLiquidPair));
  Snapshot now = start;
  const double turn = 0.2; // radians about the vertical through (10000, 10000)
  for (std::size_t i = 0; i < now.types.size(); ++i) {
    const double x = start.coords[3 * i] - 10000.0, z = start.coords[3 * i + 2] - 10000.0;
    now.coords[3 * i] = 10000.0 + std::cos(turn) * x - std::sin(turn) * z;
    now.coords[3 * i + 2] = 10000.0 + std::sin(turn) * x + std::cos(turn) * z;
  }
  const auto summary = summarisePhases(start, start, now);
  EXPECT_LT(summary[0].recentDisplacement, 0.3);
  EXPECT_EQ(summary[0].phase, "solid");
}

// Four atoms at the corners of a tetrahedron of edge r0, each with three
// neighbours, each moving on to the next corner: the displacements add up to
// nothing, so each atom moves 4/3 r0 against the mean of its neighbours.
TEST(PhaseSummary, AtomsThatMoveAgainstTheirNeighboursMakeALiquid) {
  const double r0 = minimumDistance(kLiquidPair);
  Snapshot start;
  start.coords = {0,
                  0,
                  0,
                  r0,
                  0,
                  0,
                  r0 / 2,
                  r0 * std::sqrt(3.0) / 2,
                  0,
                  r0 / 2,
                  r0 * std::sqrt(3.0) / 6,
                  r0 * std::sqrt(2.0 / 3.0)};
  for (double &c : start.coords)
    c += 10000.0;
  start.types = {0, 0, 0, 0};
  start.pairParams.assign(kLiquidPair, kLiquidPair + 4);
  start.box = {0, 0, 0, 30000, 30000, 30000};
  Snapshot now = start;
  std::rotate(now.coords.begin(), now.coords.begin() + 3, now.coords.end());
  const auto summary = summarisePhases(start, start, now);
  EXPECT_NEAR(summary[0].rmsDisplacement, 4.0 / 3.0, 1e-9);
  EXPECT_NEAR(summary[0].recentDisplacement, 4.0 / 3.0, 1e-9);
  EXPECT_EQ(summary[0].freeShare, 0.0);
  EXPECT_EQ(summary[0].phase, "liquid");
}

TEST(PhaseSummary, AtomsFarApartAreAGasAndLowerThirdCountsHeights) {
  Snapshot s;
  s.pairParams.assign(kLiquidPair, kLiquidPair + 4);
  s.box = {0, 3000, 0, 30000, 33000, 30000}; // lower third below y = 13000
  for (int k = 0; k < 4; ++k) {
    s.coords.insert(s.coords.end(), {5000.0 * (k + 1), k < 3 ? 12000.0 : 14000.0, 5000.0});
    s.types.push_back(0);
  }
  const auto summary = summarisePhases(s, s, s);
  EXPECT_EQ(summary[0].neighbours, 0.0);
  EXPECT_EQ(summary[0].freeShare, 1.0);
  EXPECT_EQ(summary[0].lowerThird, 0.75);
  EXPECT_EQ(summary[0].phase, "gas");
}

TEST(PhaseSummary, TypesAreSummarisedApartWithTheirOwnPair) {
  Snapshot s = crystal(minimumDistance(kLiquidPair));
  s.typeCount = 2;
  const double weak[4] = {256.0, 2.0, 1412.0, 2048.0};
  s.pairParams.insert(s.pairParams.end(), weak, weak + 4);
  s.pairParams.insert(s.pairParams.end(), weak, weak + 4);
  s.types[0] = 1;
  const auto summary = summarisePhases(s, s, s);
  ASSERT_EQ(summary.size(), 2u);
  EXPECT_EQ(summary[0].atoms, 107);
  EXPECT_EQ(summary[1].atoms, 1);
  EXPECT_EQ(summary[1].minimumDistance, 1412.0);
}
