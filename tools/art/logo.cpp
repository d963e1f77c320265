#include "logo.h"

#include "noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::uint32_t kFreeAtomSeed = 211;

// Box corners in model units: x across, y up, z into the picture.
constexpr double kBoxWidth = 10.0;
constexpr double kBoxHeight = 5.0;
constexpr double kBoxDepth = 5.0;

// Oblique projection of the box onto the logo, receding up and to the right.
QPointF project(double x, double y, double z) {
  return {31.0 + x * 7.6 + z * 3.2, 72.0 - y * 10.4 - z * 2.4};
}

struct Atom {
  double x, y, z;
  QColor colour;
};

std::vector<Atom> logoAtoms() {
  std::vector<Atom> atoms;
  const QColor solid(70, 130, 240);
  for (int z = 0; z < 2; ++z)
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 6; ++x)
        atoms.push_back({1.0 + x * 1.6, 0.65 + y * 1.25, 1.3 + z * 2.2, solid});
  const std::array<QColor, 3> gas{QColor(236, 70, 60), QColor(60, 200, 110), QColor(250, 200, 50)};
  // The free atoms spread across the upper half, one per column, jittered.
  for (int i = 0; i < 8; ++i) {
    atoms.push_back({1.0 + i * 1.15 + unitHash(i, 0, kFreeAtomSeed) * 0.5,
                     3.0 + unitHash(i, 1, kFreeAtomSeed) * 1.2,
                     0.8 + unitHash(i, 2, kFreeAtomSeed) * 3.0,
                     gas.at(static_cast<std::size_t>(i % 3))});
  }
  // Far atoms first so nearer ones overlap them.
  std::stable_sort(atoms.begin(), atoms.end(),
                   [](const Atom &a, const Atom &b) { return a.z > b.z; });
  return atoms;
}

void drawPanel(QPainter &p) {
  QLinearGradient fill(0, 0, 0, kLogoHeight);
  fill.setColorAt(0.0, QColor(30, 48, 92));
  fill.setColorAt(1.0, QColor(10, 18, 40));
  p.setPen(QPen(QColor(120, 150, 210), 1.0));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, kLogoWidth - 1, kLogoHeight - 1), 9, 9);
}

void drawEdges(QPainter &p, const std::vector<std::array<double, 6>> &edges, const QPen &pen) {
  p.setPen(pen);
  for (const auto &e : edges)
    p.drawLine(project(e[0], e[1], e[2]), project(e[3], e[4], e[5]));
}

void drawAtomBall(QPainter &p, const Atom &a) {
  const double radius = 3.3 - a.z * 0.16;
  const QPointF c = project(a.x, a.y, a.z);
  QRadialGradient ball(c - QPointF(radius, radius) * 0.4, radius * 1.3);
  ball.setColorAt(0.0, QColor(255, 255, 255));
  ball.setColorAt(0.25, a.colour);
  ball.setColorAt(1.0, a.colour.darker(260));
  p.setPen(Qt::NoPen);
  p.setBrush(ball);
  p.drawEllipse(c, radius, radius);
}

} // namespace

QImage renderLogo() {
  QImage image(kLogoWidth, kLogoHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawPanel(p);

  const double w = kBoxWidth, h = kBoxHeight, d = kBoxDepth;
  const QPen back(QColor(110, 140, 200), 0.9, Qt::DashLine);
  const QPen front(QColor(200, 224, 255), 1.3);
  // The box as the atom view draws it: back edges behind the atoms, front
  // edges over them.
  drawEdges(p, {{0, 0, d, w, 0, d}, {0, 0, d, 0, h, d}, {0, 0, 0, 0, 0, d}}, back);
  drawEdges(p,
            {{w, 0, d, w, h, d},
             {0, h, d, w, h, d},
             {w, 0, 0, w, 0, d},
             {0, h, 0, 0, h, d},
             {w, h, 0, w, h, d}},
            front);
  for (const Atom &a : logoAtoms())
    drawAtomBall(p, a);
  drawEdges(p, {{0, 0, 0, w, 0, 0}, {0, 0, 0, 0, h, 0}, {w, 0, 0, w, h, 0}, {0, h, 0, w, h, 0}},
            front);
  p.end();
  return image;
}
