#include "atom_drawing/atom_display.h"

#include "atom_drawing/box_edges.h"
#include "raster/memory_picture.h"
#include "raster/picture_surface.h"
#include "scenario/mod_dorn_dll.h"
#include "sprites/atom_sprite.h"

#include "test_surface.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

namespace {

using view_test::kCube20;
using view_test::kHeight;
using view_test::kWidth;
using view_test::Surface;
using view_test::kWhite;
constexpr raster::COLORREF kRed = raster::RGB(220, 0, 0);
constexpr raster::COLORREF kBlue = raster::RGB(0, 0, 220);

// A picture box whose "files" are solid squares of one colour.
class SquarePicture : public raster::PictureSurface {
public:
  explicit SquarePicture(std::map<std::string, raster::COLORREF> squares)
      : squares_(std::move(squares)) {}
  ~SquarePicture() override { release(); }
  void loadPicture(const std::string &path) override {
    release();
    dc_ = raster::CreateCompatibleDC(0);
    bitmap_ = raster::CreateColorBitmap(kSide, kSide);
    raster::SelectObject(dc_, bitmap_);
    raster::FillRect(dc_, 0, 0, kSide, kSide, squares_.at(path));
  }
  void setVisible(bool) override {}
  void refresh() override {}
  raster::HDC hDC() const override { return dc_; }
  double scaleWidth() const override { return kSide; }
  double scaleHeight() const override { return kSide; }

private:
  static constexpr int kSide = 8;
  void release() {
    raster::DeleteDC(dc_);
    raster::DeleteObject(bitmap_);
  }
  std::map<std::string, raster::COLORREF> squares_;
  raster::HDC dc_ = 0;
  raster::HBITMAP bitmap_ = 0;
};

class AtomDisplay : public ::testing::Test {
protected:
  void SetUp() override {
    SquarePicture loader({{"red", kRed}, {"blue", kBlue}});
    sprites.initAs(loader, "red", 0);
    sprites.initAs(loader, "blue", 1);
    view = atom_drawing::setupScreenProjection(kCube20, kWidth, kHeight);
    atom_drawing::DrawAxis(picture.dc(), background.dc(), kWidth, kHeight, kWhite, view, kCube20);
  }

  // Atoms at the given positions and types; drawOrder the identity.
  void setAtoms(const std::vector<std::array<double, 3>> &at, const std::vector<int> &types) {
    using namespace ModDornDll;
    numAtoms = static_cast<std::int32_t>(at.size());
    atomCoords.assign(3 * at.size() + 1, 0.0);
    atomTypes.assign(at.size() + 1, 0);
    drawOrder.assign(at.size() + 1, 0);
    for (std::size_t a = 0; a < at.size(); ++a) {
      std::copy(at[a].begin(), at[a].end(), atomCoords.begin() + 3 * a);
      atomTypes[a] = types[a];
      drawOrder[a] = static_cast<std::int16_t>(a);
    }
  }

  void display() {
    atom_drawing::displayAtoms({picture.dc(), background.dc(), frame.dc(), kWidth, kHeight}, view, kCube20,
                       sprites);
  }

  std::array<std::int32_t, 2> pixelOf(double x, double y, double z) const {
    std::array<std::int32_t, 2> p{};
    atom_drawing::cnvrt2DcoorTo3Dcoor(view, p[0], p[1], x, y, z);
    return p;
  }

  Surface picture, background, frame;
  AtomSprite sprites;
  atom_drawing::Projection view;
};

TEST_F(AtomDisplay, NoAtomsShowTheEmptyBox) {
  setAtoms({}, {});
  raster::FillRect(picture.dc(), 0, 0, kWidth, kHeight, raster::RGB(9, 9, 9));
  display();
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(picture.at(x, y), background.at(x, y)) << x << "," << y;
}

TEST_F(AtomDisplay, OneAtomIsDrawnWithItsTopLeftAtItsProjectedPoint) {
  setAtoms({{{10, 10, 10}}}, {1});
  display();
  const auto p = pixelOf(10, 10, 10);
  EXPECT_EQ(picture.at(p[0], p[1]), kBlue);
  EXPECT_EQ(picture.at(p[0] + 7, p[1] + 7), kBlue);
  EXPECT_EQ(picture.at(p[0] - 1, p[1]), kWhite);
  EXPECT_EQ(picture.at(p[0] + 8, p[1] + 8), kWhite);
}

TEST_F(AtomDisplay, NearerAtomIsDrawnLastAndSeen) {
  // The nearer (larger z) atom stands first in the order it starts from.
  setAtoms({{{10, 10, 10.5}}, {{10, 10, 10}}}, {1, 0});
  display();
  const auto nearPx = pixelOf(10, 10, 10.5);
  const auto farPx = pixelOf(10, 10, 10);
  const int x = std::max(nearPx[0], farPx[0]);
  const int y = std::max(nearPx[1], farPx[1]);
  ASSERT_LT(std::abs(nearPx[0] - farPx[0]), 8);
  ASSERT_LT(std::abs(nearPx[1] - farPx[1]), 8);
  EXPECT_EQ(picture.at(x, y), kBlue);
  EXPECT_EQ(ModDornDll::drawOrder[1], 0); // the nearer atom now comes last
}

TEST_F(AtomDisplay, AtomWithoutAnImageIsSkippedAndOthersStillDrawn) {
  setAtoms({{{5, 5, 10}}, {{15, 15, 10}}}, {6, 0});
  display();
  const auto skipped = pixelOf(5, 5, 10);
  const auto drawn = pixelOf(15, 15, 10);
  EXPECT_EQ(picture.at(skipped[0] + 3, skipped[1] + 3),
            background.at(skipped[0] + 3, skipped[1] + 3));
  EXPECT_EQ(picture.at(drawn[0] + 3, drawn[1] + 3), kRed);
}

TEST_F(AtomDisplay, FrontEdgesLieOverTheAtoms) {
  // An atom whose sprite covers the front corner (199, 24) of the box.
  setAtoms({{{19.6, 20.3, 19.9}}}, {0});
  const auto p = pixelOf(19.6, 20.3, 19.9);
  ASSERT_LE(p[0], 199);
  ASSERT_GT(p[0] + 8, 199);
  ASSERT_LE(p[1], 24);
  ASSERT_GT(p[1] + 8, 24);
  display();
  EXPECT_EQ(picture.at(199, 24), 0u);
  EXPECT_EQ(frame.at(199, 24), kRed); // the frame itself holds the atom there
}

} // namespace
