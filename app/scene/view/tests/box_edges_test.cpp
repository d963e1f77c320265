#include "view/box_edges.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int kWidth = 254;
constexpr int kHeight = 193;
constexpr raster::COLORREF kWhite = raster::RGB(255, 255, 255);

// A memory context with a colour bitmap of the atom view's size.
struct Surface {
  raster::HDC dc = raster::CreateCompatibleDC(0);
  raster::HBITMAP bitmap = raster::CreateColorBitmap(kWidth, kHeight);
  Surface() { raster::SelectObject(dc, bitmap); }
  ~Surface() {
    raster::DeleteDC(dc);
    raster::DeleteObject(bitmap);
  }
  std::uint32_t at(int x, int y) const {
    int w = 0, h = 0;
    return raster::BitmapPixels(bitmap, &w, &h)[y * w + x];
  }
  int count(std::uint32_t colour) const {
    int w = 0, h = 0;
    const std::uint32_t *p = raster::BitmapPixels(bitmap, &w, &h);
    int n = 0;
    for (int i = 0; i < w * h; ++i)
      n += (p[i] & 0xFFFFFF) == colour;
    return n;
  }
};

const view::Box kCube20 = {0, 0, 0, 20, 20, 20};

TEST(BoxEdges, DrawAxisLeavesExactlyTheEmptyBoxInTheBackground) {
  Surface picture, background;
  raster::FillRect(picture.dc, 0, 0, kWidth, kHeight, raster::RGB(10, 200, 30)); // old content
  raster::FillRect(background.dc, 0, 0, kWidth, kHeight, raster::RGB(1, 2, 3));
  const view::Projection p = view::setupScreenProjection(kCube20, kWidth, kHeight);
  view::DrawAxis(picture.dc, background.dc, kWidth, kHeight, kWhite, p, kCube20);

  // Every corner of the box is on an edge line, drawn black.
  const int corners[][2] = {{39, 184}, {39, 24}, {199, 24}, {72, 151}, {209, 151}, {209, 14}};
  for (const auto &c : corners)
    EXPECT_EQ(background.at(c[0], c[1]) & 0xFFFFFF, 0u) << c[0] << "," << c[1];
  // Only white and black remain, and the background equals the picture.
  const int black = background.count(0);
  EXPECT_GT(black, 600); // twelve edges of 30..170 pixels
  EXPECT_EQ(black + background.count(kWhite), kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(background.at(x, y), picture.at(x, y)) << x << "," << y;
  EXPECT_EQ(background.at(131, 92) & 0xFFFFFF, kWhite); // the inside stays empty
}

TEST(BoxEdges, FrontEdgesAreTheThreeThatMeetAtTheFrontCorner) {
  Surface picture;
  raster::FillRect(picture.dc, 0, 0, kWidth, kHeight, kWhite);
  const view::Projection p = view::setupScreenProjection(kCube20, kWidth, kHeight);
  view::DrawFrontAxis(picture.dc, p, kCube20);
  // Front corner (20,20,20) at (199,24); its edges run to (39,24), (199,184)
  // below it via (20,0,20), and up-right to (209,14) via (20,20,0).
  EXPECT_EQ(picture.at(199, 24) & 0xFFFFFF, 0u);
  EXPECT_EQ(picture.at(120, 24) & 0xFFFFFF, 0u);
  EXPECT_EQ(picture.at(199, 100) & 0xFFFFFF, 0u);
  EXPECT_EQ(picture.at(204, 19) & 0xFFFFFF, 0u);
  // The rear corner (0,0,0) is not on a front edge.
  EXPECT_EQ(picture.at(72, 151) & 0xFFFFFF, kWhite);
}

} // namespace
