// Focus as keyboard users see it: whether the keyboard brought a widget its
// focus, and the frame that marks it. The landscape's places and the atom
// view show focus only to keyboard users, never at start-up or on a click.
#pragma once

#include <Qt>

class QKeyEvent;
class QPainter;
class QRect;

namespace scene {

// Width of a focus frame and length of its dashes and of the gaps between
// them, in pixels.
constexpr int kFocusFrameWidth = 2;
constexpr int kFocusDashLength = 4;

// The keyboard's part in a widget's focus after focus came (gained) or went
// for `reason`, given what it was before: Tab, Shift+Tab and shortcuts bring
// it; the mouse, start-up and code do not; focus leaving or coming back with
// the window or a menu keeps what it was.
bool keyboardFocusAfter(Qt::FocusReason reason, bool gained, bool before);

// Whether the key pressed is `key` with no modifier but the keypad's.
bool isPlainKey(const QKeyEvent *event, int key);
// Return or Enter (the keypad's), with no other modifier: what works a control.
bool isPlainEnter(const QKeyEvent *event);

// A frame kFocusFrameWidth wide along the inside of `outline`: white dashes
// on black, so that it shows on any colour.
void drawFocusFrame(QPainter &painter, const QRect &outline);

} // namespace scene
