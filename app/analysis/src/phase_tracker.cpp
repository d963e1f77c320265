#include "analysis/phase_tracker.h"

#include <utility>

namespace analysis {

void PhaseTracker::add(std::int64_t step, AtomFrame frame) {
  // The same moment again (Step while paused redraws), or steps counted anew.
  while (!frames_.empty() && frames_.back().step >= step)
    frames_.pop_back();
  frames_.push_back({step, std::move(frame)});
}

std::vector<TypeSummary> PhaseTracker::summaries() {
  if (frames_.empty())
    return {};
  const Kept &now = frames_.back();
  // Only the newest frame old enough is needed, and the ones after it.
  const std::int64_t reach = now.step - kRecentSteps;
  while (frames_.size() > 1 && frames_[1].step <= reach)
    frames_.pop_front();
  if (frames_.front().step > reach) {
    std::vector<TypeSummary> untold(static_cast<std::size_t>(now.frame.typeCount));
    for (std::size_t t = 0; t < untold.size(); ++t)
      untold[t].type = static_cast<std::int32_t>(t);
    return untold;
  }
  return summariseRecent(frames_.front().frame, now.frame);
}

std::vector<Phase> PhaseTracker::phases() {
  std::vector<Phase> phases;
  for (const TypeSummary &summary : summaries())
    phases.push_back(summary.phase);
  return phases;
}

} // namespace analysis
