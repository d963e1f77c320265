// A pressure gauge on the walls: the instantaneous push of the walls
// (wallPushPressure) swings widely from step to step, because only the few
// atoms inside a skin at that moment count. The gauge shows its mean over the
// last kWindowSteps steps, long enough for the reading of the air of gas.ams
// to stay within a few per cent from one window to the next.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

namespace analysis {

class PressureGauge {
public:
  static constexpr std::int64_t kWindowSteps = 2000;

  // A reading of the walls' push (model units) at this step; steps only grow.
  void add(std::int64_t step, double pressure);
  // Forgets every reading (a new start, or a box that changed).
  void clear();
  // The mean of the readings of the last kWindowSteps steps, once the
  // readings cover a whole window; nullopt before.
  std::optional<double> reading() const;

private:
  struct Reading {
    std::int64_t step;
    double pressure;
  };
  std::deque<Reading> readings_;
  std::int64_t first_ = -1; // the step of the first reading since clear()
};

} // namespace analysis
