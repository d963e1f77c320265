#include "landscape.h"

#include "landscape_details.h"
#include "landscape_layout.h"
#include "landscape_shading.h"

namespace {

constexpr int kSubsamples = 3; // per axis, so edges between materials are smooth

QRgb averagedPixel(int px, int py) {
  Rgb sum;
  for (int sy = 0; sy < kSubsamples; ++sy) {
    for (int sx = 0; sx < kSubsamples; ++sx) {
      const double x = px + (sx + 0.5) / kSubsamples;
      const double y = py + (sy + 0.5) / kSubsamples;
      sum = sum + landscapeColourAt(x, y);
    }
  }
  return toQRgb(sum * (1.0 / (kSubsamples * kSubsamples)));
}

} // namespace

QImage renderLandscape() {
  QImage image(kLandscapeWidth, kLandscapeHeight, QImage::Format_RGB32);
  for (int y = 0; y < kLandscapeHeight; ++y) {
    auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < kLandscapeWidth; ++x)
      row[x] = averagedPixel(x, y);
  }
  paintLandscapeDetails(image);
  return image.convertToFormat(QImage::Format_RGB888);
}
