#include "test_frames.h"

#include <algorithm>
#include <cmath>

namespace analysis::testing {

const double kLiquidPair[4] = {4096.0, 1.0, 1412.0, 2048.0};
const double kLiquidR0 = minimumDistance(kLiquidPair);

AtomFrame crystal(double r0) {
  AtomFrame s;
  const double a = r0 * std::sqrt(2.0);
  const double basis[4][3] = {{0, 0, 0}, {0.5, 0.5, 0}, {0.5, 0, 0.5}, {0, 0.5, 0.5}};
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 3; ++y)
      for (int z = 0; z < 3; ++z)
        for (const auto &b : basis) {
          s.coords.insert(s.coords.end(),
                          {10000 + (x + b[0]) * a, 3000 + (y + b[1]) * a, 10000 + (z + b[2]) * a});
          s.types.push_back(0);
        }
  s.pairParams.assign(kLiquidPair, kLiquidPair + 4);
  s.box = {0, 0, 0, 30000, 30000, 30000};
  return s;
}

AtomFrame reshuffled(AtomFrame frame) {
  std::rotate(frame.coords.begin(), frame.coords.begin() + 3, frame.coords.end());
  return frame;
}

AtomFrame shifted(AtomFrame frame, double dx, double dy) {
  for (std::size_t i = 0; i < frame.types.size(); ++i) {
    frame.coords[3 * i] += dx;
    frame.coords[3 * i + 1] += dy;
  }
  return frame;
}

AtomFrame turned(const AtomFrame &frame, double angle) {
  AtomFrame now = frame;
  for (std::size_t i = 0; i < now.types.size(); ++i) {
    const double x = frame.coords[3 * i] - 10000.0, z = frame.coords[3 * i + 2] - 10000.0;
    now.coords[3 * i] = 10000.0 + std::cos(angle) * x - std::sin(angle) * z;
    now.coords[3 * i + 2] = 10000.0 + std::sin(angle) * x + std::cos(angle) * z;
  }
  return now;
}

AtomFrame tetrahedron(double r0) {
  AtomFrame s;
  s.coords = {0,
              0,
              0,
              r0,
              0,
              0,
              r0 / 2,
              r0 * std::sqrt(3.0) / 2,
              0,
              r0 / 2,
              r0 * std::sqrt(3.0) / 6,
              r0 * std::sqrt(2.0 / 3.0)};
  for (double &c : s.coords)
    c += 10000.0;
  s.types = {0, 0, 0, 0};
  s.pairParams.assign(kLiquidPair, kLiquidPair + 4);
  s.box = {0, 0, 0, 30000, 30000, 30000};
  return s;
}

AtomFrame tetrahedronTurnedOn(const AtomFrame &frame) {
  AtomFrame now = frame;
  std::rotate(now.coords.begin(), now.coords.begin() + 3, now.coords.end());
  return now;
}

} // namespace analysis::testing
