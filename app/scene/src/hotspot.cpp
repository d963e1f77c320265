#include "hotspot.h"

#include "keyboard_focus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace scene {

Hotspot::Hotspot(QWidget *parent, const QRect &geometry, const QCursor &cursor,
                 const QString &toolTip)
    : QWidget(parent) {
  setGeometry(geometry);
  setCursor(cursor);
  setToolTip(toolTip);
  // No click focus: a click loads the place and leaves the keyboard where it was.
  setFocusPolicy(Qt::TabFocus);
}

// Enter or Return works a place that has focus. Space is the window's Pause
// shortcut: it works the place only once the keyboard has brought focus
// here, so that focus resting on a place since start-up leaves Space to Pause.
bool Hotspot::worksPlace(const QKeyEvent *event) const {
  return isPlainEnter(event) || (keyboardFocus_ && isPlainKey(event, Qt::Key_Space));
}

// The place's keys go to it before the window's shortcuts.
bool Hotspot::event(QEvent *event) {
  if (event->type() == QEvent::ShortcutOverride && worksPlace(static_cast<QKeyEvent *>(event))) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void Hotspot::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    press();
}

// A held key loads the place once, not once per repeat.
void Hotspot::keyPressEvent(QKeyEvent *event) {
  if (!worksPlace(event)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat())
    press();
  event->accept();
}

void Hotspot::focusInEvent(QFocusEvent *event) {
  keyboardFocus_ = keyboardFocusAfter(event->reason(), true, keyboardFocus_);
  update();
  QWidget::focusInEvent(event);
}

void Hotspot::focusOutEvent(QFocusEvent *event) {
  keyboardFocus_ = keyboardFocusAfter(event->reason(), false, keyboardFocus_);
  update();
  QWidget::focusOutEvent(event);
}

// Unfocused, the place draws nothing: the landscape shows through. The
// focus frame lies along the inside of its edge.
void Hotspot::paintEvent(QPaintEvent *) {
  if (!showsFocusFrame())
    return;
  QPainter painter(this);
  drawFocusFrame(painter, rect());
}

} // namespace scene
