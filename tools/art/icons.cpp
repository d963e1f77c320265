#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr double kDesignSize = 32.0; // every icon is drawn on a 32-unit grid, then scaled

// A transparent canvas with a painter scaled to the design grid.
struct Canvas {
  QImage image;
  QPainter painter;

  explicit Canvas(int size) : image(size, size, QImage::Format_ARGB32) {
    image.fill(Qt::transparent);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kDesignSize, size / kDesignSize);
  }

  QImage finish() {
    painter.end();
    return image;
  }
};

void drawBadge(QPainter &p, const QColor &inner, const QColor &outer, const QColor &rim) {
  QRadialGradient fill(QPointF(12, 11), 20);
  fill.setColorAt(0.0, inner);
  fill.setColorAt(1.0, outer);
  p.setPen(QPen(rim, 1.2));
  p.setBrush(fill);
  p.drawEllipse(QPointF(16, 16), 15, 15);
}

void drawSun(QPainter &p, QPointF centre, double radius) {
  p.setPen(QPen(QColor(240, 150, 20), radius * 0.28, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::numbers::pi / 4.0;
    const QPointF dir(std::cos(a), std::sin(a));
    p.drawLine(centre + dir * radius * 1.35, centre + dir * radius * 1.85);
  }
  QRadialGradient disc(centre - QPointF(radius, radius) * 0.35, radius * 1.3);
  disc.setColorAt(0.0, QColor(255, 250, 190));
  disc.setColorAt(0.6, QColor(255, 206, 40));
  disc.setColorAt(1.0, QColor(236, 140, 16));
  p.setPen(QPen(QColor(196, 110, 10), 0.8));
  p.setBrush(disc);
  p.drawEllipse(centre, radius, radius);
}

void drawAtom(QPainter &p, QPointF centre) {
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(centre);
    p.rotate(i * 60.0);
    p.setPen(QPen(QColor(20, 40, 90, 150), 2.4));
    p.drawEllipse(QPointF(0, 0), 12.5, 4.8);
    p.setPen(QPen(QColor(255, 255, 255), 1.2));
    p.drawEllipse(QPointF(0, 0), 12.5, 4.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 255));
    p.drawEllipse(QPointF(12.5, 0), 1.8, 1.8);
    p.setBrush(Qt::NoBrush);
    p.restore();
  }
  QRadialGradient nucleus(centre - QPointF(1.3, 1.3), 4.5);
  nucleus.setColorAt(0.0, QColor(255, 200, 170));
  nucleus.setColorAt(1.0, QColor(200, 30, 30));
  p.setPen(QPen(QColor(120, 10, 10), 0.6));
  p.setBrush(nucleus);
  p.drawEllipse(centre, 3.6, 3.6);
}

// Six arms with forks, dark with a light core; a small icon draws plain dark
// arms without forks so the flake still reads at a glance.
void drawSnowflake(QPainter &p, QPointF centre, double arm, bool small) {
  const QColor ink(24, 84, 170);
  const std::vector<std::pair<QColor, double>> passes =
      small ? std::vector<std::pair<QColor, double>>{{ink, 3.0}}
            : std::vector<std::pair<QColor, double>>{{ink, 3.2}, {QColor(236, 248, 255), 1.3}};
  for (const auto &[colour, width] : passes) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
      const double a = i * std::numbers::pi / 3.0 - std::numbers::pi / 2.0;
      const QPointF dir(std::cos(a), std::sin(a));
      const QPointF side(-dir.y(), dir.x());
      const QPointF tip = centre + dir * arm;
      p.drawLine(centre, tip);
      if (small)
        continue;
      const QPointF fork = centre + dir * arm * 0.55;
      p.drawLine(fork, fork + (dir - side) * arm * 0.28);
      p.drawLine(fork, fork + (dir + side) * arm * 0.28);
    }
  }
}

} // namespace

QImage renderAppIcon(int size) {
  Canvas c(size);
  QPainter &p = c.painter;
  QPainterPath frame;
  frame.addRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
  p.setClipPath(frame);
  QLinearGradient sky(0, 1, 0, 20);
  sky.setColorAt(0.0, QColor(50, 110, 196));
  sky.setColorAt(1.0, QColor(180, 220, 244));
  p.fillRect(QRectF(0, 0, 32, 20), sky);
  QLinearGradient sea(0, 20, 0, 32);
  sea.setColorAt(0.0, QColor(70, 136, 186));
  sea.setColorAt(1.0, QColor(18, 74, 128));
  p.fillRect(QRectF(0, 20, 32, 12), sea);
  QPainterPath beach;
  beach.moveTo(0, 19);
  beach.cubicTo(6, 19, 10, 24, 14, 32);
  beach.lineTo(0, 32);
  p.fillPath(beach, QColor(226, 198, 146));
  p.setClipping(false);
  p.setPen(QPen(QColor(24, 50, 96), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(frame);
  drawAtom(p, QPointF(17.5, 15));
  return c.finish();
}

QImage renderSummerIcon(int size) {
  Canvas c(size);
  drawBadge(c.painter, QColor(236, 248, 255), QColor(140, 200, 240), QColor(60, 120, 180));
  drawSun(c.painter, QPointF(16, 16), 7.0);
  return c.finish();
}

QImage renderWinterIcon(int size) {
  Canvas c(size);
  drawBadge(c.painter, QColor(250, 253, 255), QColor(176, 214, 238), QColor(70, 120, 170));
  drawSnowflake(c.painter, QPointF(16, 16), 11.5, size < 24);
  return c.finish();
}

QImage renderHotspotIcon(int size) {
  Canvas c(size);
  QPainter &p = c.painter;
  const QPointF lens(12.8, 12.8);
  p.setPen(QPen(QColor(60, 36, 20), 5.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 20), QPointF(29, 29));
  p.setPen(QPen(QColor(150, 96, 50), 3.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20.5, 20.5), QPointF(28.6, 28.6));
  QRadialGradient glass(lens - QPointF(3, 3), 11);
  glass.setColorAt(0.0, QColor(255, 255, 255, 230));
  glass.setColorAt(1.0, QColor(150, 210, 245, 150));
  p.setBrush(glass);
  p.setPen(QPen(QColor(30, 40, 60), 3.0));
  p.drawEllipse(lens, 9, 9);
  p.setPen(QPen(QColor(170, 180, 196), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(lens, 9, 9);
  return c.finish();
}

QImage renderEyeIcon(int size) {
  Canvas c(size);
  QPainter &p = c.painter;
  QPainterPath eye;
  eye.moveTo(2, 16);
  eye.quadTo(16, 2, 30, 16);
  eye.quadTo(16, 30, 2, 16);
  p.setPen(QPen(QColor(30, 30, 40), 2.0));
  p.setBrush(QColor(250, 250, 250));
  p.drawPath(eye);
  p.setClipPath(eye);
  QRadialGradient iris(QPointF(15, 14.5), 7);
  iris.setColorAt(0.0, QColor(120, 190, 240));
  iris.setColorAt(1.0, QColor(30, 90, 170));
  p.setPen(QPen(QColor(20, 50, 100), 1.0));
  p.setBrush(iris);
  p.drawEllipse(QPointF(16, 16), 6.5, 6.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 10, 14));
  p.drawEllipse(QPointF(16, 16), 3.0, 3.0);
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawEllipse(QPointF(13.8, 13.8), 1.5, 1.5);
  return c.finish();
}
