// A progress line on standard error, shown once a run has taken a second.
#pragma once

#include <chrono>

namespace PavexRun {

class Progress {
public:
  explicit Progress(int steps) : steps_(steps) {}
  ~Progress();
  Progress(const Progress &) = delete;
  Progress &operator=(const Progress &) = delete;

  void update(int step);

private:
  int steps_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point last_{};
};

} // namespace PavexRun
