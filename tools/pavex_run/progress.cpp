#include "progress.h"

#include <cstdio>

namespace PavexRun {

Progress::~Progress() {
  if (shown_)
    std::fprintf(stderr, "\r%60s\r", "");
}

void Progress::update(int step) {
  const auto now = std::chrono::steady_clock::now();
  if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250))
    return;
  last_ = now;
  shown_ = true;
  std::fprintf(stderr, "\rpavex-run: step %d of %d (%d%%)", step, steps_,
               static_cast<int>(100.0 * step / steps_));
}

} // namespace PavexRun
