#pragma once

#include <QColor>
#include <QRgb>

#include <algorithm>
#include <cmath>

// A colour with float channels on the 0..255 scale, for shading arithmetic
// before the final rounding to 8-bit pixels.
struct Rgb {
  double r = 0.0;
  double g = 0.0;
  double b = 0.0;

  Rgb operator+(const Rgb &o) const { return {r + o.r, g + o.g, b + o.b}; }
  Rgb operator*(double k) const { return {r * k, g * k, b * k}; }
};

inline Rgb mix(const Rgb &a, const Rgb &b, double t) { return a * (1.0 - t) + b * t; }

inline double clamp01(double t) { return std::clamp(t, 0.0, 1.0); }

inline double smoothstep(double edge0, double edge1, double x) {
  const double t = clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0 - 2.0 * t);
}

inline int toChannel(double v) { return static_cast<int>(std::lrint(std::clamp(v, 0.0, 255.0))); }

inline QRgb toQRgb(const Rgb &c) { return qRgb(toChannel(c.r), toChannel(c.g), toChannel(c.b)); }

inline QColor toQColor(const Rgb &c, int alpha = 255) {
  return QColor(toChannel(c.r), toChannel(c.g), toChannel(c.b), alpha);
}
