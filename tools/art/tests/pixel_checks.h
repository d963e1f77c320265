#pragma once

#include <QImage>
#include <QRect>

#include <functional>

// Shared helpers of the picture tests: pixel classes and counts over areas.

inline int luma(QRgb p) { return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p)) / 1000; }

inline bool isPureBlack(QRgb p) { return (p & 0xffffffu) == 0; }

// Share of the pixels of `area` for which `test` holds.
inline double shareOf(const QImage &image, const QRect &area,
                      const std::function<bool(QRgb)> &test) {
  int hits = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      hits += test(image.pixel(x, y)) ? 1 : 0;
  return static_cast<double>(hits) / (area.width() * area.height());
}

// Number of pure black pixels that cannot reach the image border through
// other pure black pixels: holes inside a sprite's shape, which would show
// as transparent spots.
int enclosedBlackPixels(const QImage &image);
