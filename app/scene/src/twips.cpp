#include "twips.h"

#include <cmath>

namespace scene {

int twipsToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }

QRect twipsRect(double left, double top, double width, double height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace scene
