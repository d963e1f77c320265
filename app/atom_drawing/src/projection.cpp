#include "atom_drawing/projection.h"

#include <cmath>
#include <limits>

namespace atom_drawing {

namespace {

constexpr double kObliqueShift = 0.15; // per unit of model z, off model x and y
constexpr double kMarginFactor = 1.05; // 5 % free border around the box
constexpr double kFrontWeight = 6.0;   // depth factor (6 zmax + z) / (7 zmax)
constexpr double kDepthWeight = 7.0;

constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();

// Nearest integer, halves to even; the view is undefined beyond 32 bits.
std::int32_t roundChecked(double value) {
  const double r = std::nearbyint(value);
  if (!(r >= kInt32Min && r <= kInt32Max))
    throw ProjectionError("the box does not fit the view: a rounded extent exceeds 32 bits");
  return static_cast<std::int32_t>(r);
}

// Nearest integer, halves to even, saturated: a point far outside the box
// lands far outside the picture, where drawing clips it away.
std::int32_t roundSaturated(double value) {
  const double r = std::nearbyint(value);
  if (r >= kInt32Max)
    return std::numeric_limits<std::int32_t>::max();
  if (r >= kInt32Min)
    return static_cast<std::int32_t>(r);
  return std::numeric_limits<std::int32_t>::min(); // also NaN
}

std::int32_t checkedSum(std::int64_t sum) {
  if (sum < kInt32Min || sum > kInt32Max)
    throw ProjectionError("the box does not fit the view: its extent overflows 32 bits");
  return static_cast<std::int32_t>(sum);
}

struct AxisFit {
  std::int32_t modelCenter;
  std::int32_t screenCenter;
  double ratio; // model units per pixel
};

// One picture axis: the shifted extent of the box, its rounded centre, and
// the model units per pixel it needs.
AxisFit fitAxis(double lo, double hi, double zmin, double zmax, double pixels) {
  const std::int32_t shiftedLo = roundChecked(lo - kObliqueShift * zmax);
  const std::int32_t shiftedHi = roundChecked(hi - kObliqueShift * zmin);
  const std::int32_t span = checkedSum(std::int64_t{shiftedHi} - shiftedLo);
  const std::int32_t sum = checkedSum(std::int64_t{shiftedLo} + shiftedHi);
  return {roundChecked(sum / 2.0), roundChecked(pixels / 2.0), span / pixels};
}

} // namespace

Projection setupScreenProjection(const Box &box, double width, double height) {
  if (!(width > 0 && height > 0))
    throw ProjectionError("the atom view has no pixels to draw on");
  const double zmin = box[2];
  const double zmax = box[5];
  if (!(zmax > 0))
    throw ProjectionError("the box must reach above z = 0 to be drawn in depth");
  const AxisFit x = fitAxis(box[0], box[3], zmin, zmax, width);
  const AxisFit y = fitAxis(box[1], box[4], zmin, zmax, height);
  Projection view;
  view.modelCenterX = x.modelCenter;
  view.modelCenterY = y.modelCenter;
  view.scrCenterX = x.screenCenter;
  view.scrCenterY = y.screenCenter;
  view.screenScale = kMarginFactor * (x.ratio > y.ratio ? x.ratio : y.ratio);
  view.zmax = zmax;
  if (!(view.screenScale > 0))
    throw ProjectionError("the box has no extent to draw");
  return view;
}

PicturePoint projectPoint(const Projection &view, double cx, double cy, double cz) {
  const double depth = (kFrontWeight * view.zmax + cz) / (kDepthWeight * view.zmax);
  const double s = view.screenScale / depth;
  return {(cx - kObliqueShift * cz - view.modelCenterX) / s + view.scrCenterX,
          view.scrCenterY - (cy - kObliqueShift * cz - view.modelCenterY) / s, 1.0 / s};
}

void cnvrt2DcoorTo3Dcoor(const Projection &view, std::int32_t &scrX, std::int32_t &scrY, double cx,
                         double cy, double cz) {
  const PicturePoint point = projectPoint(view, cx, cy, cz);
  scrX = roundSaturated(point.x);
  scrY = roundSaturated(point.y);
}

} // namespace atom_drawing
