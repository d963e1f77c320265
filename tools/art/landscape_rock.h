#pragma once

#include "rgb.h"

// Dark rock broken into flat facets, each tilted its own way and lit from the
// upper left, with dark joints between the facets.
Rgb rockColour(double x, double y);
