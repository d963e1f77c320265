// Help > Keyboard: a window listing every key the program answers to.
#pragma once

class QWidget;

namespace scene {

// Shows the list beside `parent` without blocking it, or brings it up again
// freshly listed when it is open already. The menu bar's shortcuts and menus
// are read from `parent`'s window, so that every shortcut given there is
// listed; the keys that work on a control or in another window follow.
// Escape or Close hides it.
void showKeyboardHelp(QWidget *parent);

} // namespace scene
