#include "atom_drawing/projection.h"

#include "test_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using view_test::kCube20;

namespace {


struct Pixel {
  std::int32_t x, y;
  bool operator==(const Pixel &) const = default;
};

Pixel project(const atom_drawing::Projection &p, double x, double y, double z) {
  Pixel px{};
  atom_drawing::cnvrt2DcoorTo3Dcoor(p, px.x, px.y, x, y, z);
  return px;
}

TEST(Projection, CubeOnAtomViewFitsWithRoundedCentres) {
  const atom_drawing::Projection p = atom_drawing::setupScreenProjection(kCube20, 254, 193);
  EXPECT_EQ(p.modelCenterX, 8); // (-3 + 20) / 2 = 8.5 rounds to even
  EXPECT_EQ(p.modelCenterY, 8);
  EXPECT_EQ(p.scrCenterX, 127);
  EXPECT_EQ(p.scrCenterY, 96);                          // 96.5 rounds to even
  EXPECT_DOUBLE_EQ(p.screenScale, 1.05 * 23.0 / 193.0); // y is the tighter axis
}

TEST(Projection, CubeCornersLandOnTheirPixels) {
  const atom_drawing::Projection p = atom_drawing::setupScreenProjection(kCube20, 254, 193);
  EXPECT_EQ(project(p, 0, 0, 20), (Pixel{39, 184}));
  EXPECT_EQ(project(p, 0, 20, 20), (Pixel{39, 24}));
  EXPECT_EQ(project(p, 20, 20, 20), (Pixel{199, 24}));
  EXPECT_EQ(project(p, 0, 0, 0), (Pixel{72, 151}));
  EXPECT_EQ(project(p, 20, 0, 0), (Pixel{209, 151}));
  EXPECT_EQ(project(p, 20, 20, 0), (Pixel{209, 14}));
  EXPECT_EQ(project(p, 10, 10, 10), (Pixel{131, 92}));
}

TEST(Projection, WideBoxTakesItsScaleFromXAndTallBoxFromY) {
  const atom_drawing::Projection wide = atom_drawing::setupScreenProjection({0, 0, 0, 1000, 20, 20}, 254, 193);
  EXPECT_DOUBLE_EQ(wide.screenScale, 1.05 * (1000 - (-3)) / 254.0);
  const atom_drawing::Projection tall = atom_drawing::setupScreenProjection({0, 0, 0, 20, 1000, 20}, 254, 193);
  EXPECT_DOUBLE_EQ(tall.screenScale, 1.05 * (1000 - (-3)) / 193.0);
}

TEST(Projection, FrontPlaneAtFullScaleAndRearPlaneAtSixSevenths) {
  const atom_drawing::Box box = {0, 0, 0, 7000, 7000, 7000};
  const atom_drawing::Projection p = atom_drawing::setupScreenProjection(box, 254, 193);
  // Offsets from the picture centre, before rounding, for the same shifted
  // model point on the front plane and on z = 0.
  const double dx = 1400;
  const double frontX = dx / p.screenScale;
  const double rearX = dx / (p.screenScale / (6.0 / 7.0));
  const Pixel front =
      project(p, p.modelCenterX + 0.15 * 7000 + dx, p.modelCenterY + 0.15 * 7000, 7000);
  const Pixel rear = project(p, p.modelCenterX + dx, p.modelCenterY, 0);
  EXPECT_EQ(front.x, p.scrCenterX + std::lrint(frontX));
  EXPECT_EQ(rear.x, p.scrCenterX + std::lrint(rearX));
  EXPECT_EQ(front.y, p.scrCenterY);
  EXPECT_EQ(rear.y, p.scrCenterY);
}

TEST(Projection, RefittingTheSameBoxGivesTheSameView) {
  const atom_drawing::Projection a = atom_drawing::setupScreenProjection({-50, 10, 5, 9000, 7000, 12000}, 254, 193);
  const atom_drawing::Projection b = atom_drawing::setupScreenProjection({-50, 10, 5, 9000, 7000, 12000}, 254, 193);
  EXPECT_EQ(a.modelCenterX, b.modelCenterX);
  EXPECT_EQ(a.modelCenterY, b.modelCenterY);
  EXPECT_EQ(a.screenScale, b.screenScale);
  EXPECT_EQ(project(a, 1, 2, 3), project(b, 1, 2, 3));
}

TEST(Projection, UndefinedViewsAreRefusedWithAReason) {
  EXPECT_THROW(atom_drawing::setupScreenProjection(kCube20, 0, 193), atom_drawing::ProjectionError);
  EXPECT_THROW(atom_drawing::setupScreenProjection(kCube20, 254, 0), atom_drawing::ProjectionError);
  EXPECT_THROW(atom_drawing::setupScreenProjection({0, 0, 0, 20, 20, 0}, 254, 193), atom_drawing::ProjectionError);
  EXPECT_THROW(atom_drawing::setupScreenProjection({0, 0, 0, 20, 20, -5}, 254, 193), atom_drawing::ProjectionError);
  EXPECT_THROW(atom_drawing::setupScreenProjection({0, 0, 0, 0, 0, 1e-9}, 254, 193),
               atom_drawing::ProjectionError); // no extent at all
  EXPECT_THROW(atom_drawing::setupScreenProjection({-3e9, 0, 0, 3e9, 20, 20}, 254, 193),
               atom_drawing::ProjectionError); // span beyond 32 bits
  EXPECT_THROW(atom_drawing::setupScreenProjection({0, 0, 0, 1e300, 20, 20}, 254, 193),
               atom_drawing::ProjectionError);
}

TEST(Projection, PointsFarOutsideTheBoxSaturateInsteadOfOverflowing) {
  const atom_drawing::Projection p = atom_drawing::setupScreenProjection(kCube20, 254, 193);
  const Pixel far = project(p, 1e30, -1e30, 10);
  EXPECT_EQ(far.x, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(far.y, std::numeric_limits<std::int32_t>::max());
  const Pixel nan = project(p, std::nan(""), 0, 10);
  EXPECT_EQ(nan.x, std::numeric_limits<std::int32_t>::min());
}

} // namespace
