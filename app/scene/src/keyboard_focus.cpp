#include "keyboard_focus.h"

#include <QKeyEvent>
#include <QPainter>

namespace scene {

bool keyboardFocusAfter(Qt::FocusReason reason, bool gained, bool before) {
  switch (reason) {
  case Qt::ActiveWindowFocusReason:
  case Qt::PopupFocusReason:
    return before;
  case Qt::TabFocusReason:
  case Qt::BacktabFocusReason:
  case Qt::ShortcutFocusReason:
    return gained;
  default:
    return false;
  }
}

bool isPlainKey(const QKeyEvent *event, int key) {
  return event->key() == key && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isPlainEnter(const QKeyEvent *event) {
  return isPlainKey(event, Qt::Key_Return) || isPlainKey(event, Qt::Key_Enter);
}

// The frame's sides are filled, not stroked, so that every pixel of the band
// is exactly black or white, corners included.
void drawFocusFrame(QPainter &painter, const QRect &outline) {
  const int w = kFocusFrameWidth;
  const QRect sides[] = {QRect(outline.left(), outline.top(), outline.width(), w),
                         QRect(outline.left(), outline.bottom() - w + 1, outline.width(), w),
                         QRect(outline.left(), outline.top(), w, outline.height()),
                         QRect(outline.right() - w + 1, outline.top(), w, outline.height())};
  for (const QRect &side : sides) {
    painter.fillRect(side, Qt::black);
    const bool across = side.width() > side.height();
    const int length = across ? side.width() : side.height();
    for (int along = 0; along < length; along += 2 * kFocusDashLength) {
      const QRect dash = across ? QRect(side.left() + along, side.top(), kFocusDashLength, w)
                                : QRect(side.left(), side.top() + along, w, kFocusDashLength);
      painter.fillRect(dash.intersected(side), Qt::white);
    }
  }
}

} // namespace scene
