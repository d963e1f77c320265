// A filled rectangle or oval with a thin black outline, placed in twips so
// that code can move and resize it the way the thermometer column needs.
#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

namespace scene {

class ShapeWidget : public QWidget {
  Q_OBJECT

public:
  enum class Kind { Rectangle, Oval };

  ShapeWidget(QWidget *parent, Kind kind, QColor fill, QRectF twips);

  // Position and size in twips (left, top, width, height).
  QRectF twipsGeometry() const { return twips_; }
  void setTwipsGeometry(QRectF twips);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  Kind kind_;
  QColor fill_;
  QRectF twips_;
};

} // namespace scene
