#include "analysis/neighbour_cells.h"
#include "analysis/pair_potential.h"
#include "test_frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

using namespace analysis;
using namespace analysis::testing;

namespace {

// The oracle: every pair of atoms compared directly.
std::vector<std::vector<std::uint32_t>> allPairsNeighbours(const AtomFrame &frame) {
  std::vector<std::vector<std::uint32_t>> lists(frame.types.size());
  for (std::size_t i = 0; i < frame.types.size(); ++i) {
    for (std::size_t j = 0; j < frame.types.size(); ++j) {
      double squared = 0.0;
      for (std::size_t k = 0; k < 3; ++k)
        squared += std::pow(frame.coords[3 * i + k] - frame.coords[3 * j + k], 2);
      const double radius = neighbourRadius(pairOf(frame, frame.types[i], frame.types[j]));
      if (i != j && squared < radius * radius)
        lists[i].push_back(static_cast<std::uint32_t>(j));
    }
  }
  return lists;
}

void expectSameAsAllPairs(const AtomFrame &frame) {
  const NeighbourLists fast = findNeighbours(frame);
  const auto oracle = allPairsNeighbours(frame);
  const auto counts = measureNeighbourhoods(frame).counts;
  ASSERT_EQ(fast.first.size(), frame.types.size() + 1);
  for (std::size_t i = 0; i < frame.types.size(); ++i) {
    std::vector<std::uint32_t> found(fast.of(i).begin(), fast.of(i).end());
    std::sort(found.begin(), found.end());
    ASSERT_EQ(found, oracle[i]) << "atom " << i;
    ASSERT_EQ(counts[i], oracle[i].size()) << "atom " << i;
  }
}

// Two types with different radii (the second pair reaches less far, the
// cross pair farther), atoms scattered densely in the box and some beyond it.
AtomFrame spilledFrame(std::size_t atoms, double spill, unsigned seed) {
  std::mt19937 random(seed);
  AtomFrame frame;
  frame.typeCount = 2;
  frame.pairParams = {4096, 1, 1412, 2048, 1024, 2, 1900, 2600, 256, 1, 1000, 1200};
  frame.box = {-5000, 0, 1000, 15000, 12000, 9000};
  for (std::size_t i = 0; i < atoms; ++i) {
    for (std::size_t k = 0; k < 3; ++k) {
      const double width = frame.box[k + 3] - frame.box[k];
      std::uniform_real_distribution<double> along(frame.box[k] - spill * width,
                                                   frame.box[k + 3] + spill * width);
      frame.coords.push_back(along(random));
    }
    frame.types.push_back(static_cast<std::int32_t>(random() % 2));
  }
  return frame;
}

} // namespace

TEST(NeighbourCells, FindTheSameNeighboursAsComparingAllPairs) {
  expectSameAsAllPairs(spilledFrame(3000, 0.0, 1));
  expectSameAsAllPairs(crystal(minimumDistance(kLiquidPair)));
}

TEST(NeighbourCells, AtomsOutsideTheBoxStillFindTheirNeighbours) {
  expectSameAsAllPairs(spilledFrame(1500, 0.3, 2));
  AtomFrame line = spilledFrame(0, 0.0, 3);
  for (const double x : {-40000.0, -39000.0, -38500.0, 60000.0, 61000.0, 14000.0})
    line.coords.insert(line.coords.end(), {x, -20000.0, 50000.0});
  line.types.assign(6, 0);
  expectSameAsAllPairs(line);
}

TEST(NeighbourCells, ABoxWithoutExtentOrARadiusOfNothingStillWorks) {
  AtomFrame flat = spilledFrame(400, 0.0, 4);
  flat.box = {0, 0, 0, 0, 0, 0};
  expectSameAsAllPairs(flat);
  AtomFrame tiny = spilledFrame(400, 0.0, 5);
  tiny.pairParams = {1, 1, 0.001, 0.002, 1, 1, 0.001, 0.002, 1, 1, 0.001, 0.002};
  expectSameAsAllPairs(tiny); // the grid keeps a bounded number of cells
  EXPECT_TRUE(findNeighbours(tiny).atoms.empty());
}

TEST(NeighbourCells, AnAtomWithoutAPlaceHasNoNeighbours) {
  AtomFrame frame = spilledFrame(300, 0.0, 6);
  frame.coords[0] = std::numeric_limits<double>::quiet_NaN();
  frame.coords[4] = std::numeric_limits<double>::infinity();
  const NeighbourLists lists = findNeighbours(frame);
  EXPECT_EQ(lists.countOf(0), 0u);
  EXPECT_EQ(lists.countOf(1), 0u);
  expectSameAsAllPairs(frame);
}

TEST(NeighbourCells, RefuseAFrameWithATypeBeyondThePairTable) {
  AtomFrame frame = spilledFrame(10, 0.0, 7);
  frame.types[3] = 2;
  EXPECT_THROW(findNeighbours(frame), std::invalid_argument);
  frame.types[3] = -1;
  EXPECT_THROW(findNeighbours(frame), std::invalid_argument);
}

TEST(Neighbourhoods, EachAtomSumsItsPairEnergiesWithItsNeighbours) {
  AtomFrame frame;
  frame.pairParams = {4096, 1, 1412, 2048};
  frame.box = {0, 0, 0, 20000, 20000, 20000};
  const double r0 = minimumDistance(frame.pairParams.data());
  // A line: 0 and 1 at the well's bottom, 2 a little farther from 1, 3 alone.
  frame.coords = {5000, 5000, 5000, 5000 + r0, 5000, 5000, 5000 + r0 + 1900, 5000, 5000,
                  15000, 15000, 15000};
  frame.types = {0, 0, 0, 0};
  const Neighbourhoods found = measureNeighbourhoods(frame);
  const double well = pairEnergy(frame.pairParams.data(), r0);
  const double far = pairEnergy(frame.pairParams.data(), 1900);
  EXPECT_NEAR(well, -1024.0, 1e-9);
  EXPECT_EQ(found.counts, (std::vector<std::uint32_t>{1, 2, 1, 0}));
  EXPECT_NEAR(found.energies[0], well, 1e-9);
  EXPECT_NEAR(found.energies[1], well + far, 1e-9);
  EXPECT_NEAR(found.energies[2], far, 1e-9);
  EXPECT_EQ(found.energies[3], 0.0);
}
