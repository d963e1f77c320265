// Seconds on a monotonic clock, for frame timing.
#pragma once

#include <chrono>

namespace scene {

inline double monotonicSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace scene
