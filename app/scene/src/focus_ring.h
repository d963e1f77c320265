// A focus frame drawn just outside a widget whose own drawing must stay as
// it is (the atom view): a ring kFocusFrameWidth wide around it, shown while
// the keyboard has brought the widget its focus. The ring covers nothing of
// the widget and lets every click through.
#pragma once

#include <QWidget>

namespace scene {

class FocusRing : public QWidget {
  Q_OBJECT

public:
  // The ring is a sibling of `target`, following its place, size and visibility.
  explicit FocusRing(QWidget *target);

  bool shows() const { return target_->hasFocus() && keyboardFocus_; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  void followTarget();

  QWidget *target_;
  bool keyboardFocus_ = false;
};

} // namespace scene
