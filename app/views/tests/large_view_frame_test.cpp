// One picture of the large view, checked by its pixels: nearer atoms cover
// farther ones, the fastest atom is drawn at the hot end of the ramp, and a
// box the view cannot draw gives a message instead of a crash.
#include "large_view_frame.h"
#include "speed_ramp.h"
#include "sphere_sprites.h"

#include <QImage>
#include <QPolygonF>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace views;

namespace {

constexpr int kFrameWidth = 400;
constexpr int kFrameHeight = 300;
constexpr double kFramePair[4] = {4096.0, 1.0, 1412.0, 2048.0};

// Atoms of two types in a box of 20,000, all pairs the same.
analysis::AtomFrame frameOf(std::vector<double> coords, std::vector<std::int32_t> types) {
  analysis::AtomFrame frame;
  frame.coords = std::move(coords);
  frame.types = std::move(types);
  frame.typeCount = 2;
  for (int p = 0; p < 3; ++p)
    frame.pairParams.insert(frame.pairParams.end(), kFramePair, kFramePair + 4);
  frame.box = {0.0, 0.0, 0.0, 20000.0, 20000.0, 20000.0};
  return frame;
}

QColor pixelAt(const QImage &picture, const analysis::AtomFrame &frame, std::size_t atom,
               const Camera &camera = {}) {
  const TurnedProjection projection(frame.box, kFrameWidth, kFrameHeight, camera);
  const std::size_t k = 3 * atom;
  const ScreenPoint p =
      projection.project(frame.coords[k], frame.coords[k + 1], frame.coords[k + 2]);
  return picture.pixelColor(static_cast<int>(p.x), static_cast<int>(p.y));
}

QImage draw(const analysis::AtomFrame &frame, const std::vector<double> &speeds,
            Colouring colouring, const Camera &camera = {}) {
  QImage picture(kFrameWidth, kFrameHeight, QImage::Format_ARGB32_Premultiplied);
  SphereSprites sprites;
  EXPECT_TRUE(drawLargeView(picture, frame, frame.box, camera, {colouring, speeds, speedUnit({})},
                            sprites));
  return picture;
}

// The box's edges at full strength are this red; fainter lines less.
constexpr int kEdgesShownAtFull = 170;

bool blue(const QColor &c) { return c.blue() > 2 * c.red() && c.blue() > c.green(); }
bool red(const QColor &c) { return c.red() > 2 * c.blue() && c.red() > c.green(); }

} // namespace

TEST(LargeViewFrame, NearerAtomsCoverFartherOnesWhateverTheirOrder) {
  // A blue atom (type 0) in front of a red one (type 1) on the same line of
  // sight after the turn, listed first and then last.
  const Camera side{1.2, 0.3, 2.0};
  for (const bool blueFirst : {true, false}) {
    std::vector<double> coords{10000, 10000, 10000};
    const TurnedProjection projection({0, 0, 0, 20000, 20000, 20000}, kFrameWidth, kFrameHeight, side);
    // The point 400 units farther along the line of sight: the turned depth
    // axis is the third row of the turn; find it by projecting.
    const ScreenPoint front = projection.project(10000, 10000, 10000);
    double behind[3] = {10000, 10000, 10000};
    for (int step = 0; step < 3; ++step) {
      double probe[3] = {10000, 10000, 10000};
      probe[step] += 1.0;
      const ScreenPoint moved = projection.project(probe[0], probe[1], probe[2]);
      behind[step] -= 400.0 * (moved.depth - front.depth);
    }
    coords.insert(blueFirst ? coords.end() : coords.begin(), behind, behind + 3);
    const std::vector<std::int32_t> types =
        blueFirst ? std::vector<std::int32_t>{0, 1} : std::vector<std::int32_t>{1, 0};
    const auto frame = frameOf(coords, types);
    const QImage picture = draw(frame, {}, Colouring::Material, side);
    const std::size_t blueAtom = blueFirst ? 0 : 1;
    EXPECT_TRUE(blue(pixelAt(picture, frame, blueAtom, side))) << "blue first: " << blueFirst;
  }
}

TEST(LargeViewFrame, ColourBySpeedDrawsTheFastestAtomHotAndTheSlowestCold) {
  const auto frame =
      frameOf({4000, 10000, 10000, 10000, 10000, 10000, 16000, 10000, 10000}, {0, 0, 1});
  const std::vector<double> speeds{3.0, 0.5, 9.0};
  const QImage bySpeed = draw(frame, speeds, Colouring::Speed);
  EXPECT_TRUE(red(pixelAt(bySpeed, frame, 2))) << "the fastest";
  EXPECT_TRUE(blue(pixelAt(bySpeed, frame, 1))) << "the slowest";
  const QImage byMaterial = draw(frame, speeds, Colouring::Material);
  EXPECT_TRUE(blue(pixelAt(byMaterial, frame, 1))) << "type 0 is blue";
  EXPECT_TRUE(red(pixelAt(byMaterial, frame, 2))) << "type 1 is red";
}

TEST(LargeViewFrame, AtomsAtRestAllTakeOneColour) {
  const auto frame = frameOf({4000, 10000, 10000, 16000, 10000, 10000}, {0, 1});
  const QImage picture = draw(frame, {0.0, 0.0}, Colouring::Speed);
  EXPECT_EQ(pixelAt(picture, frame, 0), pixelAt(picture, frame, 1));
}

TEST(LargeViewFrame, ABoxThatCannotBeDrawnGivesAMessageAndNoAtoms) {
  auto frame = frameOf({4000, 10000, -100}, {0});
  frame.box = {0, 0, -20000, 20000, 20000, 0};
  QImage picture(kFrameWidth, kFrameHeight, QImage::Format_ARGB32_Premultiplied);
  SphereSprites sprites;
  EXPECT_FALSE(drawLargeView(picture, frame, frame.box, {}, {}, sprites));
  EXPECT_EQ(sprites.cachedImages(), 0u);
  const auto untyped = frameOf({1, 1, 1}, {7});
  EXPECT_FALSE(drawLargeView(picture, untyped, untyped.box, {}, {}, sprites))
      << "a type beyond the pair table";
}

TEST(LargeViewFrame, ALoweredLidIsDrawnAsALidAndThePictureStaysPut) {
  const auto full = frameOf({10000, 3000, 10000}, {0});
  auto underLid = full;
  underLid.box[4] = 8000.0;
  const QImage open = draw(full, {}, Colouring::Material);
  QImage closed(kFrameWidth, kFrameHeight, QImage::Format_ARGB32_Premultiplied);
  SphereSprites sprites;
  ASSERT_TRUE(drawLargeView(closed, underLid, full.box, {}, {}, sprites));

  EXPECT_EQ(pixelAt(open, full, 0), pixelAt(closed, full, 0))
      << "fitted to the file's box, the atom stays where it was";
  const TurnedProjection projection(full.box, kFrameWidth, kFrameHeight, {});
  const auto at = [&](const QImage &picture, double x, double y, double z) {
    const ScreenPoint p = projection.project(x, y, z);
    return picture.pixelColor(static_cast<int>(std::lround(p.x)),
                              static_cast<int>(std::lround(p.y)));
  };
  // Inside the lid's face: the translucent pane, where the full box shows
  // nothing.
  EXPECT_EQ(at(open, 10000, 8000, 10000), kViewBackground);
  const QColor pane = at(closed, 10000, 8000, 10000);
  EXPECT_NE(pane, kViewBackground);
  EXPECT_GT(pane.blue(), kViewBackground.blue());
  // The lid's front edge: its heavy outline.
  EXPECT_EQ(at(open, 10000, 8000, 20000), kViewBackground);
  EXPECT_EQ(at(closed, 10000, 8000, 20000), kLidOutline);
  // The room above the lid, along its front left upright: faint dashes,
  // with gaps between them.
  const ScreenPoint from = projection.project(0, 10000, 20000);
  const ScreenPoint to = projection.project(0, 18000, 20000);
  int dashed = 0, rows = 0;
  for (int y = int(to.y); y <= int(from.y); ++y, ++rows) {
    bool line = false;
    for (int x = int(from.x) - 1; x <= int(from.x) + 1; ++x) {
      const QColor c = closed.pixelColor(x, y);
      line = line || c != kViewBackground;
      EXPECT_LT(c.red(), kEdgesShownAtFull) << "fainter than the box's edges";
    }
    dashed += line ? 1 : 0;
  }
  EXPECT_GT(dashed, rows / 2);
  EXPECT_LT(dashed, rows);
}

TEST(LargeViewFrame, SeenFromAboveTheLidTintsTheAtomsBelowItAndFromBelowItDoesNot) {
  // An atom just under the lid, at the back: on the screen inside the lid.
  const auto full = frameOf({10000, 7700, 2000}, {0});
  auto underLid = full;
  underLid.box[4] = 8000.0;
  int above = 0, below = 0;
  for (const double pitch : {0.0, -0.6, 0.6}) {
    const Camera camera{0.0, pitch, 1.0};
    const QImage open = draw(full, {}, Colouring::Material, camera);
    QImage closed(kFrameWidth, kFrameHeight, QImage::Format_ARGB32_Premultiplied);
    SphereSprites sprites;
    ASSERT_TRUE(drawLargeView(closed, underLid, full.box, camera, {}, sprites));
    const TurnedProjection projection(full.box, kFrameWidth, kFrameHeight, camera);
    const ScreenPoint back = projection.project(10000, 8000, 0);
    const ScreenPoint front = projection.project(10000, 8000, 20000);
    const bool fromAbove = back.y < front.y; // the lid's back edge higher on the screen
    QPolygonF face;
    for (const auto &[x, z] :
         {std::pair{0.0, 0.0}, {20000.0, 0.0}, {20000.0, 20000.0}, {0.0, 20000.0}}) {
      const ScreenPoint corner = projection.project(x, 8000, z);
      face.append(QPointF(corner.x, corner.y));
    }
    const ScreenPoint atom = projection.project(10000, 7700, 2000);
    ASSERT_TRUE(face.containsPoint(QPointF(atom.x, atom.y), Qt::OddEvenFill)) << "pitch " << pitch;
    EXPECT_EQ(pixelAt(closed, full, 0, camera) != pixelAt(open, full, 0, camera), fromAbove)
        << "pitch " << pitch;
    (fromAbove ? above : below) += 1;
  }
  EXPECT_GE(above, 1);
  EXPECT_GE(below, 1);
}

TEST(LargeViewFrame, AFullBoxHasNoLid) {
  const auto full = frameOf({10000, 3000, 10000}, {0});
  const QImage picture = draw(full, {}, Colouring::Material);
  const TurnedProjection projection(full.box, kFrameWidth, kFrameHeight, {});
  const ScreenPoint centre = projection.project(10000, 20000, 10000);
  EXPECT_EQ(picture.pixelColor(static_cast<int>(centre.x), static_cast<int>(centre.y)),
            kViewBackground)
      << "the top face of a full box is not filled";
  int outlined = 0;
  for (int y = 0; y < kFrameHeight; ++y)
    for (int x = 0; x < kFrameWidth; ++x)
      outlined += picture.pixelColor(x, y) == kLidOutline ? 1 : 0;
  EXPECT_EQ(outlined, 0);
}

TEST(SphereSprites, OneImagePerColourAndSizeShadedOnce) {
  SphereSprites sprites;
  const QImage &first = sprites.sphere(qRgb(200, 0, 0), 21);
  EXPECT_EQ(first.size(), QSize(21, 21));
  EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0) << "the corner is transparent";
  EXPECT_EQ(qAlpha(first.pixel(10, 10)), 255);
  EXPECT_EQ(&sprites.sphere(qRgb(200, 0, 0), 21), &first);
  sprites.sphere(qRgb(200, 0, 0), 22);
  sprites.sphere(qRgb(0, 0, 200), 21);
  EXPECT_EQ(sprites.cachedImages(), 3u);
  EXPECT_EQ(sprites.sphere(qRgb(0, 0, 200), 100000).width(), SphereSprites::kLargestDiameter);
}
