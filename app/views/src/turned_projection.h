// The large view's mapping from model coordinates to window pixels: the box
// turned about its centre, then drawn with the atom view's own projection
// (the oblique shift and the depth scale), its centre held at the window's
// centre and zoomed about it. Unturned, it is the atom view moved and
// scaled. Qt-free.
#pragma once

#include "atom_drawing/projection.h"

#include <array>

namespace views {

// How the box is turned and zoomed. yaw turns it about the vertical, then
// pitch tips it about the horizontal (radians); zoom 1 fits the unturned
// box into the window with a border.
struct Camera {
  double yaw = 0.0;
  double pitch = 0.0;
  double zoom = 1.0;
};

struct ScreenPoint {
  double x; // window pixels
  double y;
  double depth;         // model z after the turn: larger is nearer
  double pixelsPerUnit; // at this depth; not positive where nothing can be drawn
};

class TurnedProjection {
public:
  // Share of the window the unturned box fills at zoom 1, leaving room to turn it.
  static constexpr double kFill = 0.7;

  // Throws atom_drawing::ProjectionError for a box or window the atom view could not draw.
  TurnedProjection(const atom_drawing::Box &box, int width, int height, const Camera &camera);

  ScreenPoint project(double x, double y, double z) const;

private:
  std::array<double, 3> centre_{};
  std::array<std::array<double, 3>, 3> turn_{}; // rows of the turn matrix
  atom_drawing::Projection front_;
  atom_drawing::PicturePoint centreImage_{};
  double windowX_ = 0.0;
  double windowY_ = 0.0;
  double zoom_ = 1.0;
};

} // namespace views
