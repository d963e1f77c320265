// The distance histogram of the lattice the engine builds at start-up,
// read through the simulation controller as the Interactions window reads
// it: a body-centred cubic block whose first two shells lie at √3/2 and 1
// lattice constant.
#include "analysis/pair_distances.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/simulation_controller.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kLatticeConstant = 40960.0 / 29.0; // the engine's start-up lattice
constexpr double kReach = 2048.0;
constexpr int kShells = 128; // 16 length units each

// The shells that hold any pair.
std::vector<std::size_t> filledShells(const analysis::DistanceHistogram &histogram) {
  std::vector<std::size_t> filled;
  for (std::size_t k = 0; k < histogram.pairs.size(); ++k)
    if (histogram.pairs[k] > 0)
      filled.push_back(k);
  return filled;
}

std::size_t shellOf(double distance) {
  return static_cast<std::size_t>(distance / (kReach / kShells));
}

} // namespace

TEST(EngineLattice, TheHistogramShowsTheFirstTwoShellsAtTheLatticeDistances) {
  using namespace ModDornDll;
  cellsX = cellsY = cellsZ = 5;
  numTypes = 1;
  gravity = 0.05;
  temperature = 200.0;
  timeStep = 1.0;
  clampOn = 1;
  simulation::SimulationController controller;
  controller.startUp();
  const analysis::AtomFrame frame = controller.atomFrame();
  ASSERT_EQ(frame.types.size(), 250u);

  const auto histogram = analysis::pairDistances(frame, 0, 0, kReach, kShells);
  const auto filled = filledShells(histogram);
  ASSERT_GE(filled.size(), 2u);
  EXPECT_EQ(filled[0], shellOf(std::sqrt(3.0) / 2.0 * kLatticeConstant));
  EXPECT_EQ(filled[1], shellOf(kLatticeConstant));
  // Every atom of the block's inner part has eight nearest neighbours and
  // six second ones; atoms on the faces have fewer.
  EXPECT_GT(histogram.pairs[filled[0]], histogram.pairs[filled[1]]);
  EXPECT_GT(histogram.distribution[filled[0]], 1.0) << "denser than an even spread";
}
