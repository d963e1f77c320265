#include "sprite_test_support.h"
#include "sprites/atom_sprite.h"

#include <stdexcept>

using namespace raster;

using AtomSpriteTest = SpriteFixture;

TEST_F(AtomSpriteTest, ThePointIsTheTopLeftCornerRoundedHalvesToEven) {
  AtomSprite atoms;
  atoms.initAs(picture, bmp("red.bmp", 8, 8, solid(8, 8, kRed)), 0);
  for (auto [x, y, left, top] :
       {std::tuple{39.f, 184.f, 39, 184}, {10.5f, 11.5f, 10, 12}, {20.4f, 30.6f, 20, 31}}) {
    dest.fillPattern(3);
    const auto before = dest.pixels();
    atoms.place_Atomsprite(dest.dc(), x, y, 0);
    EXPECT_EQ(changedCorner(before), std::make_pair(left, top)) << x << ", " << y;
  }
  // From (39, 184) the image extends right and down.
  atoms.place_Atomsprite(dest.dc(), 39, 184, 0);
  EXPECT_EQ(dest.pixel(46, 191), kRed);
  EXPECT_NE(dest.pixel(47, 191), kRed);
  EXPECT_NE(dest.pixel(46, 192), kRed);
}

TEST_F(AtomSpriteTest, LaterAtomsCoverEarlierOnesExceptWhereBlack) {
  std::vector<std::uint32_t> halfBlack = solid(4, 4, kGreen);
  for (int y = 0; y < 4; ++y)
    halfBlack[y * 4] = halfBlack[y * 4 + 1] = kBlack;
  AtomSprite atoms;
  atoms.initAs(picture, bmp("red.bmp", 4, 4, solid(4, 4, kRed)), 0);
  atoms.initAs(picture, bmp("half.bmp", 4, 4, halfBlack), 1);
  atoms.place_Atomsprite(dest.dc(), 10, 10, 0);
  atoms.place_Atomsprite(dest.dc(), 12, 10, 1);
  for (int x = 10; x < 16; ++x)
    EXPECT_EQ(dest.pixel(x, 11), x < 14 ? kRed : kGreen) << x;
}

TEST_F(AtomSpriteTest, ASlotBeyondTheLoadedOnesDrawsNothing) {
  AtomSprite atoms;
  atoms.initAs(picture, bmp("red.bmp", 4, 4, solid(4, 4, kRed)), 1);
  const auto before = dest.pixels();
  for (int slot : {0, 2, 6, 1 << 20})
    atoms.place_Atomsprite(dest.dc(), 10, 10, slot);
  EXPECT_EQ(dest.pixels(), before);
  EXPECT_THROW(atoms.place_Atomsprite(dest.dc(), 10, 10, -1), std::out_of_range);
  EXPECT_EQ(dest.pixels(), before);
}

TEST_F(AtomSpriteTest, ReloadFailureAndEndOfObjectLeakNothing) {
  const int live = LiveHandleCount();
  {
    AtomSprite atoms;
    for (std::int16_t slot = 0; slot < 6; ++slot)
      atoms.initAs(picture, bmp("red.bmp", 8, 8, solid(8, 8, kRed)), slot);
    atoms.initAs(picture, bmp("green.bmp", 8, 8, solid(8, 8, kGreen)), 2);
    EXPECT_EQ(LiveHandleCount(), live + 6 * 4);
    EXPECT_THROW(atoms.initAs(picture, dir.path("atom7.bmp").string(), 6), PictureError);
    EXPECT_EQ(atoms.slotCount(), 7);
    atoms.place_Atomsprite(dest.dc(), 10, 10, 2);
    EXPECT_EQ(dest.pixel(10, 10), kGreen);
  }
  EXPECT_EQ(LiveHandleCount(), live);
}
