#include "raster/gdi.h"
#include "test_surface.h"

#include <gtest/gtest.h>

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

TEST(Lines, PartsOutsideTheBitmapAreClipped) {
  TestSurface s(3, 3);
  DrawLine(s.dc(), -2, 1, 5, 1, kInk);
  EXPECT_EQ(pixelsOf(s, kInk), (Points{{0, 1}, {1, 1}, {2, 1}}));
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
