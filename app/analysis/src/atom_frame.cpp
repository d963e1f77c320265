#include "analysis/atom_frame.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace analysis {

const double *pairOf(const AtomFrame &frame, std::int32_t a, std::int32_t b) {
  const auto t = static_cast<std::size_t>(std::max(a, b));
  const auto u = static_cast<std::size_t>(std::min(a, b));
  return &frame.pairParams[4 * (t * (t + 1) / 2 + u)];
}

double minimumDistance(const double *pair) {
  const double b = pair[1], c = pair[2], d = pair[3];
  const double squared = d * d - std::sqrt(b / 2.0) * (d * d - c * c);
  return b > 0.0 && squared > 0.0 ? std::sqrt(squared) : c;
}

double neighbourRadius(const double *pair) {
  return std::min(kNeighbourShell * minimumDistance(pair), pair[3]);
}

void checkFrame(const AtomFrame &frame) {
  if (frame.coords.size() != 3 * frame.types.size())
    throw std::invalid_argument("a frame needs three coordinates per atom");
  if (frame.typeCount < 1)
    throw std::invalid_argument("a frame needs at least one type");
  const auto types = static_cast<std::size_t>(frame.typeCount);
  if (frame.pairParams.size() < 4 * (types * (types + 1) / 2))
    throw std::invalid_argument("a frame needs a pair for every pair of types");
  const auto outside = [&](std::int32_t t) { return t < 0 || t >= frame.typeCount; };
  if (std::any_of(frame.types.begin(), frame.types.end(), outside))
    throw std::invalid_argument("an atom's type lies outside the frame's types");
}

void checkFrames(const AtomFrame &earlier, const AtomFrame &later) {
  checkFrame(earlier);
  checkFrame(later);
  if (earlier.types != later.types || earlier.typeCount != later.typeCount)
    throw std::invalid_argument("two moments of a run need the same atoms and types");
}

} // namespace analysis
