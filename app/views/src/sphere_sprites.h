// Pre-shaded spheres: one image per colour and diameter in whole pixels,
// shaded once and kept, so that a frame only copies images.
#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <unordered_map>

namespace views {

class SphereSprites {
public:
  // Spheres are at most this wide; larger ones are drawn at this size.
  static constexpr int kLargestDiameter = 400;
  // The cache starts afresh beyond this many bytes of images.
  static constexpr std::size_t kBudgetBytes = std::size_t{64} << 20;

  // A sphere of this base colour, diameter pixels wide (1 to kLargestDiameter),
  // lit from the upper left, with soft edges over a transparent corner.
  const QImage &sphere(QRgb colour, int diameter);

  std::size_t cachedImages() const { return images_.size(); }

private:
  std::unordered_map<std::uint64_t, QImage> images_;
  std::size_t bytes_ = 0;
};

// The shading of one sphere, as cached above.
QImage shadeSphere(QRgb colour, int diameter);

} // namespace views
