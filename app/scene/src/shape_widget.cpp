#include "shape_widget.h"

#include "twips.h"

#include <QPainter>

namespace scene {

ShapeWidget::ShapeWidget(QWidget *parent, Kind kind, QColor fill, QRectF twips)
    : QWidget(parent), kind_(kind), fill_(fill) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setTwipsGeometry(twips);
}

void ShapeWidget::setTwipsGeometry(QRectF twips) {
  twips_ = twips;
  setGeometry(twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
}

void ShapeWidget::paintEvent(QPaintEvent *) {
  if (width() <= 0 || height() <= 0)
    return;
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setBrush(fill_);
  const QRect outline = rect().adjusted(0, 0, -1, -1);
  if (kind_ == Kind::Oval) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5));
  } else {
    painter.drawRect(outline);
  }
}

} // namespace scene
