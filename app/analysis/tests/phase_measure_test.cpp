#include "analysis/phase_measure.h"
#include "test_frames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <utility>

using namespace analysis;
using namespace analysis::testing;

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
  const AtomFrame s = crystal(minimumDistance(kLiquidPair));
  const auto summary = summarisePhases(s, s, s);
  ASSERT_EQ(summary.size(), 1u);
  EXPECT_EQ(summary[0].atoms, 108);
  EXPECT_EQ(summary[0].rmsDisplacement, 0.0);
  EXPECT_EQ(summary[0].freeShare, 0.0);
  // Interior atoms have 12 neighbours, surface atoms fewer; none count the second shell.
  EXPECT_GT(summary[0].neighbours, 7.0);
  EXPECT_LT(summary[0].neighbours, 12.0);
  EXPECT_EQ(summary[0].phase, Phase::Solid);
}

TEST(PhaseSummary, ACrystalSlidingOrTurningAsAWholeIsStillSolid) {
  const AtomFrame start = crystal(minimumDistance(kLiquidPair));
  const auto slid = summarisePhases(start, start, shifted(start, 5000.0, -700.0));
  EXPECT_NEAR(slid[0].rmsDisplacement, 0.0, 1e-9);
  EXPECT_EQ(slid[0].phase, Phase::Solid);
  const auto turning = summarisePhases(start, start, turned(start, 0.2));
  EXPECT_LT(turning[0].recentDisplacement, 0.3);
  EXPECT_EQ(turning[0].phase, Phase::Solid);
}

// Each atom of the tetrahedron moves on to the next corner: the displacements
// add up to nothing, so each atom moves 4/3 r0 against the mean of its
// three neighbours.
TEST(PhaseSummary, AtomsThatMoveAgainstTheirNeighboursMakeALiquid) {
  const AtomFrame start = tetrahedron(minimumDistance(kLiquidPair));
  const auto summary = summarisePhases(start, start, tetrahedronTurnedOn(start));
  EXPECT_NEAR(summary[0].rmsDisplacement, 4.0 / 3.0, 1e-9);
  EXPECT_NEAR(summary[0].recentDisplacement, 4.0 / 3.0, 1e-9);
  EXPECT_EQ(summary[0].mobileShare, 1.0);
  EXPECT_EQ(summary[0].freeShare, 0.0);
  EXPECT_EQ(summary[0].phase, Phase::Liquid);
}

// A glass: a few atoms hop far while the rest stay at their places. Their
// large moves lift the mean displacement above what a crystal shows, but
// most atoms did not move, so it is no liquid.
TEST(PhaseSummary, AFewFarHoppingAtomsDoNotMakeAGlassALiquid) {
  const double r0 = minimumDistance(kLiquidPair);
  const AtomFrame start = crystal(r0);
  AtomFrame hopped = start;
  int moved = 0;
  for (std::size_t i = 0; i < hopped.types.size(); i += 11, ++moved)
    hopped.coords[3 * i] += (moved % 2 == 0 ? 2.0 : -2.0) * r0;
  const auto summary = summarisePhases(start, start, hopped);
  EXPECT_GT(summary[0].recentDisplacement, 0.3);
  // The hoppers, and a surface atom or two with few neighbours, one of them a hopper.
  EXPECT_GE(summary[0].mobileShare, moved / 108.0);
  EXPECT_LT(summary[0].mobileShare, 0.15);
  EXPECT_EQ(summary[0].phase, Phase::Solid);
}

TEST(PhaseLabel, ALiquidBelowItsMeltingPointIsSupercooled) {
  EXPECT_EQ(phaseLabel(Phase::Liquid, 255.0, 266.0), "supercooled liquid");
  EXPECT_EQ(phaseLabel(Phase::Liquid, 266.0, 266.0), "liquid");
  EXPECT_EQ(phaseLabel(Phase::Liquid, 255.0, std::nullopt), "liquid") << "melting point unknown";
  EXPECT_EQ(phaseLabel(Phase::Solid, 255.0, 266.0), "solid");
  EXPECT_EQ(phaseLabel(Phase::Gas, 20.0, 63.0), "gas");
  EXPECT_EQ(phaseLabel(Phase::None, 255.0, 266.0), "");
}

TEST(PhaseSummary, RmsCountsSinceTheStartAndRecentSinceTheRecentFrame) {
  const AtomFrame start = tetrahedron(minimumDistance(kLiquidPair));
  const AtomFrame now = tetrahedronTurnedOn(start);
  const auto summary = summarisePhases(start, now, now);
  EXPECT_NEAR(summary[0].rmsDisplacement, 4.0 / 3.0, 1e-9);
  EXPECT_EQ(summary[0].recentDisplacement, 0.0);
  EXPECT_EQ(summary[0].phase, Phase::Solid);
}

TEST(PhaseSummary, AtomsFarApartAreAGasAndLowerThirdCountsHeights) {
  AtomFrame s;
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
  EXPECT_EQ(summary[0].phase, Phase::Gas);
}

TEST(PhaseSummary, TypesAreSummarisedApartWithTheirOwnPair) {
  AtomFrame s = crystal(minimumDistance(kLiquidPair));
  s.typeCount = 3;
  const double weak[4] = {256.0, 2.0, 1412.0, 2048.0};
  for (int pair = 1; pair < 6; ++pair)
    s.pairParams.insert(s.pairParams.end(), weak, weak + 4);
  s.types[0] = 1;
  const auto summary = summarisePhases(s, s, s);
  ASSERT_EQ(summary.size(), 3u);
  EXPECT_EQ(summary[0].atoms, 107);
  EXPECT_EQ(summary[1].atoms, 1);
  EXPECT_EQ(summary[1].minimumDistance, 1412.0);
  EXPECT_EQ(summary[2].atoms, 0);
  EXPECT_EQ(summary[2].phase, Phase::None);
}

TEST(ClassifyPhases, GivesTheSummarysVerdictPerType) {
  const AtomFrame solid = crystal(minimumDistance(kLiquidPair));
  EXPECT_EQ(classifyPhases(solid, turned(solid, 0.2)), std::vector<Phase>{Phase::Solid});
  const AtomFrame liquid = tetrahedron(minimumDistance(kLiquidPair));
  EXPECT_EQ(classifyPhases(liquid, tetrahedronTurnedOn(liquid)), std::vector<Phase>{Phase::Liquid});
  AtomFrame twoTypes = solid;
  twoTypes.typeCount = 2;
  twoTypes.pairParams.resize(12, 1412.0);
  EXPECT_EQ(classifyPhases(twoTypes, twoTypes), (std::vector<Phase>{Phase::Solid, Phase::None}));
}

TEST(ClassifyPhases, NamesThePhases) {
  EXPECT_EQ(phaseName(Phase::Solid), "solid");
  EXPECT_EQ(phaseName(Phase::Liquid), "liquid");
  EXPECT_EQ(phaseName(Phase::Gas), "gas");
  EXPECT_EQ(phaseName(Phase::None), "");
}

TEST(ClassifyPhases, RefusesFramesThatAreNotWholeOrNotOfOneRun) {
  const AtomFrame good = tetrahedron(minimumDistance(kLiquidPair));
  AtomFrame badType = good;
  badType.types[2] = 1; // only type 0 exists
  AtomFrame shortCoords = good;
  shortCoords.coords.pop_back();
  AtomFrame noPairs = good;
  noPairs.typeCount = 2; // three pairs needed, one given
  AtomFrame fewerAtoms = good;
  fewerAtoms.types.pop_back();
  fewerAtoms.coords.resize(9);
  for (const AtomFrame *bad : {&badType, &shortCoords, &noPairs, &fewerAtoms}) {
    EXPECT_THROW(classifyPhases(good, *bad), std::invalid_argument);
    EXPECT_THROW(summarisePhases(*bad, good, good), std::invalid_argument);
  }
}

TEST(PhaseMix, ACrystalBesideAThinGasIsSolidAndGasAndTheSharesAddUp) {
  AtomFrame s = crystal(minimumDistance(kLiquidPair));
  s.box = {0, 0, 0, 200000, 30000, 30000};
  for (int k = 0; k < 40; ++k) { // far apart, beyond the crystal
    s.coords.insert(s.coords.end(), {40000.0 + 4000.0 * k, 15000.0, 15000.0});
    s.types.push_back(0);
  }
  const TypeSummary summary = summarisePhases(s, s, s)[0];
  EXPECT_DOUBLE_EQ(summary.freeShare, 40.0 / 148.0);
  EXPECT_DOUBLE_EQ(summary.solidShare, 108.0 / 148.0);
  EXPECT_EQ(summary.liquidShare, 0.0);
  EXPECT_EQ(summary.gasNeighbours, 0.0);
  EXPECT_EQ(summary.mix, PhaseMix::SolidGas);
  EXPECT_EQ(summary.phase, Phase::Solid) << "the single verdict keeps the majority's phase";
}

TEST(PhaseMix, APhaseCountsFromItsShareAndThreeGiveTheTwoLargest) {
  const auto mixOf = [](double solid, double liquid, double gas) {
    TypeSummary summary;
    summary.atoms = 100;
    summary.solidShare = solid;
    summary.liquidShare = liquid;
    summary.freeShare = gas;
    return phaseMixOf(summary);
  };
  EXPECT_EQ(mixOf(0.85, 0.15, 0.0), PhaseMix::Solid);
  EXPECT_EQ(mixOf(0.8, 0.2, 0.0), PhaseMix::SolidLiquid);
  EXPECT_EQ(mixOf(0.05, 0.6, 0.35), PhaseMix::LiquidGas);
  EXPECT_EQ(mixOf(0.0, 0.1, 0.9), PhaseMix::Gas);
  EXPECT_EQ(mixOf(0.5, 0.2, 0.3), PhaseMix::SolidGas);
  EXPECT_EQ(mixOf(0.25, 0.45, 0.3), PhaseMix::LiquidGas);
  EXPECT_EQ(phaseMixOf(TypeSummary{}), PhaseMix::None);
}

// Past the critical point a dense fluid's atoms are bound and unbound side
// by side, not apart: its "gas" atoms are crowded, no thin vapour.
TEST(PhaseMix, LiquidAndGasPartOnlyWhereTheGasIsAThinVapour) {
  TypeSummary summary;
  summary.atoms = 100;
  summary.liquidShare = 0.6;
  summary.freeShare = 0.4;
  summary.gasNeighbours = 0.5;
  EXPECT_EQ(phaseMixOf(summary), PhaseMix::LiquidGas);
  summary.gasNeighbours = kVapourNeighbours;
  EXPECT_EQ(phaseMixOf(summary), PhaseMix::Liquid);
  std::swap(summary.liquidShare, summary.freeShare);
  EXPECT_EQ(phaseMixOf(summary), PhaseMix::Gas);
  summary.solidShare = 0.5; // a crystal among crowded gas atoms still stands apart
  summary.liquidShare = 0.0;
  summary.freeShare = 0.5;
  EXPECT_EQ(phaseMixOf(summary), PhaseMix::SolidGas);
}

TEST(PhaseMix, NamesReadBackAndNothingElseIsAMix) {
  for (const auto mix : {PhaseMix::Solid, PhaseMix::Liquid, PhaseMix::Gas, PhaseMix::SolidLiquid,
                         PhaseMix::LiquidGas, PhaseMix::SolidGas})
    EXPECT_EQ(phaseMixFromName(phaseMixName(mix)), mix);
  EXPECT_EQ(phaseMixName(PhaseMix::LiquidGas), "liquid and gas");
  EXPECT_EQ(phaseMixFromName(""), std::nullopt);
  EXPECT_EQ(phaseMixFromName("plasma"), std::nullopt);
}

// A gas pressed as dense as a liquid: each atom crowded by neighbours, but
// too hot for their pull to hold it. Known to be hot, it is a gas; at an
// unknown temperature only the neighbour count speaks, and it reads bound.
TEST(PhaseMix, ACrowdTooHotForItsBondsIsAGas) {
  const double r0 = minimumDistance(kLiquidPair);
  AtomFrame s = crystal(r0);
  const TypeSummary unknown = summarisePhases(s, s, s)[0];
  EXPECT_EQ(unknown.freeShare, 0.0);
  // Interior atoms of the crystal: 12 neighbours at the well, -A/4 each.
  s.temperature = 4096.0 * 12.0 / 4.0 / 1.5 + 1.0; // too hot even for them
  const TypeSummary hot = summarisePhases(s, s, s)[0];
  EXPECT_EQ(hot.freeShare, 1.0);
  EXPECT_EQ(hot.mix, PhaseMix::Gas);
  // Cold enough for an atom with 3 bonds (-3072 K), as a corner atom of the
  // crystal has.
  s.temperature = 3072.0 / 1.5 - 1.0;
  const TypeSummary cool = summarisePhases(s, s, s)[0];
  EXPECT_EQ(cool.freeShare, 0.0);
  EXPECT_EQ(cool.mix, PhaseMix::Solid);
}
