#include "phase_legend.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScatterSeries>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lab {

namespace {

constexpr int kIconSide = 24; // pixels
constexpr qreal kLargestMark = 18.0;
constexpr int kLegendColumns = 4;
constexpr qreal kStarWaist = 0.45; // inner radius of a star's points, of its outer

// A regular polygon about the centre, its first corner straight up; with a
// waist below 1, a star with that many points.
QPolygonF regular(QPointF centre, qreal radius, int corners, qreal waist = 1.0) {
  QPolygonF shape;
  const int vertices = waist < 1.0 ? 2 * corners : corners;
  for (int k = 0; k < vertices; ++k) {
    const qreal angle = -std::numbers::pi / 2.0 + 2.0 * std::numbers::pi * k / vertices;
    const qreal r = (waist < 1.0 && k % 2 == 1) ? radius * waist : radius;
    shape.append(centre + QPointF(r * std::cos(angle), r * std::sin(angle)));
  }
  return shape;
}

void drawMark(QPainter &painter, const QScatterSeries &mark, QPointF centre) {
  const qreal radius = std::min(mark.markerSize(), kLargestMark) / 2.0;
  painter.setPen(mark.pen());
  painter.setBrush(mark.brush());
  switch (mark.markerShape()) {
  case QScatterSeries::MarkerShapeCircle:
    painter.drawEllipse(centre, radius, radius);
    break;
  case QScatterSeries::MarkerShapeRectangle:
    painter.drawRect(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)));
    break;
  case QScatterSeries::MarkerShapeRotatedRectangle:
    painter.drawPolygon(regular(centre, radius * std::numbers::sqrt2, 4));
    break;
  case QScatterSeries::MarkerShapeTriangle:
    painter.drawPolygon(regular(centre, radius, 3));
    break;
  case QScatterSeries::MarkerShapePentagon:
    painter.drawPolygon(regular(centre, radius, 5));
    break;
  case QScatterSeries::MarkerShapeStar:
    painter.drawPolygon(regular(centre, radius, 5, kStarWaist));
    break;
  }
}

} // namespace

QPixmap legendIcon(const QScatterSeries *mark, const QXYSeries *line) {
  QPixmap icon(kIconSide, kIconSide);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(kIconSide / 2.0, kIconSide / 2.0);
  if (line) {
    painter.setPen(line->pen());
    painter.drawLine(QPointF(0.0, centre.y()), QPointF(kIconSide, centre.y()));
  }
  if (mark)
    drawMark(painter, *mark, centre);
  return icon;
}

PhaseLegend::PhaseLegend(QWidget *parent) : QWidget(parent) {
  grid_ = new QGridLayout(this);
  grid_->setContentsMargins(4, 0, 4, 0);
  grid_->setHorizontalSpacing(6);
  grid_->setVerticalSpacing(2);
  setAccessibleName(tr("Legend"));
}

void PhaseLegend::addEntry(const QString &name, const QScatterSeries *mark, const QXYSeries *line) {
  const int at = int(names_.size());
  auto *icon = new QLabel(this);
  icon->setPixmap(legendIcon(mark, line));
  auto *text = new QLabel(name, this);
  icon->setAccessibleName(name);
  const int row = at / kLegendColumns;
  const int column = 2 * (at % kLegendColumns);
  grid_->addWidget(icon, row, column);
  grid_->addWidget(text, row, column + 1);
  grid_->setColumnStretch(column + 1, 1);
  names_.append(name);
  entries_.append({icon, mark, line});
}

void PhaseLegend::redraw() {
  for (const Entry &entry : entries_)
    entry.icon->setPixmap(legendIcon(entry.mark, entry.line));
}

} // namespace lab
