#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>

// Shared helpers of the picture tests: pixel classes and counts over areas.

inline int luma(QRgb p) { return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p)) / 1000; }

// The little-endian 32-bit number at byte `at` of a file's bytes.
inline std::uint32_t read32(const QByteArray &bytes, int at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

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
