#include "sphere_sprites.h"

#include <algorithm>
#include <cmath>

namespace views {

namespace {

// Light from the upper left and in front (unit vector), a dim ambient floor
// and a white highlight.
constexpr double kLight[3] = {-0.45, -0.55, 0.70};
constexpr double kAmbient = 0.28;
constexpr double kDiffuse = 0.85;
constexpr double kShine = 0.7;
constexpr double kShineExponent = 20.0;

int channel(double value) { return std::clamp(static_cast<int>(std::lround(value)), 0, 255); }

// Colour of the sphere where its unit normal is (nx, ny, nz).
QRgb shade(QRgb base, double nx, double ny, double nz) {
  const double diffuse = std::max(0.0, nx * kLight[0] + ny * kLight[1] + nz * kLight[2]);
  const double reflect = 2.0 * diffuse * nz - kLight[2]; // the viewer looks along z
  const double shine = kShine * std::pow(std::max(0.0, reflect), kShineExponent);
  const double lit = kAmbient + kDiffuse * diffuse;
  auto mix = [&](int c) { return channel(c * lit * (1.0 - shine) + 255.0 * shine); };
  return qRgb(mix(qRed(base)), mix(qGreen(base)), mix(qBlue(base)));
}

} // namespace

QImage shadeSphere(QRgb colour, int diameter) {
  QImage image(diameter, diameter, QImage::Format_ARGB32_Premultiplied);
  const double radius = diameter / 2.0;
  for (int y = 0; y < diameter; ++y) {
    auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < diameter; ++x) {
      const double nx = (x + 0.5 - radius) / radius, ny = (y + 0.5 - radius) / radius;
      const double rr = nx * nx + ny * ny;
      // Coverage falls from 1 to 0 over the outermost pixel, for a soft edge.
      const double cover = std::clamp((1.0 - std::sqrt(rr)) * radius + 0.5, 0.0, 1.0);
      if (cover <= 0.0) {
        line[x] = 0;
        continue;
      }
      const QRgb lit = shade(colour, nx, ny, std::sqrt(std::max(0.0, 1.0 - rr)));
      line[x] = qPremultiply(qRgba(qRed(lit), qGreen(lit), qBlue(lit), channel(255.0 * cover)));
    }
  }
  return image;
}

const QImage &SphereSprites::sphere(QRgb colour, int diameter) {
  diameter = std::clamp(diameter, 1, kLargestDiameter);
  const std::uint64_t key = (std::uint64_t{colour} << 32) | static_cast<std::uint32_t>(diameter);
  if (const auto found = images_.find(key); found != images_.end())
    return found->second;
  if (bytes_ > kBudgetBytes) {
    images_.clear();
    bytes_ = 0;
  }
  QImage image = shadeSphere(colour, diameter);
  bytes_ += static_cast<std::size_t>(image.sizeInBytes());
  return images_.emplace(key, std::move(image)).first->second;
}

} // namespace views
