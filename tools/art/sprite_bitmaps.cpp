#include "sprite_bitmaps.h"

#include "rgb.h"
#include "atom_drawing/atom_colours.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kOversample = 6; // the shapes are drawn this much larger, then reduced

// The sprite colour of a shape pixel: never pure black, which would read as
// transparent.
QRgb shapeColour(double r, double g, double b) {
  Rgb c{r, g, b};
  if (toChannel(c.r) + toChannel(c.g) + toChannel(c.b) == 0)
    c = {1, 1, 1};
  return toQRgb(c);
}

// Reduces an oversampled ARGB drawing to a sprite: a pixel at least half
// covered takes the average colour of its covered part, any other pixel is
// the black background.
QImage reduceToSprite(const QImage &large, int size) {
  const QImage big = large.convertToFormat(QImage::Format_ARGB32);
  QImage sprite(size, size, QImage::Format_RGB888);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double r = 0, g = 0, b = 0, alpha = 0;
      for (int sy = 0; sy < kOversample; ++sy) {
        for (int sx = 0; sx < kOversample; ++sx) {
          const QRgb p = big.pixel(x * kOversample + sx, y * kOversample + sy);
          const double a = qAlpha(p) / 255.0;
          r += qRed(p) * a;
          g += qGreen(p) * a;
          b += qBlue(p) * a;
          alpha += a;
        }
      }
      const bool covered = alpha >= kOversample * kOversample * 0.5;
      sprite.setPixel(x, y, covered ? shapeColour(r / alpha, g / alpha, b / alpha) : qRgb(0, 0, 0));
    }
  }
  return sprite;
}

struct SunPalette {
  QColor centre;
  QColor body;
  QColor rim;
  QColor rays;
};

SunPalette sunPalette(SunColour colour) {
  switch (colour) {
  case SunColour::Red:
    return {{255, 150, 100}, {228, 48, 26}, {168, 22, 12}, {238, 72, 32}};
  case SunColour::Orange:
    return {{255, 226, 130}, {250, 146, 26}, {206, 96, 12}, {255, 168, 40}};
  case SunColour::Yellow:
    break;
  }
  return {{255, 255, 214}, {255, 228, 54}, {226, 176, 22}, {255, 236, 84}};
}

QPainterPath sunRays(double centre, double inner, double outer) {
  constexpr int kRays = 12;
  constexpr double kHalfWidth = 0.2; // radians either side of a ray's axis at its foot
  QPainterPath rays;
  for (int i = 0; i < kRays; ++i) {
    const double a = i * 2.0 * std::numbers::pi / kRays;
    rays.moveTo(centre + inner * std::cos(a - kHalfWidth),
                centre + inner * std::sin(a - kHalfWidth));
    rays.lineTo(centre + outer * std::cos(a), centre + outer * std::sin(a));
    rays.lineTo(centre + inner * std::cos(a + kHalfWidth),
                centre + inner * std::sin(a + kHalfWidth));
    rays.closeSubpath();
  }
  return rays;
}

} // namespace

QImage renderSun(SunColour colour) {
  const SunPalette palette = sunPalette(colour);
  const double scale = kOversample;
  const double centre = kSunSize * scale / 2.0;
  QImage large(kSunSize * kOversample, kSunSize * kOversample, QImage::Format_ARGB32);
  large.fill(Qt::transparent);
  QPainter p(&large);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(palette.rays);
  p.drawPath(sunRays(centre, 9.4 * scale, 13.9 * scale));

  QRadialGradient glow(QPointF(centre - 2.5 * scale, centre - 2.5 * scale), 10.0 * scale);
  glow.setColorAt(0.0, palette.centre);
  glow.setColorAt(0.55, palette.body);
  glow.setColorAt(1.0, palette.rim);
  p.setBrush(glow);
  p.drawEllipse(QPointF(centre, centre), 8.2 * scale, 8.2 * scale);
  p.end();
  return reduceToSprite(large, kSunSize);
}

QImage renderAtom(int kind) {
  static_assert(atom_drawing::kAtomColours.size() == kAtomKinds);
  const atom_drawing::AtomColour colour = atom_drawing::kAtomColours.at(static_cast<std::size_t>(kind));
  const Rgb base{double(colour.r), double(colour.g), double(colour.b)};
  const double radius = kAtomSize * kOversample / 2.0;
  QImage large(kAtomSize * kOversample, kAtomSize * kOversample, QImage::Format_ARGB32);
  large.fill(Qt::transparent);
  // Lit from the upper left and a little in front: diffuse shading with a
  // dim ambient floor, and a white highlight.
  const double lx = -0.5, ly = -0.6, lz = 0.62;
  for (int y = 0; y < large.height(); ++y) {
    for (int x = 0; x < large.width(); ++x) {
      const double nx = (x + 0.5 - radius) / radius;
      const double ny = (y + 0.5 - radius) / radius;
      const double rr = nx * nx + ny * ny;
      if (rr > 1.0)
        continue;
      const double nz = std::sqrt(1.0 - rr);
      const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
      const double reflect = 2.0 * diffuse * nz - lz; // view direction is +z
      const double shine = std::pow(std::max(0.0, reflect), 24.0);
      const Rgb c = mix(base * (0.3 + 0.8 * diffuse), Rgb{255, 255, 255}, 0.85 * shine);
      large.setPixel(x, y, toQRgb(c));
    }
  }
  return reduceToSprite(large, kAtomSize);
}
