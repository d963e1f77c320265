#include "turned_projection.h"

#include <cmath>

namespace views {

TurnedProjection::TurnedProjection(const atom_drawing::Box &box, int width, int height,
                                   const Camera &camera)
    : front_(atom_drawing::setupScreenProjection(box, kFill * width, kFill * height)),
      windowX_(width / 2.0), windowY_(height / 2.0), zoom_(camera.zoom) {
  for (std::size_t k = 0; k < 3; ++k)
    centre_[k] = (box[k] + box[k + 3]) / 2.0;
  const double cy = std::cos(camera.yaw), sy = std::sin(camera.yaw);
  const double cp = std::cos(camera.pitch), sp = std::sin(camera.pitch);
  // The pitch applied after the yaw: Rx(pitch) · Ry(yaw).
  turn_ = {{{cy, 0.0, sy}, {sp * sy, cp, -sp * cy}, {-cp * sy, sp, cp * cy}}};
  centreImage_ = atom_drawing::projectPoint(front_, centre_[0], centre_[1], centre_[2]);
}

ScreenPoint TurnedProjection::project(double x, double y, double z) const {
  const double d[3] = {x - centre_[0], y - centre_[1], z - centre_[2]};
  double turned[3];
  for (std::size_t row = 0; row < 3; ++row)
    turned[row] = centre_[row] + turn_[row][0] * d[0] + turn_[row][1] * d[1] + turn_[row][2] * d[2];
  const atom_drawing::PicturePoint p = atom_drawing::projectPoint(front_, turned[0], turned[1], turned[2]);
  return {windowX_ + zoom_ * (p.x - centreImage_.x), windowY_ + zoom_ * (p.y - centreImage_.y),
          turned[2], zoom_ * p.pixelsPerUnit};
}

} // namespace views
