#include "hotspot.h"

#include <QMouseEvent>

namespace scene {

Hotspot::Hotspot(QWidget *parent, const QRect &geometry, const QCursor &cursor,
                 const QString &toolTip)
    : QWidget(parent) {
  setGeometry(geometry);
  setCursor(cursor);
  setToolTip(toolTip);
}

void Hotspot::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

} // namespace scene
