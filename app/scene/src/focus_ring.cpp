#include "focus_ring.h"

#include "keyboard_focus.h"

#include <QFocusEvent>
#include <QPainter>

namespace scene {

FocusRing::FocusRing(QWidget *target) : QWidget(target->parentWidget()), target_(target) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  followTarget();
  target->installEventFilter(this);
}

// The ring's area is only the band around the target, so that the target's
// frequent repaints never involve it.
void FocusRing::followTarget() {
  const QRect outer = target_->geometry().adjusted(-kFocusFrameWidth, -kFocusFrameWidth,
                                                   kFocusFrameWidth, kFocusFrameWidth);
  setGeometry(outer);
  const QRect inside =
      rect().adjusted(kFocusFrameWidth, kFocusFrameWidth, -kFocusFrameWidth, -kFocusFrameWidth);
  setMask(QRegion(rect()).subtracted(QRegion(inside)));
  setVisible(target_->isVisibleTo(parentWidget()));
  raise();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event) {
  if (watched != target_)
    return false;
  switch (event->type()) {
  case QEvent::FocusIn:
  case QEvent::FocusOut:
    keyboardFocus_ = keyboardFocusAfter(static_cast<QFocusEvent *>(event)->reason(),
                                        event->type() == QEvent::FocusIn, keyboardFocus_);
    update();
    break;
  case QEvent::Move:
  case QEvent::Resize:
  case QEvent::ShowToParent:
  case QEvent::HideToParent:
    followTarget();
    break;
  default:
    break;
  }
  return false;
}

void FocusRing::paintEvent(QPaintEvent *) {
  if (!shows())
    return;
  QPainter painter(this);
  drawFocusFrame(painter, rect());
}

} // namespace scene
