// The large view's drawing area: shows the last picture drawn, and turns
// and zooms the box with the mouse (drag, wheel, double-click for the front
// view) and the keys (arrows turn, + and - zoom, Home for the front view).
// A screen reader reads it as "Atoms in 3-D" with a summary of the picture.
#pragma once

#include "large_view_summary.h"
#include "turned_projection.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace views {

class LargeViewCanvas : public QWidget {
  Q_OBJECT

public:
  // Turn per pixel dragged and per arrow key press (radians), zoom per
  // wheel notch, and the zoom's limits.
  static constexpr double kTurnPerPixel = 0.01;
  static constexpr double kTurnPerKey = 0.0873; // 5 degrees
  static constexpr double kZoomPerNotch = 1.15;
  static constexpr double kLeastZoom = 0.1;
  static constexpr double kMostZoom = 20.0;

  explicit LargeViewCanvas(QWidget *parent);

  const Camera &camera() const { return camera_; }
  void setCamera(const Camera &camera);
  // Turns the box further; its tip stays within a quarter turn either way.
  void turnBy(double yaw, double pitch);
  void zoomBy(double factor);

  void showPicture(QImage picture);
  const QImage &picture() const { return picture_; }
  // The colour around a picture that does not fill the area yet.
  void setBackground(const QColor &colour);

  // What the picture holds, and its summary for a screen reader.
  void setContent(ViewContent content) { content_ = std::move(content); }
  QString summary() const { return largeViewSummary(content_, camera_); }

signals:
  // The turn or the zoom changed, or the area's size did: a new picture is due.
  void viewChanged();

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  Camera camera_;
  QImage picture_;
  QColor background_ = kViewBackground;
  ViewContent content_;
  QPoint dragFrom_;
};

} // namespace views
