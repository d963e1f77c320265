#include "scenario/mod_dorn_dll.h"
#include "atom_drawing/validation_routines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

// Puts n atoms with the given z values into the program-side arrays, with
// drawOrder the identity plus its spare slot.
void setAtoms(const std::vector<double> &z) {
  using namespace ModDornDll;
  numAtoms = static_cast<std::int32_t>(z.size());
  atomCoords.assign(3 * z.size() + 1, 0.0);
  for (std::size_t a = 0; a < z.size(); ++a)
    atomCoords[3 * a + 2] = z[a];
  drawOrder.assign(z.size() + 1, 0);
  std::iota(drawOrder.begin(), drawOrder.end() - 1, std::int16_t{0});
}

double zOf(std::int16_t atom) { return ModDornDll::atomCoords[3 * atom + 2]; }

bool isPermutation(std::size_t n) {
  std::vector<std::int16_t> seen(ModDornDll::drawOrder.begin(), ModDornDll::drawOrder.begin() + n);
  std::sort(seen.begin(), seen.end());
  for (std::size_t i = 0; i < n; ++i)
    if (seen[i] != static_cast<std::int16_t>(i))
      return false;
  return true;
}

TEST(DepthOrder, RandomDepthsComeOutBackToFront) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> depth(-100.0, 100.0);
  std::vector<double> z(500);
  for (double &v : z)
    v = depth(rng);
  z[10] = z[20] = z[30]; // ties
  setAtoms(z);
  ValidationRoutines::sortAtomsByDepth();
  const auto &order = ModDornDll::drawOrder;
  EXPECT_TRUE(isPermutation(z.size()));
  for (std::size_t i = 1; i < z.size(); ++i)
    ASSERT_LE(zOf(order[i - 1]), zOf(order[i])) << "at position " << i;
  EXPECT_EQ(order[z.size()], 0); // the spare slot is left alone
}

TEST(DepthOrder, NextFrameStartsFromThePreviousOrder) {
  setAtoms({5, 1, 3, 2, 4});
  ValidationRoutines::sortAtomsByDepth();
  ASSERT_EQ(ModDornDll::drawOrder[0], 1);
  // Atom 1 moves to the front; only its place in the order changes.
  ModDornDll::atomCoords[3 * 1 + 2] = 10;
  ValidationRoutines::sortAtomsByDepth();
  const std::vector<std::int16_t> expected = {3, 2, 4, 0, 1};
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), ModDornDll::drawOrder.begin()));
}

TEST(DepthOrder, FewerThanTwoAtomsAreLeftAsTheyAre) {
  setAtoms({});
  ValidationRoutines::sortAtomsByDepth();
  setAtoms({3.0});
  ModDornDll::drawOrder[0] = 0;
  ValidationRoutines::sortAtomsByDepth();
  EXPECT_EQ(ModDornDll::drawOrder[0], 0);
}

} // namespace
