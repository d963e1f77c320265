#pragma once

#include <QImage>

// Icons, each drawn for a square size in pixels (32 and 16 are used), on a
// transparent background, ARGB32.

// The window icon: an atom over a little seaside landscape.
QImage renderAppIcon(int size);

// The "Summer" season picture: a sun on a pale sky badge.
QImage renderSummerIcon(int size);

// The "Winter" season picture: a snowflake on a pale ice badge.
QImage renderWinterIcon(int size);

// The hotspot mouse pointer: a magnifying glass whose lens centre is the
// pointing place (at 40 % of the size from the top-left corner).
QImage renderHotspotIcon(int size);

// The eye, loaded by the program as a mouse icon.
QImage renderEyeIcon(int size);
