// The one mapping from model coordinates to atom-view pixels: a fixed oblique
// view (0.15 of z taken off x and y) with a depth-dependent scale, fitted to
// the box and the picture with a 5 % border.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace atom_drawing {

using Box = std::array<double, 6>; // min x, y, z, then max x, y, z

// A box or picture for which the view is undefined (zero-sized picture,
// box with zmax <= 0, extents beyond 32-bit pixels).
class ProjectionError : public std::domain_error {
public:
  using std::domain_error::domain_error;
};

struct Projection {
  std::int32_t modelCenterX = 0; // model x at the picture's centre
  std::int32_t modelCenterY = 0; // model y at the picture's centre
  double screenScale = 0;        // model units per pixel on the front plane z = zmax
  std::int32_t scrCenterX = 0;   // half the picture width, pixels
  std::int32_t scrCenterY = 0;   // half the picture height, pixels
  double zmax = 0;               // front plane of the box the view was fitted to
};

// Fits the view to the box on a picture of width x height pixels; throws
// ProjectionError where the view is undefined.
Projection setupScreenProjection(const Box &box, double width, double height);

// Picture position of the model point (cx, cy, cz) before rounding, with
// the pixels per model unit at its depth (not positive for a point so far
// behind the box that the depth scale turns over).
struct PicturePoint {
  double x;
  double y;
  double pixelsPerUnit;
};
PicturePoint projectPoint(const Projection &view, double cx, double cy, double cz);

// Picture position of the model point (cx, cy, cz), rounded.
void cnvrt2DcoorTo3Dcoor(const Projection &view, std::int32_t &scrX, std::int32_t &scrY, double cx,
                         double cy, double cz);

} // namespace atom_drawing
