// The lid on its own: its range, its pace, and the moves it refuses.
#include "simulation/lid.h"

#include "analysis/wall_pressure.h"

#include <gtest/gtest.h>

#include <cmath>

using simulation::Lid;

namespace {

constexpr std::array<double, 6> kFileBox{0, 0, 0, 36000, 27000, 24000};
constexpr double kSkin = analysis::kWallSkin;

// One atom at height y in the middle of the box.
std::vector<double> atomAt(double y) { return {18000.0, y, 12000.0}; }

Lid fileLid() {
  Lid lid;
  lid.reset(kFileBox);
  return lid;
}

} // namespace

TEST(Lid, ItsTargetStaysBetweenTheSmallestBoxAndTheFilesBox) {
  Lid lid = fileLid();
  lid.setTarget(0.1);
  EXPECT_DOUBLE_EQ(lid.target(), Lid::kSmallest);
  lid.setTarget(1.7);
  EXPECT_DOUBLE_EQ(lid.target(), 1.0);
  EXPECT_FALSE(lid.advance(atomAt(1000), 5)) << "already at the file's box";
  EXPECT_EQ(lid.box(), kFileBox);
}

TEST(Lid, MovesAtItsPaceOnlyTheTopAndComesBackToExactlyTheFilesBox) {
  Lid lid = fileLid();
  lid.setTarget(0.9);
  ASSERT_TRUE(lid.advance(atomAt(1000), 5));
  EXPECT_DOUBLE_EQ(lid.box()[4], 27000 - 5 * Lid::kPace);
  for (int i = 1; i < 5; ++i)
    EXPECT_EQ(lid.box()[i == 4 ? 5 : i], kFileBox[i == 4 ? 5 : i]);
  int moves = 1;
  while (lid.advance(atomAt(1000), 5))
    ++moves;
  EXPECT_DOUBLE_EQ(lid.height(), 0.9);
  EXPECT_EQ(moves, int(std::ceil(2700 / (5 * Lid::kPace))));
  EXPECT_FALSE(lid.moving());
  lid.setTarget(1.0);
  while (lid.advance(atomAt(1000), 50))
    ;
  EXPECT_EQ(lid.box(), kFileBox) << "bit for bit, as the engine had it";
}

// An atom 630 deep in the lid's skin: the lid may come only 6 units closer
// before the atom would lie deeper than is safe.
TEST(Lid, StopsAtTheLastSafeHeightAndWaitsUntilTheAtomIsPushedBack) {
  Lid lid = fileLid();
  lid.setTarget(0.5);
  const double deep = 27000 - kSkin + Lid::kSafeDepth - 6.0;
  ASSERT_TRUE(lid.advance(atomAt(deep), 100));
  EXPECT_DOUBLE_EQ(lid.box()[4], 27000 - 6.0);
  EXPECT_NE(lid.hold(), "") << "stopped short: the tooltip says why";
  EXPECT_FALSE(lid.advance(atomAt(deep), 100)) << "no move at all while the atom stays";
  EXPECT_NE(lid.hold().find("waits"), std::string::npos);
  EXPECT_DOUBLE_EQ(lid.box()[4], 27000 - 6.0);
  ASSERT_TRUE(lid.advance(atomAt(15000), 5));
  EXPECT_EQ(lid.hold(), "") << "pushed back: the lid goes on";
}

TEST(Lid, NeverLeavesAnAtomOutsideTheBoxAndRisesWhateverTheAtomsDo) {
  Lid lid = fileLid();
  lid.setTarget(Lid::kSmallest);
  std::vector<double> atoms = atomAt(1000);
  atoms.insert(atoms.end(), {100.0, 20000.0, 100.0});
  while (lid.advance(atoms, 500))
    for (std::size_t k = 1; k < atoms.size(); k += 3)
      EXPECT_LE(atoms[k], lid.box()[4] - kSkin + Lid::kSafeDepth);
  EXPECT_DOUBLE_EQ(lid.box()[4], 20000 + kSkin - Lid::kSafeDepth);
  lid.setTarget(0.95);
  EXPECT_TRUE(lid.advance(atomAt(26990), 5)) << "moving up is always safe";
  EXPECT_EQ(lid.hold(), "");
}

TEST(Lid, InAFlatBoxStopsWhereTheSkinsWouldLeaveNoRoom) {
  Lid lid;
  lid.reset({0, 0, 0, 20000, 10000, 20000});
  lid.setTarget(Lid::kSmallest); // 3,000: the skins alone are 4,096
  while (lid.advance(atomAt(100), 500))
    ;
  EXPECT_DOUBLE_EQ(lid.box()[4], 3 * kSkin);
  EXPECT_NE(lid.hold().find("no room"), std::string::npos);
  lid.setTarget(1.0);
  lid.advance(atomAt(100), 5);
  EXPECT_EQ(lid.hold(), "");
}
