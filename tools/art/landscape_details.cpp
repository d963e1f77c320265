#include "landscape_details.h"

#include "landscape_layout.h"
#include "noise.h"
#include "rgb.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr std::uint32_t kWaveSeed = 101;
constexpr std::uint32_t kSurfSeed = 131;
constexpr std::uint32_t kCrackSeed = 151;
constexpr std::uint32_t kBeachSeed = 171;
constexpr double kSeaDepth = kLandscapeHeight - kHorizonY;

// Distance in front of the horizon, 0 at the horizon and 1 at the bottom edge.
double nearness(double y) { return clamp01((y - kHorizonY) / kSeaDepth); }

bool isOpenWater(double x, double y) {
  return materialAt(x, y) == Material::Water && x > shoreX(y) + 6.0 && x < rockEdgeX(y) - 6.0;
}

// One wavelet: a thin sliver of light on its crest, tapering at both ends,
// over a darker sliver of its shaded back.
void paintWaveCrest(QPainter &p, double x, double y, double width, double height, double glint) {
  const double nearby = nearness(y);
  const auto sliver = [&](double top, double thickness) {
    QPainterPath path;
    path.moveTo(x - width / 2, y);
    path.quadTo(x, y - top, x + width / 2, y);
    path.quadTo(x, y - top + thickness, x - width / 2, y);
    return path;
  };
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(6, 36, 76, 50 + static_cast<int>(70 * nearby)));
  p.drawPath(sliver(height, 1.0 + 1.6 * nearby).translated(0, 0.8 + nearby));
  p.setBrush(QColor(236, 246, 255, static_cast<int>((80 + 170 * nearby) * glint)));
  p.drawPath(sliver(height, 0.9 + 1.3 * nearby));
}

// Rows of small crests, spaced and sized in perspective.
void paintWaves(QPainter &p) {
  p.save();
  int row = 0;
  for (double y = kHorizonY + 4.0; y < kLandscapeHeight; y += 2.5 + (y - kHorizonY) * 0.1) {
    const double nearby = nearness(y);
    const double width = 4.0 + nearby * 22.0;
    const double spacing = width * 2.4;
    int column = 0;
    for (double x = -spacing * unitHash(row, 0, kWaveSeed); x < kLandscapeWidth; x += spacing) {
      ++column;
      if (unitHash(row, column, kWaveSeed + 1) < 0.3)
        continue;
      const double cx = x + (unitHash(row, column, kWaveSeed + 2) - 0.5) * spacing * 0.7;
      const double w = width * (0.5 + unitHash(row, column, kWaveSeed + 3));
      const double h = (0.6 + nearby * 3.4) * (0.7 + 0.6 * unitHash(row, column, kWaveSeed + 5));
      if (isOpenWater(cx - w / 2, y) && isOpenWater(cx + w / 2, y))
        paintWaveCrest(p, cx, y, w, h, 0.4 + 0.6 * unitHash(row, column, kWaveSeed + 4));
    }
    ++row;
  }
  p.restore();
}

// Broken white lines of surf along a water edge given as x of the row; the
// `side` says on which side of the edge the water lies (+1 right, -1 left).
void paintSurf(QPainter &p, double (*edgeX)(double), double side, std::uint32_t seed) {
  for (double offset : {1.2, 5.5}) {
    const bool inner = offset < 2.0;
    for (double y = kHorizonY + 1.0; y < kLandscapeHeight; y += 1.5) {
      const int step = static_cast<int>(y * 2);
      if (!inner && unitHash(step, 1, seed) < 0.45)
        continue;
      const double nearby = nearness(y);
      const double wobble = (valueNoise(y * 0.2, offset, seed) - 0.5) * 3.0 * (0.3 + nearby);
      const double x0 = edgeX(y) + side * (offset * (0.4 + nearby) + wobble);
      const double x1 = edgeX(y + 1.5) + side * (offset * (0.4 + nearby) + wobble);
      const int alpha = inner ? 210 : 120;
      p.setPen(QPen(QColor(246, 250, 252, alpha), (inner ? 0.8 : 0.6) + 1.4 * nearby, Qt::SolidLine,
                    Qt::RoundCap));
      p.drawLine(QPointF(x0, y), QPointF(x1, y + 1.5));
    }
  }
}

// Dark cracks wandering down the rock, and a lit rim along its outline.
void paintRockDetails(QPainter &p) {
  QPainterPath rock;
  rock.addPolygon(rockOutline());
  p.save();
  p.setClipPath(rock);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(168, 158, 150, 150), 2.0));
  p.drawPolygon(rockOutline());

  const QRectF area = rockOutline().boundingRect();
  for (int crack = 0; crack < 9; ++crack) {
    QPointF at(area.left() + 20 + unitHash(crack, 0, kCrackSeed) * (area.width() - 20),
               area.top() + 8 + unitHash(crack, 1, kCrackSeed) * (area.height() - 30));
    QPainterPath path(at);
    for (int seg = 0; seg < 7; ++seg) {
      const double heading = 0.5 + 1.6 * unitHash(crack, 40, kCrackSeed);
      const double angle = heading + (unitHash(crack, seg + 2, kCrackSeed) - 0.5) * 1.4;
      const double length = 3.0 + 4.0 * unitHash(crack, seg + 20, kCrackSeed);
      at += QPointF(std::cos(angle) * length, std::sin(angle) * length);
      path.lineTo(at);
    }
    p.setPen(QPen(QColor(18, 16, 18, 210), 1.0));
    p.drawPath(path);
    p.setPen(QPen(QColor(150, 140, 132, 90), 0.8));
    p.drawPath(path.translated(0.9, 0.6));
  }
  p.restore();
}

// Tufts of marram grass along the dune top, and a few pebbles on the beach.
void paintBeachDetails(QPainter &p) {
  for (double base : {6.0, 17.0, 29.0, 44.0, 61.0, 78.0}) {
    const double top = duneTopY(base) + 1.0;
    for (int blade = 0; blade < 6; ++blade) {
      const int key = static_cast<int>(base) * 8 + blade;
      const double lean = (unitHash(key, 0, kBeachSeed) - 0.5) * 8.0;
      const double height = 5.0 + 5.0 * unitHash(key, 1, kBeachSeed);
      const double x = base + blade - 2.5;
      QPainterPath bladePath(QPointF(x, top));
      bladePath.quadTo(QPointF(x + lean * 0.3, top - height * 0.6),
                       QPointF(x + lean, top - height));
      const QColor green = blade % 2 ? QColor(104, 132, 58) : QColor(138, 156, 74);
      p.setPen(QPen(green, 0.9, Qt::SolidLine, Qt::RoundCap));
      p.drawPath(bladePath);
    }
  }
  for (int pebble = 0; pebble < 14; ++pebble) {
    const double y = kHorizonY + 10.0 + unitHash(pebble, 0, kBeachSeed + 1) * (kSeaDepth - 14.0);
    const double x = 4.0 + unitHash(pebble, 1, kBeachSeed + 1) * (shoreX(y) - 22.0);
    const double size = 1.0 + 1.6 * nearness(y) * unitHash(pebble, 2, kBeachSeed + 1);
    const int grey = 110 + static_cast<int>(70 * unitHash(pebble, 3, kBeachSeed + 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(grey, grey - 8, grey - 18));
    p.drawEllipse(QPointF(x, y), size * 1.3, size);
  }
}

} // namespace

void paintLandscapeDetails(QImage &image) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  paintWaves(p);
  paintSurf(p, shoreX, 1.0, kSurfSeed);
  paintSurf(p, rockEdgeX, -1.0, kSurfSeed + 1);
  paintRockDetails(p);
  paintBeachDetails(p);
}
