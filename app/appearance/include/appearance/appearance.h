// How the Lab, its charts and the large view look: the ordinary colours or
// high contrast for a projector, and which ramp the large view colours speeds
// by. One object for the whole program; the windows follow its changed()
// signal, and every choice is remembered between runs. The main window does
// not take part: it always looks the same.
#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>

namespace appearance {

// The large view's speed colours: blue through green to red, or blue to
// yellow, which readers with red-green colour blindness can tell apart.
enum class SpeedColours { BlueToRed, BlueToYellow };

class Appearance : public QObject {
  Q_OBJECT

public:
  // The program's one Appearance, read from the remembered settings the
  // first time it is asked for.
  static Appearance &instance();

  bool highContrast() const { return highContrast_; }
  void setHighContrast(bool on);

  SpeedColours speedColours() const { return speedColours_; }
  void setSpeedColours(SpeedColours colours);

signals:
  void changed();

private:
  Appearance();

  bool highContrast_ = false;
  SpeedColours speedColours_ = SpeedColours::BlueToRed;
};

// High contrast: white text and lines on black, the accent colours of a
// projector's palette. Each meets 4.5:1 against kBackground.
namespace high_contrast {
inline const QColor kBackground{0, 0, 0};
inline const QColor kText{255, 255, 255};
// Fields, buttons and check boxes: dark grey, so that their boxes stand out
// from the black window (the style draws their edges from the window colour).
inline const QColor kSurface{90, 90, 90};
// Series and marks on charts, in the order a chart uses them.
inline const QColor kSeries[] = {QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 128, 255),
                                 QColor(128, 255, 128)};
} // namespace high_contrast

// The palette of a window in high contrast: a black window with dark grey
// fields and buttons, white text, yellow highlight with black text.
QPalette highContrastPalette();

// WCAG 2 contrast ratio of two colours, from 1 (same luminance) to 21
// (black on white). Text needs 4.5 to be read easily.
double contrastRatio(const QColor &a, const QColor &b);

} // namespace appearance
