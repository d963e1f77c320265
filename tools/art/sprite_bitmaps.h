#pragma once

#include <QImage>

// The run-time sprite bitmaps: suns and atoms. Pure black is the transparent
// colour of every sprite, so no pixel of the drawn shape is pure black; the
// edges are hard (a pixel is either shape or background) because a blended
// edge would show as a dark fringe once the black is keyed out.

enum class SunColour { Red, Orange, Yellow };

constexpr int kSunSize = 28;
constexpr int kAtomSize = 10;
constexpr int kAtomKinds = 6;

// A sun disc with short rays, kSunSize square, RGB888.
QImage renderSun(SunColour colour);

// A shaded sphere with a highlight, kAtomSize square, RGB888; `kind` 0 to
// kAtomKinds - 1 picks blue, red, green, yellow, purple or cyan.
QImage renderAtom(int kind);
