// The large view's projection against the atom view's: the same picture
// unturned, depth along x after a quarter turn, the box centre held at the
// window centre whatever the zoom.
#include "turned_projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using views::Camera;
using views::ScreenPoint;
using views::TurnedProjection;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 960;
const atom_drawing::Box kBox{0.0, 0.0, 0.0, 40000.0, 30000.0, 20000.0};

struct Corner {
  double x, y, z;
};

std::vector<Corner> corners(const atom_drawing::Box &box) {
  std::vector<Corner> all;
  for (int c = 0; c < 8; ++c)
    all.push_back({box[(c & 1) ? 3 : 0], box[(c & 2) ? 4 : 1], box[(c & 4) ? 5 : 2]});
  return all;
}

int sign(double value) { return (value > 0) - (value < 0); }

} // namespace

TEST(TurnedProjection, UnturnedItKeepsTheAtomViewsCornerAndDepthOrder) {
  const atom_drawing::Projection small = atom_drawing::setupScreenProjection(kBox, 254, 193);
  const TurnedProjection large(kBox, kWidth, kHeight, Camera{});
  const auto all = corners(kBox);
  for (const Corner &a : all) {
    for (const Corner &b : all) {
      std::int32_t ax, ay, bx, by;
      atom_drawing::cnvrt2DcoorTo3Dcoor(small, ax, ay, a.x, a.y, a.z);
      atom_drawing::cnvrt2DcoorTo3Dcoor(small, bx, by, b.x, b.y, b.z);
      const ScreenPoint la = large.project(a.x, a.y, a.z), lb = large.project(b.x, b.y, b.z);
      if (std::abs(ax - bx) > 1) {
        EXPECT_EQ(sign(la.x - lb.x), sign(ax - bx)) << a.x << "," << a.y << "," << a.z;
      }
      if (std::abs(ay - by) > 1) {
        EXPECT_EQ(sign(la.y - lb.y), sign(ay - by)) << a.x << "," << a.y << "," << a.z;
      }
      EXPECT_EQ(sign(la.depth - lb.depth), sign(a.z - b.z)) << "larger z is nearer in both";
    }
  }
}

TEST(TurnedProjection, UnturnedItIsTheAtomViewMovedAndScaled) {
  const atom_drawing::Projection small = atom_drawing::setupScreenProjection(kBox, kWidth, kHeight);
  const TurnedProjection large(kBox, kWidth, kHeight, Camera{0.0, 0.0, 2.0});
  const atom_drawing::PicturePoint s0 = atom_drawing::projectPoint(small, 0.0, 0.0, 20000.0);
  const ScreenPoint l0 = large.project(0.0, 0.0, 20000.0);
  for (const Corner &c : corners(kBox)) {
    const atom_drawing::PicturePoint s = atom_drawing::projectPoint(small, c.x, c.y, c.z);
    const ScreenPoint l = large.project(c.x, c.y, c.z);
    // Fitted into the smaller share of the window, then zoomed twice.
    const double scale = 2.0 * TurnedProjection::kFill;
    EXPECT_NEAR(l.x - l0.x, scale * (s.x - s0.x), 1e-9);
    EXPECT_NEAR(l.y - l0.y, scale * (s.y - s0.y), 1e-9);
    EXPECT_NEAR(l.pixelsPerUnit, scale * s.pixelsPerUnit, 1e-15);
  }
}

TEST(TurnedProjection, AQuarterTurnAboutTheVerticalLaysTheXExtentAlongTheDepth) {
  const TurnedProjection turned(kBox, kWidth, kHeight, Camera{std::numbers::pi / 2, 0.0, 1.0});
  double nearest = -1e300, farthest = 1e300;
  for (const Corner &c : corners(kBox)) {
    const ScreenPoint p = turned.project(c.x, c.y, c.z);
    nearest = std::max(nearest, p.depth);
    farthest = std::min(farthest, p.depth);
    // The depth follows x alone: the min-x face is the near one.
    const ScreenPoint sameX = turned.project(c.x, 0.0, 0.0);
    EXPECT_NEAR(p.depth, sameX.depth, 1e-6);
  }
  EXPECT_NEAR(nearest - farthest, kBox[3] - kBox[0], 1e-6);
  EXPECT_GT(turned.project(0.0, 0.0, 0.0).depth, turned.project(40000.0, 0.0, 0.0).depth);
}

TEST(TurnedProjection, ZoomKeepsTheBoxCentreAtTheWindowCentre) {
  const Camera cameras[] = {{0.0, 0.0, 1.0}, {0.0, 0.0, 0.3}, {0.7, -0.4, 4.0}, {-2.0, 1.2, 1.5}};
  for (const Camera &camera : cameras) {
    const ScreenPoint centre =
        TurnedProjection(kBox, kWidth, kHeight, camera).project(20000.0, 15000.0, 10000.0);
    EXPECT_NEAR(centre.x, kWidth / 2.0, 1e-6) << camera.zoom;
    EXPECT_NEAR(centre.y, kHeight / 2.0, 1e-6) << camera.zoom;
  }
  const ScreenPoint near =
      TurnedProjection(kBox, kWidth, kHeight, {0.0, 0.0, 1.0}).project(0, 0, 0);
  const ScreenPoint zoomed =
      TurnedProjection(kBox, kWidth, kHeight, {0.0, 0.0, 3.0}).project(0, 0, 0);
  EXPECT_NEAR(zoomed.x - kWidth / 2.0, 3.0 * (near.x - kWidth / 2.0), 1e-6);
  EXPECT_NEAR(zoomed.pixelsPerUnit, 3.0 * near.pixelsPerUnit, 1e-12);
}

TEST(TurnedProjection, ABoxTheAtomViewCannotDrawIsRefusedAsThere) {
  EXPECT_THROW(TurnedProjection({0, 0, -100, 10, 10, 0}, kWidth, kHeight, {}),
               atom_drawing::ProjectionError);
  EXPECT_THROW(TurnedProjection(kBox, 0, kHeight, {}), atom_drawing::ProjectionError);
}
