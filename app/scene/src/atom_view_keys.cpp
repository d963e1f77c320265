// The atom view by keyboard: Tab stops on it, a ring outside the picture
// shows that it has the keyboard's focus, and Enter opens the large view as
// View > Large View does. Its drawing stays exactly as it is.
#include "frm_orvel_model.h"

#include "focus_ring.h"
#include "keyboard_focus.h"
#include "picture_box.h"

#include <QAction>
#include <QKeyEvent>

bool frmOrvelModel::event(QEvent *event) {
  if (event->type() == QEvent::Polish)
    makeAtomViewReachable();
  return QMainWindow::event(event);
}

// No click focus: clicking the picture leaves the keyboard where it was.
void frmOrvelModel::makeAtomViewReachable() {
  if (atomViewRing != nullptr)
    return;
  PicAtoms->setFocusPolicy(Qt::TabFocus);
  PicAtoms->installEventFilter(this);
  atomViewRing = new scene::FocusRing(PicAtoms);
}

bool frmOrvelModel::eventFilter(QObject *watched, QEvent *event) {
  if (watched == PicAtoms && event->type() == QEvent::KeyPress &&
      scene::isPlainEnter(static_cast<QKeyEvent *>(event))) {
    mnuViewLargeView->trigger();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}
