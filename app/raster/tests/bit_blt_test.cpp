#include "raster/gdi.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

using namespace raster;
using rastertest::TestSurface;

namespace {

constexpr std::uint32_t kRops[] = {SRCCOPY, SRCAND, SRCINVERT, NOTSRCAND};

// Destination 0xCC55F0 combined with source 0xAA33CC, worked out channel by channel.
constexpr std::uint32_t kDest = 0x00CC55F0, kSrc = 0x00AA33CC;
constexpr std::uint32_t kColourResults[] = {0x00AA33CC, 0x008811C0, 0x0066663C, 0x00444430};

// Destination bits 1100 combined with source bits 1010, pixel by pixel.
const std::vector<bool> kDestBits{true, true, false, false};
const std::vector<bool> kSrcBits{true, false, true, false};
const std::vector<std::vector<bool>> kMonoResults{{true, false, true, false},
                                                  {true, false, false, false},
                                                  {false, true, true, false},
                                                  {false, true, false, false}};

void setBits(TestSurface &surface, const std::vector<bool> &bits) {
  for (int x = 0; x < int(bits.size()); ++x)
    surface.setBit(x, 0, bits[x]);
}

} // namespace

TEST(RasterOperations, ColourToColourFollowTheirTruthTables) {
  TestSurface dest(1, 1), src(1, 1);
  src.setPixels({kSrc});
  for (int i = 0; i < 4; ++i) {
    dest.setPixels({kDest});
    ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 1, 1, src.dc(), 0, 0, kRops[i]));
    EXPECT_EQ(dest.pixel(0, 0), kColourResults[i]) << "operation " << i;
  }
}

TEST(RasterOperations, MonoToMonoFollowTheirTruthTables) {
  TestSurface dest(4, 1, TestSurface::Mono), src(4, 1, TestSurface::Mono);
  setBits(src, kSrcBits);
  for (int i = 0; i < 4; ++i) {
    setBits(dest, kDestBits);
    BitBlt(dest.dc(), 0, 0, 4, 1, src.dc(), 0, 0, kRops[i]);
    EXPECT_EQ(dest.bits(), kMonoResults[i]) << "operation " << i;
  }
}

TEST(RasterOperations, ColourToMonoGivesOneExactlyForTheSourceBackground) {
  TestSurface dest(4, 1, TestSurface::Mono), src(4, 1);
  const COLORREF background = RGB(10, 20, 30);
  SetBkColor(src.dc(), background);
  SetBkColor(dest.dc(), RGB(1, 1, 1)); // the destination's colours play no part
  // Pixels 0 and 2 match the background (pixel 2 with a stray top byte); 1 is one step off.
  src.setPixels({background, RGB(10, 20, 31), 0xFF000000 | background, RGB(0, 0, 0)});
  for (int i = 0; i < 4; ++i) {
    setBits(dest, kDestBits);
    BitBlt(dest.dc(), 0, 0, 4, 1, src.dc(), 0, 0, kRops[i]);
    EXPECT_EQ(dest.bits(), kMonoResults[i]) << "operation " << i;
  }
}

TEST(RasterOperations, MonoToColourUsesTheDestinationBackgroundAndText) {
  TestSurface dest(2, 1), src(2, 1, TestSurface::Mono);
  setBits(src, {true, false});
  SetBkColor(dest.dc(), kSrc); // a 1 bit arrives as kSrc
  SetTextColor(dest.dc(), 0);  // a 0 bit arrives as black
  SetBkColor(src.dc(), RGB(9, 9, 9));
  SetTextColor(src.dc(), RGB(9, 9, 9));
  const std::uint32_t zeroResults[] = {0, 0, kDest, kDest};
  for (int i = 0; i < 4; ++i) {
    dest.setPixels({kDest, kDest});
    BitBlt(dest.dc(), 0, 0, 2, 1, src.dc(), 0, 0, kRops[i]);
    EXPECT_EQ(dest.pixel(0, 0), kColourResults[i]) << "operation " << i;
    EXPECT_EQ(dest.pixel(1, 0), zeroResults[i]) << "operation " << i;
  }
  SetTextColor(dest.dc(), RGB(200, 100, 50));
  BitBlt(dest.dc(), 0, 0, 2, 1, src.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(dest.pixel(1, 0), RGB(200, 100, 50));
}

TEST(RasterOperations, UnknownOperationDrawsNothing) {
  TestSurface dest(2, 2), src(2, 2);
  dest.fillPattern(1);
  src.fillPattern(2);
  const auto before = dest.pixels();
  EXPECT_FALSE(BitBlt(dest.dc(), 0, 0, 2, 2, src.dc(), 0, 0, 0x00F00021));
  EXPECT_EQ(dest.pixels(), before);
}

// The simple path the fast one is checked against: pixel by pixel, with every
// source and destination pixel tested against its surface.
namespace {

struct Blit {
  int x, y, w, h, sx, sy;
  std::uint32_t rop;
};

std::uint32_t combineOne(std::uint32_t rop, std::uint32_t d, std::uint32_t s) {
  switch (rop) {
  case SRCCOPY:
    return s;
  case SRCAND:
    return d & s;
  case SRCINVERT:
    return d ^ s;
  default:
    return d & ~s;
  }
}

bool inside(int x, int y, int w, int h) { return x >= 0 && y >= 0 && x < w && y < h; }

// Source pixels already converted to the destination's format.
std::vector<std::uint32_t> referenceBlit(std::vector<std::uint32_t> dest, int dw, int dh,
                                         const std::vector<std::uint32_t> &src, int sw, int sh,
                                         const Blit &b) {
  const std::vector<std::uint32_t> original = dest;
  for (int j = 0; j < b.h; ++j)
    for (int i = 0; i < b.w; ++i)
      if (inside(b.x + i, b.y + j, dw, dh) && inside(b.sx + i, b.sy + j, sw, sh)) {
        std::uint32_t &d = dest[(b.y + j) * dw + b.x + i];
        d = combineOne(b.rop, d, src[(b.sy + j) * sw + b.sx + i]);
      }
  return dest;
}

Blit randomBlit(std::mt19937 &rng, int size) {
  std::uniform_int_distribution<int> pos(-40, size), len(-2, size + 40), rop(0, 3);
  return Blit{pos(rng), pos(rng), len(rng), len(rng) % 7, pos(rng), pos(rng), kRops[rop(rng)]};
}

} // namespace

TEST(Clipping, ColourBlitsMatchThePixelByPixelPathAcrossEdgesAndWideRows) {
  const int dw = 600, dh = 9, sw = 550, sh = 7;
  TestSurface dest(dw, dh), src(sw, sh);
  src.fillPattern(7);
  std::mt19937 rng(42);
  for (int trial = 0; trial < 300; ++trial) {
    dest.fillPattern(trial);
    const Blit b = randomBlit(rng, dw);
    const auto expected = referenceBlit(dest.pixels(), dw, dh, src.pixels(), sw, sh, b);
    BitBlt(dest.dc(), b.x, b.y, b.w, b.h, src.dc(), b.sx, b.sy, b.rop);
    ASSERT_EQ(dest.pixels(), expected) << "trial " << trial;
  }
}

TEST(Clipping, MonoSourcesAtAnyBitOffsetMatchThePixelByPixelPath) {
  const int dw = 300, dh = 5, sw = 290, sh = 6;
  TestSurface dest(dw, dh), src(sw, sh, TestSurface::Mono);
  const COLORREF one = RGB(250, 5, 60), zero = RGB(7, 77, 177);
  SetBkColor(dest.dc(), one);
  SetTextColor(dest.dc(), zero);
  std::mt19937 rng(7);
  std::vector<std::uint32_t> converted(sw * sh);
  for (int y = 0; y < sh; ++y)
    for (int x = 0; x < sw; ++x) {
      const bool on = rng() % 2;
      src.setBit(x, y, on);
      converted[y * sw + x] = on ? one : zero;
    }
  for (int trial = 0; trial < 200; ++trial) {
    dest.fillPattern(trial);
    const Blit b = randomBlit(rng, dw);
    const auto expected = referenceBlit(dest.pixels(), dw, dh, converted, sw, sh, b);
    BitBlt(dest.dc(), b.x, b.y, b.w, b.h, src.dc(), b.sx, b.sy, b.rop);
    ASSERT_EQ(dest.pixels(), expected) << "trial " << trial;
  }
}

TEST(Clipping, ColourToMonoMatchesThePixelByPixelPath) {
  const int dw = 70, dh = 4, sw = 66, sh = 5;
  TestSurface dest(dw, dh, TestSurface::Mono), src(sw, sh);
  const COLORREF background = RGB(1, 2, 3);
  SetBkColor(src.dc(), background);
  std::mt19937 rng(3);
  std::vector<std::uint32_t> srcPixels(sw * sh), converted(sw * sh);
  for (int i = 0; i < sw * sh; ++i) {
    srcPixels[i] = rng() % 2 ? background : RGB(1, 2, 4);
    converted[i] = srcPixels[i] == background;
  }
  src.setPixels(srcPixels);
  for (int trial = 0; trial < 100; ++trial) {
    std::vector<std::uint32_t> before(dw * dh);
    for (int y = 0; y < dh; ++y)
      for (int x = 0; x < dw; ++x) {
        dest.setBit(x, y, (x * 7 + y * 3 + trial) % 5 < 2);
        before[y * dw + x] = dest.bit(x, y);
      }
    const Blit b = randomBlit(rng, dw);
    const auto expected = referenceBlit(before, dw, dh, converted, sw, sh, b);
    BitBlt(dest.dc(), b.x, b.y, b.w, b.h, src.dc(), b.sx, b.sy, b.rop);
    std::vector<std::uint32_t> after;
    for (bool bit : dest.bits())
      after.push_back(bit);
    ASSERT_EQ(after, expected) << "trial " << trial;
  }
}

TEST(Clipping, OverlappingCopiesWithinOneBitmapReadTheOriginalPixels) {
  const int w = 520, h = 6;
  TestSurface surface(w, h);
  const Blit shifts[] = {{3, 0, 517, 6, 0, 0, SRCCOPY},
                         {0, 0, 517, 6, 3, 0, SRCCOPY},
                         {0, 1, 520, 5, 0, 0, SRCINVERT},
                         {0, 0, 520, 5, 0, 1, SRCAND},
                         {300, 2, 200, 3, 10, 1, SRCCOPY}};
  for (const Blit &b : shifts) {
    surface.fillPattern(5);
    const auto snapshot = surface.pixels();
    const auto expected = referenceBlit(snapshot, w, h, snapshot, w, h, b);
    BitBlt(surface.dc(), b.x, b.y, b.w, b.h, surface.dc(), b.sx, b.sy, b.rop);
    EXPECT_EQ(surface.pixels(), expected) << "from (" << b.sx << ", " << b.sy << ")";
  }
}
