#pragma once

#include "rgb.h"

// A single fair-weather cumulus over the sea, in the upper right of the sky:
// rounded puffs on top, a flat, greyer base.

// How much of the point the cloud covers, 0 (clear sky) to 1 (solid cloud);
// the edge fades over a pixel or two.
double cloudCoverage(double x, double y);

// The cloud's own colour at the point: lit white on the upper left of each
// puff, bluish grey toward the base.
Rgb cloudColour(double x, double y);
