#pragma once

#include "rgb.h"

// Colour of the landscape at one point before the painted details (waves,
// foam, cracks) go on top: the material under the point, shaded.
Rgb landscapeColourAt(double x, double y);
