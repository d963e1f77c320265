// A transparent clickable area over the landscape, with its own mouse
// pointer and tooltip.
#pragma once

#include <QWidget>

namespace scene {

class Hotspot : public QWidget {
  Q_OBJECT

public:
  Hotspot(QWidget *parent, const QRect &geometry, const QCursor &cursor, const QString &toolTip);

signals:
  void clicked();

protected:
  void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace scene
