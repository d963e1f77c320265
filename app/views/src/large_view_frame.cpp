#include "large_view_frame.h"

#include "appearance/appearance.h"
#include "atom_drawing/atom_colours.h"
#include "sphere_sprites.h"

#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace views {

const QColor kViewBackground(32, 36, 44);
const QColor kLidFace(120, 180, 240, 70);
const QColor kLidOutline(150, 205, 255);

const ViewLook kOrdinaryLook{kViewBackground, QColor(170, 178, 196), QColor(170, 178, 196, 110),
                             kLidFace,        kLidOutline,           QColor(225, 228, 235)};

// The lid in the second series colour, cyan, which stands out from white edges.
const ViewLook kHighContrastLook{appearance::high_contrast::kBackground,
                                 appearance::high_contrast::kText,
                                 QColor(255, 255, 255, 140),
                                 QColor(0, 255, 255, 70),
                                 appearance::high_contrast::kSeries[1],
                                 appearance::high_contrast::kText};

namespace {

constexpr double kLidPen = 3.0;

// Legend of the speed ramp, bottom left: bar size and border, pixels.
constexpr int kLegendBar = 160;
constexpr int kLegendHeight = 12;
constexpr int kLegendMargin = 12;

// Points farther than this off the window (or not numbers) are not drawn.
constexpr double kFarOff = 1.0e6;

// One atom as it will be drawn.
struct Sphere {
  double depth;
  int left;
  int top;
  int diameter;
  QRgb colour;
};

QRgb rgbOf(atom_drawing::AtomColour c) { return qRgb(c.r, c.g, c.b); }

// Diameter of each material's sphere in model units.
std::vector<double> sphereSizes(const analysis::AtomFrame &frame) {
  std::vector<double> sizes;
  for (std::int32_t t = 0; t < frame.typeCount; ++t)
    sizes.push_back(kSphereShare * analysis::minimumDistance(analysis::pairOf(frame, t, t)));
  return sizes;
}

// The colour of every atom (0 for an atom that has no colour and is not drawn).
std::vector<QRgb> atomColours(const analysis::AtomFrame &frame, const AtomColouring &colouring) {
  std::vector<QRgb> colours(frame.types.size(), 0);
  const std::span<const double> speeds = colouring.speeds;
  const SpeedSpread spread = speedSpread(speeds);
  for (std::size_t a = 0; a < colours.size(); ++a) {
    const auto type = static_cast<std::size_t>(frame.types[a]);
    if (type >= atom_drawing::kAtomColours.size())
      continue; // as in the atom view: a type without an image is not drawn
    const double speed = a < speeds.size() ? speeds[a] : spread.slowest;
    colours[a] = colouring.by == Colouring::Speed
                     ? rgbOf(rampColour(rampLevel(spread, speed), colouring.ramp))
                     : rgbOf(atom_drawing::kAtomColours[type]);
  }
  return colours;
}

// The atoms that can be drawn, sorted far to near.
std::vector<Sphere> placeSpheres(const analysis::AtomFrame &frame, const AtomColouring &colouring,
                                 const TurnedProjection &projection) {
  const std::vector<double> sizes = sphereSizes(frame);
  const std::vector<QRgb> colours = atomColours(frame, colouring);
  std::vector<Sphere> spheres;
  spheres.reserve(frame.types.size());
  for (std::size_t a = 0; a < frame.types.size(); ++a) {
    const ScreenPoint p =
        projection.project(frame.coords[3 * a], frame.coords[3 * a + 1], frame.coords[3 * a + 2]);
    const bool onScreen = std::abs(p.x) < kFarOff && std::abs(p.y) < kFarOff;
    if (colours[a] == 0 || !(p.pixelsPerUnit > 0.0) || !onScreen)
      continue;
    const double wide = std::min(sizes[static_cast<std::size_t>(frame.types[a])] * p.pixelsPerUnit,
                                 double(SphereSprites::kLargestDiameter));
    const int diameter = std::max(1, static_cast<int>(std::lround(wide)));
    spheres.push_back({p.depth, static_cast<int>(std::lround(p.x - diameter / 2.0)),
                       static_cast<int>(std::lround(p.y - diameter / 2.0)), diameter, colours[a]});
  }
  std::sort(spheres.begin(), spheres.end(),
            [](const Sphere &a, const Sphere &b) { return a.depth < b.depth; });
  return spheres;
}

// The box's corners, numbered by bits: 1 picks max x, 2 max y, 4 max z.
std::array<ScreenPoint, 8> boxCorners(const atom_drawing::Box &box,
                                      const TurnedProjection &projection) {
  std::array<ScreenPoint, 8> corners{};
  for (std::size_t c = 0; c < 8; ++c)
    corners[c] =
        projection.project(box[(c & 1) ? 3 : 0], box[(c & 2) ? 4 : 1], box[(c & 4) ? 5 : 2]);
  return corners;
}

// The top face's corners (max y), in order round the face.
constexpr std::array<std::size_t, 4> kTopFace{2, 3, 7, 6};

bool lowered(const atom_drawing::Box &box, const atom_drawing::Box &fileBox) {
  return box[4] < fileBox[4];
}

// The room between the lid and the top of the file's box: its upright
// edges and its top, faint and dashed.
void drawRoomAbove(QPainter &painter, const std::array<ScreenPoint, 8> &lid,
                   const std::array<ScreenPoint, 8> &top, const QColor &colour) {
  painter.setPen(QPen(colour, 1.0, Qt::DashLine));
  for (std::size_t k = 0; k < kTopFace.size(); ++k) {
    const ScreenPoint &from = top[kTopFace[k]];
    const ScreenPoint &to = top[kTopFace[(k + 1) % kTopFace.size()]];
    const ScreenPoint &below = lid[kTopFace[k]];
    if (!(from.pixelsPerUnit > 0.0 && to.pixelsPerUnit > 0.0 && below.pixelsPerUnit > 0.0))
      continue;
    painter.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
    painter.drawLine(QPointF(from.x, from.y), QPointF(below.x, below.y));
  }
}

QPolygonF lidFace(const std::array<ScreenPoint, 8> &corners) {
  QPolygonF face;
  for (const std::size_t c : kTopFace)
    face.append(QPointF(corners[c].x, corners[c].y));
  return face;
}

// Whether the lid is seen from above: its corners, in the order of
// kTopFace, then run clockwise on the screen (y grows downward).
bool seenFromAbove(const QPolygonF &face) {
  double twiceArea = 0.0;
  for (qsizetype k = 0; k < face.size(); ++k) {
    const QPointF &a = face[k];
    const QPointF &b = face[(k + 1) % face.size()];
    twiceArea += a.x() * b.y() - b.x() * a.y();
  }
  return twiceArea > 0.0;
}

// The lid drawn as a pane: the face filled, or its heavy outline.
void drawLid(QPainter &painter, const QPolygonF &face, bool filled, const ViewLook &look) {
  painter.setPen(filled ? QPen(Qt::NoPen) : QPen(look.lidOutline, kLidPen));
  painter.setBrush(filled ? QBrush(look.lidFace) : QBrush(Qt::NoBrush));
  painter.drawPolygon(face);
}

bool drawable(const std::array<ScreenPoint, 8> &corners) {
  return std::all_of(kTopFace.begin(), kTopFace.end(),
                     [&](std::size_t c) { return corners[c].pixelsPerUnit > 0.0; });
}

// Draws the twelve edges (corners one bit apart); with onlyNear, the three
// that meet at the corner nearest the viewer.
void drawEdges(QPainter &painter, const std::array<ScreenPoint, 8> &corners, bool onlyNear,
               const QColor &colour) {
  const auto nearest =
      static_cast<std::size_t>(std::max_element(corners.begin(), corners.end(),
                                                [](const ScreenPoint &a, const ScreenPoint &b) {
                                                  return a.depth < b.depth;
                                                }) -
                               corners.begin());
  painter.setPen(QPen(colour, 1.2));
  for (std::size_t from = 0; from < 8; ++from) {
    for (std::size_t bit = 1; bit < 8; bit <<= 1) {
      const std::size_t to = from | bit;
      const bool drawable = corners[from].pixelsPerUnit > 0.0 && corners[to].pixelsPerUnit > 0.0;
      if (to == from || !drawable || (onlyNear && from != nearest && to != nearest))
        continue;
      painter.drawLine(QPointF(corners[from].x, corners[from].y),
                       QPointF(corners[to].x, corners[to].y));
    }
  }
}

void drawLegend(QPainter &painter, const QImage &picture, const AtomColouring &colouring,
                const QColor &text) {
  const SpeedLegend legend = speedLegend(colouring.speeds, colouring.speedUnit);
  const QRect bar(kLegendMargin, picture.height() - kLegendMargin - kLegendHeight, kLegendBar,
                  kLegendHeight);
  QLinearGradient ramp(bar.topLeft(), bar.topRight());
  for (int level = 0; level < kRampLevels; ++level)
    ramp.setColorAt(level / double(kRampLevels - 1),
                    QColor(rgbOf(rampColour(level, colouring.ramp))));
  painter.fillRect(bar, ramp);
  painter.setPen(text);
  const QFontMetrics metrics = painter.fontMetrics();
  const int baseline = bar.top() - metrics.descent() - 3;
  painter.drawText(bar.left(), baseline, legend.slowest);
  painter.drawText(bar.right() - metrics.horizontalAdvance(legend.fastest), baseline,
                   legend.fastest);
  painter.drawText(bar.right() + 8, bar.bottom() - metrics.descent(), legend.unit);
}

void drawMessage(QPainter &painter, const QImage &picture, const QString &text,
                 const QColor &colour) {
  painter.setPen(colour);
  painter.drawText(picture.rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                   text);
}

} // namespace

SpeedLegend speedLegend(std::span<const double> speeds, const ShownUnit &unit) {
  const SpeedSpread spread = speedSpread(speeds);
  return {unit.number(spread.slowest), unit.number(spread.fastest),
          QCoreApplication::translate("views::LargeView", "speed, %1").arg(unit.symbol)};
}

bool drawLargeView(QImage &picture, const analysis::AtomFrame &frame,
                   const atom_drawing::Box &fitBox, const Camera &camera,
                   const AtomColouring &colouring, SphereSprites &sprites, const ViewLook &look) {
  picture.fill(look.background);
  QPainter painter(&picture);
  try {
    analysis::checkFrame(frame);
    const TurnedProjection projection(fitBox, picture.width(), picture.height(), camera);
    const auto corners = boxCorners(frame.box, projection);
    const bool lid = lowered(frame.box, fitBox) && drawable(corners);
    painter.setRenderHint(QPainter::Antialiasing);
    if (lid)
      drawRoomAbove(painter, corners, boxCorners(fitBox, projection), look.roomAbove);
    drawEdges(painter, corners, false, look.edges);
    // Every atom is below the lid: seen from above, the pane lies in front
    // of them all and tints them; seen from below, behind them all.
    const QPolygonF face = lidFace(corners);
    const bool paneInFront = lid && seenFromAbove(face);
    if (lid && !paneInFront)
      drawLid(painter, face, true, look);
    for (const Sphere &s : placeSpheres(frame, colouring, projection))
      painter.drawImage(QPoint(s.left, s.top), sprites.sphere(s.colour, s.diameter));
    if (paneInFront)
      drawLid(painter, face, true, look);
    drawEdges(painter, corners, true, look.edges);
    if (lid)
      drawLid(painter, face, false, look);
  } catch (const std::logic_error &error) {
    // An undrawable box (atom_drawing::ProjectionError) or atoms that do not fit
    // their pair table (std::invalid_argument).
    drawMessage(painter, picture,
                QCoreApplication::translate("views::LargeView", "The box cannot be shown:\n%1")
                    .arg(QString::fromUtf8(error.what())),
                look.text);
    return false;
  }
  if (colouring.by == Colouring::Speed)
    drawLegend(painter, picture, colouring, look.text);
  return true;
}

} // namespace views
