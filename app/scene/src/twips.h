// The window is laid out in twips (1/1440 inch), 15 to a screen pixel.
#pragma once

#include <QRect>

namespace scene {

constexpr double kTwipsPerPixel = 15.0;

// Nearest pixel, halves to even.
int twipsToPixels(double twips);
QRect twipsRect(double left, double top, double width, double height);

} // namespace scene
