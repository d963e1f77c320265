#include "atom_drawing/box_edges.h"

#include "test_surface.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using view_test::kCube20;
using view_test::kHeight;
using view_test::kWidth;
using view_test::Surface;
using view_test::kWhite;


TEST(BoxEdges, DrawAxisLeavesExactlyTheEmptyBoxInTheBackground) {
  Surface picture, background;
  raster::FillRect(picture.dc(), 0, 0, kWidth, kHeight, raster::RGB(10, 200, 30)); // old content
  raster::FillRect(background.dc(), 0, 0, kWidth, kHeight, raster::RGB(1, 2, 3));
  const atom_drawing::Projection p = atom_drawing::setupScreenProjection(kCube20, kWidth, kHeight);
  atom_drawing::DrawAxis(picture.dc(), background.dc(), kWidth, kHeight, kWhite, p, kCube20);

  // Every corner of the box is on an edge line, drawn black.
  const int corners[][2] = {{39, 184}, {39, 24}, {199, 24}, {72, 151}, {209, 151}, {209, 14}};
  for (const auto &c : corners)
    EXPECT_EQ(background.at(c[0], c[1]), 0u) << c[0] << "," << c[1];
  // Only white and black remain, and the background equals the picture.
  const int black = background.count(0);
  EXPECT_GT(black, 600); // twelve edges of 30..170 pixels
  EXPECT_EQ(black + background.count(kWhite), kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(background.at(x, y), picture.at(x, y)) << x << "," << y;
  EXPECT_EQ(background.at(131, 92), kWhite); // the inside stays empty
}

TEST(BoxEdges, FrontEdgesAreTheThreeThatMeetAtTheFrontCorner) {
  Surface picture;
  raster::FillRect(picture.dc(), 0, 0, kWidth, kHeight, kWhite);
  const atom_drawing::Projection p = atom_drawing::setupScreenProjection(kCube20, kWidth, kHeight);
  atom_drawing::DrawFrontAxis(picture.dc(), p, kCube20);
  // Front corner (20,20,20) at (199,24); its edges run to (39,24), (199,184)
  // below it via (20,0,20), and up-right to (209,14) via (20,20,0).
  EXPECT_EQ(picture.at(199, 24), 0u);
  EXPECT_EQ(picture.at(120, 24), 0u);
  EXPECT_EQ(picture.at(199, 100), 0u);
  EXPECT_EQ(picture.at(204, 19), 0u);
  // The rear corner (0,0,0) is not on a front edge.
  EXPECT_EQ(picture.at(72, 151), kWhite);
}

} // namespace
