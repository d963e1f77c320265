#include "raster/gdi.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

using namespace raster;
using rastertest::TestSurface;

namespace {

// The pixels of one colour, as "x,y" pairs in row order.
std::vector<std::pair<int, int>> pixelsOf(const TestSurface &s, std::uint32_t colour) {
  std::vector<std::pair<int, int>> found;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x)
      if (s.pixel(x, y) == colour)
        found.emplace_back(x, y);
  return found;
}

using Points = std::vector<std::pair<int, int>>;
constexpr COLORREF kInk = RGB(255, 0, 0);

} // namespace

TEST(Lines, OnePixelPerStepWithBothEndPoints) {
  TestSurface s(7, 4);
  DrawLine(s.dc(), 0, 0, 5, 2, kInk); // y = 0.4 x, rounded
  EXPECT_EQ(pixelsOf(s, kInk), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}));
  TestSurface t(6, 4);
  DrawLine(t.dc(), 2, 3, 2, 1, kInk);
  EXPECT_EQ(pixelsOf(t, kInk), (Points{{2, 1}, {2, 2}, {2, 3}}));
  TestSurface dot(3, 3);
  DrawLine(dot.dc(), 1, 1, 1, 1, kInk);
  EXPECT_EQ(pixelsOf(dot, kInk), (Points{{1, 1}}));
}

TEST(Lines, ClippingDrawsExactlyThePixelsOfTheWholeLine) {
  // Lines drawn on a 60 x 60 bitmap and on a 20 x 20 one that sees its middle.
  TestSurface whole(60, 60), window(20, 20);
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> end(-15, 75);
  for (int trial = 0; trial < 300; ++trial) {
    const int x0 = end(rng), y0 = end(rng), x1 = end(rng), y1 = end(rng);
    whole.setPixels(std::vector<std::uint32_t>(60 * 60, 0));
    window.setPixels(std::vector<std::uint32_t>(20 * 20, 0));
    DrawLine(whole.dc(), x0, y0, x1, y1, kInk);
    DrawLine(window.dc(), x0 - 20, y0 - 20, x1 - 20, y1 - 20, kInk);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        ASSERT_EQ(window.pixel(x, y), whole.pixel(x + 20, y + 20))
            << "(" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1 << ")";
  }
}

TEST(Lines, EndPointsFarOutsideCostOnlyTheVisiblePart) {
  TestSurface s(3, 3);
  DrawLine(s.dc(), INT_MIN, 1, INT_MAX, 1, kInk);
  DrawLine(s.dc(), INT_MAX, INT_MAX, INT_MIN, INT_MIN, kInk);
  EXPECT_EQ(pixelsOf(s, kInk), (Points{{0, 0}, {0, 1}, {1, 1}, {2, 1}, {2, 2}}));
  TestSurface steep(3, 3);
  DrawLine(steep.dc(), 2, -1000000000, 0, 1000000000, kInk); // x changes once, mid-way
  EXPECT_EQ(pixelsOf(steep, kInk), (Points{{1, 0}, {1, 1}, {1, 2}}));
}

TEST(Filling, RectanglesAreClippedAndMonochromeTakesTheNearerOfBlackAndWhite) {
  TestSurface s(4, 3);
  FillRect(s.dc(), 2, -1, 9, 3, kInk);
  EXPECT_EQ(pixelsOf(s, kInk), (Points{{2, 0}, {3, 0}, {2, 1}, {3, 1}}));
  TestSurface mono(3, 1, TestSurface::Mono);
  FillRect(mono.dc(), 0, 0, 1, 1, RGB(200, 200, 200));
  FillRect(mono.dc(), 1, 0, 1, 1, RGB(255, 0, 0));
  FillRect(mono.dc(), 2, 0, 1, 1, RGB(128, 128, 127));
  EXPECT_EQ(mono.bits(), (std::vector<bool>{true, false, true}));
}
