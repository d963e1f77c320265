// The pair-distance histogram: counts against every pair compared directly,
// the pairs of one pair of types only, and the normalisation per shell.
#include "analysis/pair_distances.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>

using namespace analysis;

namespace {

constexpr double kPair[4] = {4096.0, 1.0, 1412.0, 2048.0};

AtomFrame randomFrame(std::size_t atoms, double side, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> place(0.0, side);
  AtomFrame frame;
  frame.typeCount = 2;
  for (int p = 0; p < 3; ++p)
    frame.pairParams.insert(frame.pairParams.end(), kPair, kPair + 4);
  frame.box = {0.0, 0.0, 0.0, side, side, side};
  for (std::size_t i = 0; i < atoms; ++i) {
    frame.coords.insert(frame.coords.end(), {place(random), place(random), place(random)});
    frame.types.push_back(static_cast<std::int32_t>(i % 3 == 0));
  }
  return frame;
}

// The oracle: every pair of atoms compared directly.
std::vector<std::uint64_t> allPairs(const AtomFrame &frame, std::int32_t a, std::int32_t b,
                                    double reach, int shells) {
  std::vector<std::uint64_t> counts(static_cast<std::size_t>(shells), 0);
  for (std::size_t i = 0; i < frame.types.size(); ++i) {
    for (std::size_t j = i + 1; j < frame.types.size(); ++j) {
      const bool match = (frame.types[i] == a && frame.types[j] == b) ||
                         (frame.types[i] == b && frame.types[j] == a);
      const double r = std::hypot(frame.coords[3 * i] - frame.coords[3 * j],
                                  frame.coords[3 * i + 1] - frame.coords[3 * j + 1],
                                  frame.coords[3 * i + 2] - frame.coords[3 * j + 2]);
      if (match && r < reach)
        ++counts[static_cast<std::size_t>(r / (reach / shells))];
    }
  }
  return counts;
}

} // namespace

TEST(PairDistances, CountsEveryPairOfTheChosenTypesOnceAsTheDirectComparisonDoes) {
  const AtomFrame frame = randomFrame(1500, 30000.0, 7);
  for (const auto &[a, b] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}})
    EXPECT_EQ(pairDistances(frame, a, b, 2048.0, 64).pairs, allPairs(frame, a, b, 2048.0, 64))
        << a << "-" << b;
}

TEST(PairDistances, AnEvenSpreadReadsAboutOnePerShell) {
  const AtomFrame frame = randomFrame(6000, 60000.0, 3);
  const auto histogram = pairDistances(frame, 0, 1, 4000.0, 8);
  double sum = 0.0;
  for (const double g : histogram.distribution)
    sum += g;
  EXPECT_NEAR(sum / 8.0, 1.0, 0.1);
  // The distribution of a box without volume is 0, never a division by zero.
  AtomFrame flat = randomFrame(10, 1000.0, 1);
  flat.box = {0, 0, 0, 1000, 1000, 0};
  for (const double g : pairDistances(flat, 0, 0, 2048.0, 4).distribution)
    EXPECT_EQ(g, 0.0);
}

TEST(PairDistances, RefusesTypesOutsideTheFrameAndEmptyShells) {
  const AtomFrame frame = randomFrame(10, 1000.0, 1);
  EXPECT_THROW(pairDistances(frame, 2, 0, 2048.0, 10), std::invalid_argument);
  EXPECT_THROW(pairDistances(frame, 0, 0, 2048.0, 0), std::invalid_argument);
  EXPECT_THROW(pairDistances(frame, 0, 0, 0.0, 10), std::invalid_argument);
}
