#include "sprite_test_support.h"
#include "sprites/sprite.h"

#include <limits>
#include <stdexcept>

using namespace raster;

using SpriteTest = SpriteFixture;

TEST_F(SpriteTest, AnAllBlackBitmapDrawsNothing) {
  Sprite sprite;
  sprite.init(picture, bmp("black.bmp", 16, 16, solid(16, 16, kBlack)), 0);
  const auto before = dest.pixels();
  sprite.place_sprite(dest.dc(), 100, 50, 0);
  EXPECT_EQ(dest.pixels(), before);
}

TEST_F(SpriteTest, ABitmapWithoutBlackCoversItsRectangleCentredOnThePoint) {
  std::vector<std::uint32_t> image(16 * 16);
  for (int i = 0; i < 256; ++i)
    image[i] = RGB(std::uint8_t(i), 7, std::uint8_t(255 - i)); // never black
  Sprite sprite;
  sprite.init(picture, bmp("colours.bmp", 16, 16, image), 0);
  EXPECT_TRUE(picture.visible());
  const auto before = dest.pixels();
  sprite.place_sprite(dest.dc(), 100, 50, 0);
  for (int y = 0; y < dest.height(); ++y)
    for (int x = 0; x < dest.width(); ++x) {
      const bool covered = x >= 92 && x < 108 && y >= 42 && y < 58;
      ASSERT_EQ(dest.pixel(x, y),
                covered ? image[(y - 42) * 16 + x - 92] : before[y * dest.width() + x])
          << x << ", " << y;
    }
  // The destination is left with black text on white.
  EXPECT_EQ(SetTextColor(dest.dc(), 0), kBlack);
  EXPECT_EQ(SetBkColor(dest.dc(), 0), RGB(255, 255, 255));
}

TEST_F(SpriteTest, OnlyExactBlackIsTransparent) {
  Sprite sprite;
  sprite.init(picture, bmp("two.bmp", 2, 1, {RGB(0, 0, 1), kBlack}), 0);
  const auto before = dest.pixels();
  sprite.place_sprite(dest.dc(), 50, 50, 0); // corner (49, 49.5 -> 50)
  EXPECT_EQ(dest.pixel(49, 50), RGB(0, 0, 1));
  EXPECT_EQ(dest.pixel(50, 50), before[50 * dest.width() + 50]);
}

TEST_F(SpriteTest, TheCentredCornerRoundsHalvesToEven) {
  struct Case {
    int size;
    float x, y;
    int left, top;
  };
  const Case cases[] = {{16, 100, 50, 92, 42},       {16, 100.5f, 50.5f, 92, 42},
                        {16, 101.5f, 51.5f, 94, 44}, {17, 100, 50, 92, 42},
                        {17, 101, 51, 92, 42},       {16, 100.25f, 49.75f, 92, 42}};
  for (const Case &c : cases) {
    Sprite sprite;
    sprite.init(picture, bmp("red.bmp", c.size, c.size, solid(c.size, c.size, kRed)), 0);
    dest.fillPattern(3);
    const auto before = dest.pixels();
    sprite.place_sprite(dest.dc(), c.x, c.y, 0);
    EXPECT_EQ(changedCorner(before), std::make_pair(c.left, c.top))
        << c.size << " at (" << c.x << ", " << c.y << ")";
  }
}

TEST_F(SpriteTest, EraseRestoresTheDestinationExactlyAlsoAtTheEdges) {
  std::vector<std::uint32_t> image = solid(16, 16, kRed);
  for (int i = 0; i < 256; i += 3)
    image[i] = kBlack;
  Sprite sprite;
  sprite.init(picture, bmp("holes.bmp", 16, 16, image), 2);
  const auto before = dest.pixels();
  for (auto [x, y] : {std::pair{100.f, 50.f}, {3.f, 4.f}, {250.f, 190.f}, {-7.f, 300.f}}) {
    sprite.place_sprite(dest.dc(), x, y, 2);
    sprite.erase_sprite(dest.dc(), 2);
    EXPECT_EQ(dest.pixels(), before) << x << ", " << y;
  }
  // Moving is erasing, then placing elsewhere.
  sprite.place_sprite(dest.dc(), 40, 40, 2);
  sprite.move_sprite(dest.dc(), 60, 45, 2);
  const auto moved = dest.pixels();
  dest.setPixels(before);
  sprite.place_sprite(dest.dc(), 60, 45, 2);
  EXPECT_EQ(dest.pixels(), moved);
}

TEST_F(SpriteTest, SlotsGrowToTheHighestNumberAndEmptySlotsDrawNothing) {
  Sprite sprite;
  sprite.init(picture, bmp("red.bmp", 8, 8, solid(8, 8, kRed)), 3);
  EXPECT_EQ(sprite.slotCount(), 4);
  const auto before = dest.pixels();
  for (int slot : {0, 1, 2, 4, 1000}) {
    sprite.place_sprite(dest.dc(), 30, 30, slot);
    sprite.erase_sprite(dest.dc(), slot);
    sprite.move_sprite(dest.dc(), 30, 30, slot);
  }
  EXPECT_EQ(dest.pixels(), before);

  sprite.init(picture, bmp("green.bmp", 8, 8, solid(8, 8, kGreen)), 1);
  EXPECT_EQ(sprite.slotCount(), 4);
  sprite.place_sprite(dest.dc(), 30, 30, 3);
  EXPECT_EQ(dest.pixel(30, 30), kRed);
  sprite.place_sprite(dest.dc(), 30, 30, 1);
  EXPECT_EQ(dest.pixel(30, 30), kGreen);
}

TEST_F(SpriteTest, ReloadingASlotReplacesItWithoutLeaking) {
  Sprite sprite;
  sprite.init(picture, bmp("red.bmp", 8, 8, solid(8, 8, kRed)), 0);
  const int live = LiveHandleCount();
  sprite.init(picture, bmp("green.bmp", 4, 4, solid(4, 4, kGreen)), 0);
  EXPECT_EQ(LiveHandleCount(), live);
  const auto before = dest.pixels();
  sprite.place_sprite(dest.dc(), 30, 30, 0);
  EXPECT_EQ(dest.pixel(28, 28), kGreen);
  EXPECT_EQ(changedCorner(before), std::make_pair(28, 28));
}

TEST_F(SpriteTest, AMissingFileIsNamedAndTheSlotKeepsWhatItHad) {
  Sprite sprite;
  sprite.init(picture, bmp("red.bmp", 8, 8, solid(8, 8, kRed)), 0);
  const std::string missing = dir.path("sun9.bmp").string();
  try {
    sprite.init(picture, missing, 2);
    FAIL() << "no error";
  } catch (const PictureError &e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
  }
  EXPECT_EQ(sprite.slotCount(), 3);
  EXPECT_THROW(sprite.init(picture, missing, 0), PictureError);
  sprite.place_sprite(dest.dc(), 30, 30, 0);
  EXPECT_EQ(dest.pixel(30, 30), kRed);
}

TEST_F(SpriteTest, ANegativeSlotFailsBeforeAnythingIsDrawn) {
  Sprite sprite;
  sprite.init(picture, bmp("red.bmp", 8, 8, solid(8, 8, kRed)), 0);
  const auto before = dest.pixels();
  EXPECT_THROW(sprite.place_sprite(dest.dc(), 30, 30, -1), std::out_of_range);
  EXPECT_THROW(sprite.erase_sprite(dest.dc(), -1), std::out_of_range);
  EXPECT_THROW(sprite.move_sprite(dest.dc(), 30, 30, -1), std::out_of_range);
  EXPECT_THROW(sprite.init(picture, bmp("g.bmp", 2, 2, solid(2, 2, kGreen)), -1),
               std::out_of_range);
  EXPECT_EQ(sprite.slotCount(), 1);
  EXPECT_EQ(dest.pixels(), before);
}

TEST_F(SpriteTest, EndingTheObjectReleasesEveryHandle) {
  const int live = LiveHandleCount();
  {
    Sprite sprite;
    for (std::int16_t slot : {1, 2, 3, 2})
      sprite.init(picture, bmp("red.bmp", 8, 8, solid(8, 8, kRed)), slot);
    sprite.place_sprite(dest.dc(), 30, 30, 2);
    EXPECT_EQ(LiveHandleCount(), live + 3 * 6);
  }
  EXPECT_EQ(LiveHandleCount(), live);
}

TEST_F(SpriteTest, FarOffOrInvalidPositionsDrawNothing) {
  Sprite sprite;
  sprite.init(picture, bmp("red.bmp", 8, 8, solid(8, 8, kRed)), 0);
  const auto before = dest.pixels();
  for (float far : {1e30f, -1e30f, std::numeric_limits<float>::quiet_NaN()}) {
    sprite.place_sprite(dest.dc(), far, 30, 0);
    sprite.place_sprite(dest.dc(), 30, far, 0);
    sprite.erase_sprite(dest.dc(), 0);
  }
  EXPECT_EQ(dest.pixels(), before);
}
