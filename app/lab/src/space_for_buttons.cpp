#include "space_for_buttons.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace lab {

SpaceForButtons::SpaceForButtons(QWidget *window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

// A shortcut is offered to the focused widget first and then to its
// parents up to the window; accepting it here keeps Space for the button.
bool SpaceForButtons::eventFilter(QObject *watched, QEvent *event) {
  if (watched != window_ || event->type() != QEvent::ShortcutOverride)
    return false;
  const auto *key = static_cast<QKeyEvent *>(event);
  if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier)
    return false;
  const auto *button = qobject_cast<QAbstractButton *>(window_->focusWidget());
  if (button == nullptr || !button->isEnabled())
    return false;
  event->accept();
  return true;
}

} // namespace lab
