#include "analysis/heating_plateau.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

using analysis::findPlateau;
using analysis::Sample;

namespace {

constexpr double kHeatCapacity = 3.0; // energy per atom per kelvin: a classical solid
constexpr double kRampStart = 1500.0; // kelvin
constexpr double kRampEnd = 2500.0;
constexpr int kRampSamples = 2000;
constexpr double kMelting = 1800.0;    // kelvin
constexpr double kMeltingHeat = 600.0; // kelvin per atom
constexpr double kBoiling = 2200.0;
constexpr double kBoilingHeat = 1200.0;

// A rise of the energy by `height` spread smoothly over `temperature` ±
// `halfWidth` kelvin: the curve is straight on either side of it.
struct Step {
  double temperature = 0.0;
  double height = 0.0;
  double halfWidth = 2.0;
};

double energyAt(double temperature, const std::vector<Step> &steps) {
  double energy = kHeatCapacity * temperature;
  for (const Step &step : steps) {
    const double t = std::clamp((temperature - step.temperature) / step.halfWidth, -1.0, 1.0);
    const double u = (t + 1.0) / 2.0;
    energy += step.height * u * u * (3.0 - 2.0 * u);
  }
  return energy;
}

double temperatureAt(double energy, const std::vector<Step> &steps) {
  double low = 0.0;
  double high = 1e4;
  while (high - low > 1e-9)
    (energyAt((low + high) / 2.0, steps) < energy ? low : high) = (low + high) / 2.0;
  return low;
}

// A ramp from `start` to `end` kelvin through which the energy rises at a
// steady pace, as when heat flows in at a steady rate: the temperature stalls
// at each step. The measured temperature and the energy carry a
// deterministic noise of ±`noise` kelvin and ±kHeatCapacity·`noise` per atom.
std::deque<Sample> rampCurve(const std::vector<Step> &steps, double start = kRampStart,
                             double end = kRampEnd, int samples = kRampSamples,
                             double noise = 4.0) {
  std::mt19937 random(7);
  const auto jitter = [&] {
    return noise * (2.0 * double(random()) / double(std::mt19937::max()) - 1.0);
  };
  const double first = energyAt(start, steps);
  const double last = energyAt(end, steps);
  std::deque<Sample> curve;
  for (int i = 0; i < samples; ++i) {
    const double share = double(i) / double(samples - 1);
    Sample s;
    s.step = 20 * i;
    s.thermostat = start + share * (end - start);
    s.total = first + share * (last - first);
    s.temperature = temperatureAt(s.total, steps) + jitter();
    s.total += kHeatCapacity * jitter();
    curve.push_back(s);
  }
  return curve;
}

// A ramp whose points lie evenly kPointSpacing kelvin apart in measured
// temperature, so that the climb of point i is `climbs[i]` (the first and
// last are ignored). The first bin lies in the settling share and gives no
// point.
constexpr std::size_t kPointCount = analysis::kPlateauCurvePoints - 1;
constexpr double kPointSpacing = 20.0; // kelvin
constexpr int kSamplesPerBin = 4;

std::deque<Sample> curveWithClimbs(const std::vector<double> &climbs) {
  std::vector<double> energy(kPointCount);
  energy[1] = kHeatCapacity * kPointSpacing;
  for (std::size_t i = 1; i + 1 < kPointCount; ++i)
    energy[i + 1] = energy[i - 1] + 2.0 * kPointSpacing * climbs[i];
  std::deque<Sample> curve;
  for (std::size_t bin = 0; bin <= kPointCount; ++bin) {
    const std::size_t point = std::max<std::size_t>(bin, 1) - 1;
    for (int j = 0; j < kSamplesPerBin; ++j) {
      Sample s;
      s.step = std::int64_t(curve.size());
      s.thermostat = kRampStart + (double(bin) + (j + 0.5) / kSamplesPerBin) * kPointSpacing;
      s.temperature = kRampStart + kPointSpacing * double(point);
      s.total = energy[point];
      curve.push_back(s);
    }
  }
  curve.front().thermostat = kRampStart;
  curve.back().thermostat = kRampEnd;
  return curve;
}

// Ordinary climbs with these points steeper.
std::vector<double> climbsWithSteep(const std::vector<std::size_t> &points, double climb) {
  std::vector<double> climbs(kPointCount, kHeatCapacity);
  for (const std::size_t i : points)
    climbs[i] = climb;
  return climbs;
}

const std::vector<Step> kMeltingOnly = {{kMelting, kMeltingHeat}};
const std::vector<Step> kMeltingAndBoiling = {{kMelting, kMeltingHeat}, {kBoiling, kBoilingHeat}};

} // namespace

TEST(HeatingPlateau, FindsTheMeltingPointAndTheLatentHeat) {
  const auto plateau = findPlateau(rampCurve(kMeltingOnly), kRampStart, kRampEnd);
  ASSERT_TRUE(plateau);
  EXPECT_NEAR(plateau->temperature, kMelting, 1.0);
  EXPECT_NEAR(plateau->latentHeat, kMeltingHeat, 0.03 * kMeltingHeat);
  EXPECT_LE(plateau->low, plateau->temperature);
  EXPECT_GE(plateau->high, plateau->temperature);
  EXPECT_GT(plateau->low, kMelting - 10.0);
  EXPECT_LT(plateau->high, kMelting + 10.0);
}

TEST(HeatingPlateau, ASmearedPlateauDoesNotCountTheWarmingAcrossItAsLatentHeat) {
  // Spread over 60 K, as a short ramp smears melting: the energy also rises
  // by kHeatCapacity per kelvin across it, which is no latent heat.
  for (const double halfWidth : {15.0, 30.0}) {
    const auto plateau =
        findPlateau(rampCurve({{kMelting, kMeltingHeat, halfWidth}}), kRampStart, kRampEnd);
    ASSERT_TRUE(plateau) << halfWidth;
    EXPECT_NEAR(plateau->temperature, kMelting, 2.0) << halfWidth;
    EXPECT_NEAR(plateau->latentHeat, kMeltingHeat, 0.03 * kMeltingHeat) << halfWidth;
  }
}

TEST(HeatingPlateau, AStraightLineOrASmoothlySteeperOneHasNoPlateau) {
  EXPECT_FALSE(findPlateau(rampCurve({}), kRampStart, kRampEnd));
  // A glass: its heat capacity triples over the ramp, without a step.
  auto glass = rampCurve({});
  for (Sample &s : glass)
    s.total += kHeatCapacity * (s.temperature - kRampStart) * (s.temperature - kRampStart) /
               (kRampEnd - kRampStart);
  EXPECT_FALSE(findPlateau(glass, kRampStart, kRampEnd));
}

TEST(HeatingPlateau, AStretchThatTakesInNoHeatIsNoPlateau) {
  // The measured temperature follows the thermostat; the energy jumps up by
  // the latent heat near kMelting, or drops by as much, which no heating
  // does: thermal noise at most.
  for (const double sign : {1.0, -1.0}) {
    std::deque<Sample> curve;
    for (int i = 0; i < kRampSamples; ++i) {
      Sample s;
      s.thermostat = kRampStart + (kRampEnd - kRampStart) * i / (kRampSamples - 1.0);
      s.temperature = s.thermostat;
      s.total = energyAt(s.temperature, {{kMelting, sign * kMeltingHeat, 5.0}});
      curve.push_back(s);
    }
    const auto plateau = findPlateau(curve, kRampStart, kRampEnd);
    EXPECT_EQ(plateau.has_value(), sign > 0.0);
    if (plateau) {
      EXPECT_NEAR(plateau->latentHeat, kMeltingHeat, 0.03 * kMeltingHeat);
    }
  }
}

TEST(HeatingPlateau, TheWindowChoosesBetweenMeltingAndBoiling) {
  const auto curve = rampCurve(kMeltingAndBoiling);
  const auto melting = findPlateau(curve, kMelting - 100.0, kMelting + 100.0);
  ASSERT_TRUE(melting);
  EXPECT_NEAR(melting->temperature, kMelting, 1.0);
  EXPECT_NEAR(melting->latentHeat, kMeltingHeat, 0.03 * kMeltingHeat);
  const auto boiling = findPlateau(curve, kBoiling - 100.0, kBoiling + 100.0);
  ASSERT_TRUE(boiling);
  EXPECT_NEAR(boiling->temperature, kBoiling, 1.0);
  EXPECT_NEAR(boiling->latentHeat, kBoilingHeat, 0.03 * kBoilingHeat);
  // Both in the window: the steeper one, boiling with its larger heat.
  const auto both = findPlateau(curve, kRampStart, kRampEnd);
  ASSERT_TRUE(both);
  EXPECT_NEAR(both->temperature, kBoiling, 1.0);
  EXPECT_FALSE(findPlateau(curve, kMelting + 100.0, kBoiling - 100.0));
}

TEST(HeatingPlateau, PlateausCloseTogetherAreEachMeasuredAgainstTheCurveBetweenThem) {
  const double boiling = kMelting + 100.0;
  const auto curve = rampCurve({{kMelting, kMeltingHeat}, {boiling, kBoilingHeat}});
  const auto melting = findPlateau(curve, kMelting - 50.0, kMelting + 50.0);
  ASSERT_TRUE(melting);
  EXPECT_NEAR(melting->latentHeat, kMeltingHeat, 0.03 * kMeltingHeat);
  const auto boils = findPlateau(curve, boiling - 50.0, boiling + 50.0);
  ASSERT_TRUE(boils);
  EXPECT_NEAR(boils->temperature, boiling, 1.0);
  EXPECT_NEAR(boils->latentHeat, kBoilingHeat, 0.03 * kBoilingHeat);
}

TEST(HeatingPlateau, ARampThatHasNotPassedTheWindowYetHasNoPlateauThere) {
  auto curve = rampCurve(kMeltingAndBoiling);
  const double now = kBoiling + 50.0; // the thermostat has got this far
  while (curve.back().thermostat > now)
    curve.pop_back();
  EXPECT_FALSE(findPlateau(curve, kBoiling - 100.0, kBoiling + 100.0));
  const auto melting = findPlateau(curve, kMelting - 100.0, kMelting + 100.0);
  ASSERT_TRUE(melting);
  EXPECT_NEAR(melting->temperature, kMelting, 1.0);
}

TEST(HeatingPlateau, ACoolingRampShowsFreezingWithThePositiveLatentHeat) {
  auto curve = rampCurve(kMeltingOnly);
  std::reverse(curve.begin(), curve.end());
  for (std::size_t i = 0; i < curve.size(); ++i)
    curve[i].step = 20 * std::int64_t(i);
  const auto freezing = findPlateau(curve, kMelting - 100.0, kMelting + 100.0);
  ASSERT_TRUE(freezing);
  EXPECT_NEAR(freezing->temperature, kMelting, 1.0);
  EXPECT_NEAR(freezing->latentHeat, kMeltingHeat, 0.03 * kMeltingHeat);
  // Cooled only to 1750 K so far: not yet below the window.
  while (curve.back().thermostat < kMelting - 50.0)
    curve.pop_back();
  EXPECT_FALSE(findPlateau(curve, kMelting - 100.0, kMelting + 100.0));
}

TEST(HeatingPlateau, TooShortOrStillCurvesHaveNoPlateau) {
  EXPECT_FALSE(findPlateau({}, kRampStart, kRampEnd));
  const int fewest = int(analysis::kPlateauCurvePoints);
  EXPECT_FALSE(findPlateau(rampCurve(kMeltingOnly, kRampStart, kRampEnd, fewest - 1, 0.0),
                           kRampStart, kRampEnd));
  EXPECT_TRUE(findPlateau(rampCurve(kMeltingOnly, kRampStart, kRampEnd, 4 * fewest, 0.0),
                          kRampStart, kRampEnd));
  auto held = rampCurve(kMeltingOnly);
  for (Sample &s : held)
    s.thermostat = kRampEnd;
  EXPECT_FALSE(findPlateau(held, kRampStart, kRampEnd));
}

TEST(HeatingPlateau, SamplesOfABlownUpSimulationAreLeftOut) {
  auto curve = rampCurve(kMeltingOnly);
  const auto clean = findPlateau(curve, kRampStart, kRampEnd);
  ASSERT_TRUE(clean);
  for (std::size_t i = 100; i < curve.size(); i += 97)
    (i % 2 ? curve[i].total : curve[i].temperature) = std::numeric_limits<double>::quiet_NaN();
  const auto plateau = findPlateau(curve, kRampStart, kRampEnd);
  ASSERT_TRUE(plateau);
  EXPECT_NEAR(plateau->temperature, clean->temperature, 1.0);
  EXPECT_NEAR(plateau->latentHeat, clean->latentHeat, 0.03 * kMeltingHeat);
}

TEST(HeatingPlateau, OnePointLessSteepDoesNotEndAPlateauTwoDo) {
  const auto temperatureOf = [](std::size_t point) {
    return kRampStart + kPointSpacing * double(point);
  };
  const auto joined =
      findPlateau(curveWithClimbs(climbsWithSteep({20, 21, 23, 24}, 30.0)), kRampStart, kRampEnd);
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->low, temperatureOf(20));
  EXPECT_EQ(joined->high, temperatureOf(24));
  auto climbs = climbsWithSteep({20, 21, 24, 25}, 30.0);
  climbs[25] = 40.0;
  const auto split = findPlateau(curveWithClimbs(climbs), kRampStart, kRampEnd);
  ASSERT_TRUE(split);
  EXPECT_EQ(split->low, temperatureOf(24));
  EXPECT_EQ(split->high, temperatureOf(25));
  EXPECT_EQ(split->temperature, temperatureOf(25));
}

TEST(HeatingPlateau, ACurveSteepAllAlongHasNoCurveBesideAPlateauToMeasureItAgainst) {
  std::vector<std::size_t> everyOther;
  for (std::size_t i = 1; i + 1 < kPointCount; i += 2)
    everyOther.push_back(i);
  EXPECT_FALSE(
      findPlateau(curveWithClimbs(climbsWithSteep(everyOther, 30.0)), kRampStart, kRampEnd));
}
