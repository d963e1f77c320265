#include "large_view_canvas.h"

#include "large_view_frame.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace views {

namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2.0;
constexpr double kWheelNotch = 120.0; // angle delta of one notch

} // namespace

LargeViewCanvas::LargeViewCanvas(QWidget *parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(160, 120);
  setToolTip(tr("Drag to turn the box, wheel to zoom, double-click for the front view"));
  setAccessibleName(tr("Atoms in 3-D"));
}

void LargeViewCanvas::setCamera(const Camera &camera) {
  camera_ = camera;
  camera_.pitch = std::clamp(camera_.pitch, -kQuarterTurn, kQuarterTurn);
  camera_.zoom = std::clamp(camera_.zoom, kLeastZoom, kMostZoom);
  emit viewChanged();
  // The summary tells how the box is turned.
  QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
}

void LargeViewCanvas::turnBy(double yaw, double pitch) {
  setCamera({std::remainder(camera_.yaw + yaw, 2.0 * std::numbers::pi), camera_.pitch + pitch,
             camera_.zoom});
}

void LargeViewCanvas::zoomBy(double factor) {
  setCamera({camera_.yaw, camera_.pitch, camera_.zoom * factor});
}

void LargeViewCanvas::showPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void LargeViewCanvas::setBackground(const QColor &colour) {
  background_ = colour;
  update();
}

void LargeViewCanvas::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  painter.drawImage(0, 0, picture_);
}

void LargeViewCanvas::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  emit viewChanged();
}

void LargeViewCanvas::mousePressEvent(QMouseEvent *event) {
  dragFrom_ = event->position().toPoint();
}

void LargeViewCanvas::mouseMoveEvent(QMouseEvent *event) {
  if (!(event->buttons() & Qt::LeftButton))
    return;
  const QPoint at = event->position().toPoint();
  const QPoint moved = at - dragFrom_;
  dragFrom_ = at;
  turnBy(kTurnPerPixel * moved.x(), kTurnPerPixel * moved.y());
}

void LargeViewCanvas::mouseDoubleClickEvent(QMouseEvent *) { setCamera({}); }

void LargeViewCanvas::wheelEvent(QWheelEvent *event) {
  zoomBy(std::pow(kZoomPerNotch, event->angleDelta().y() / kWheelNotch));
}

void LargeViewCanvas::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_Left:
    turnBy(-kTurnPerKey, 0.0);
    break;
  case Qt::Key_Right:
    turnBy(kTurnPerKey, 0.0);
    break;
  case Qt::Key_Up:
    turnBy(0.0, -kTurnPerKey);
    break;
  case Qt::Key_Down:
    turnBy(0.0, kTurnPerKey);
    break;
  case Qt::Key_Plus:
  case Qt::Key_Equal: // + without Shift on many keyboards
    zoomBy(kZoomPerNotch);
    break;
  case Qt::Key_Minus:
    zoomBy(1.0 / kZoomPerNotch);
    break;
  case Qt::Key_Home:
    setCamera({});
    break;
  default:
    QWidget::keyPressEvent(event);
  }
}

} // namespace views
