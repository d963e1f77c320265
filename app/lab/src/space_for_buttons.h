// Space belongs to a focused button. The program's Pause answers Space
// wherever the Lab is, as a shortcut, and a shortcut goes before the key's
// ordinary use: without this, Space on a focused check box of the Lab would
// pause the run instead of ticking the box. With it, Space on a focused
// button, check box or radio button presses it; Space elsewhere (a slider,
// a graph) still pauses, and a number box types it as ever.
#pragma once

#include <QObject>

class QWidget;

namespace lab {

class SpaceForButtons : public QObject {
  Q_OBJECT

public:
  // Watches `window` and the widgets in it; owned by it.
  explicit SpaceForButtons(QWidget *window);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QWidget *window_;
};

} // namespace lab
