// Where a window the main window opens stands the first time: beside it or
// below it.
#pragma once

class QWidget;

namespace scene {

// To the right of the main window, level with its top.
void placeBeside(QWidget *window, const QWidget *main);

// Below the main window, and on the screen even when the main window stands
// low.
void placeBelow(QWidget *window, const QWidget *main);

} // namespace scene
