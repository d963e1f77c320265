#include "atom_drawing/frame_stats.h"

#include <numeric>

namespace atom_drawing {

void FrameStats::restart(double now) {
  drawTimes_.fill(0.0);
  drawCount_ = 0;
  nextSlot_ = 0;
  mark_ = now;
  framesSinceReport_ = 0;
}

void FrameStats::startInterval(double now) {
  mark_ = now;
  framesSinceReport_ = 0;
}

void FrameStats::addDrawTime(double drawSeconds) {
  drawTimes_[nextSlot_] = drawSeconds;
  nextSlot_ = (nextSlot_ + 1) % static_cast<int>(drawTimes_.size());
  if (drawCount_ < static_cast<int>(drawTimes_.size()))
    ++drawCount_;
}

double FrameStats::meanDrawTime() const {
  if (drawCount_ == 0)
    return 0.0;
  return std::accumulate(drawTimes_.begin(), drawTimes_.end(), 0.0) / drawCount_;
}

double FrameStats::framesPerSecond(double now) {
  const double elapsed = now - mark_;
  const double fps = elapsed > 0 ? static_cast<double>(framesSinceReport_) / elapsed : 0.0;
  mark_ = now;
  framesSinceReport_ = 0;
  return fps;
}

} // namespace atom_drawing
