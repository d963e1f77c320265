// The status-bar figures of the simulation loop: mean drawing time of the
// last ten frames, and frames per second between two reports, measured on a
// monotonic clock.
#pragma once

#include <array>
#include <cstdint>

namespace atom_drawing {

class FrameStats {
public:
  // A scenario (re)started at this clock reading, in seconds.
  void restart(double now);
  // One frame drawn, taking drawSeconds to draw.
  void addDrawTime(double drawSeconds);
  // Mean drawing time of the last ten frames (fewer right after a restart).
  double meanDrawTime() const;
  // Frames counted since the previous report (or the restart) divided by the
  // time since then; 0 when no time has passed. Starts the next interval.
  double framesPerSecond(double now);
  // Starts a new interval for the frame rate, as after a pause, keeping the
  // drawing times.
  void startInterval(double now);
  // One simulation tick has produced a frame.
  void countFrame() { ++framesSinceReport_; }

private:
  std::array<double, 10> drawTimes_{};
  int drawCount_ = 0;
  int nextSlot_ = 0;
  double mark_ = 0;
  std::int64_t framesSinceReport_ = 0;
};

} // namespace atom_drawing
