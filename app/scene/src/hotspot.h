// A transparent clickable area over the landscape, with its own mouse
// pointer and tooltip. It is a place the keyboard reaches too: Tab moves to
// it (a click does not take focus), Enter or Return loads it as a click
// does, and while the keyboard has brought focus to it a dashed frame shows
// where it lies and Space loads it too.
#pragma once

#include <QWidget>

namespace scene {

class Hotspot : public QWidget {
  Q_OBJECT

public:
  Hotspot(QWidget *parent, const QRect &geometry, const QCursor &cursor, const QString &toolTip);

  // Whether the focus frame shows: the place has focus that the keyboard
  // brought (Tab, Shift+Tab or a shortcut), not the mouse or start-up.
  bool showsFocusFrame() const { return hasFocus() && keyboardFocus_; }

  // Works the place as a click does.
  void press() { emit clicked(); }

signals:
  void clicked();

protected:
  bool event(QEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  bool worksPlace(const QKeyEvent *event) const;

  bool keyboardFocus_ = false;
};

} // namespace scene
