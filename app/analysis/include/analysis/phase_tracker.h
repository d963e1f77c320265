// Tells the phase of each material while a scenario runs: keeps the frames
// of the last stretch of the run and compares the newest with one taken at
// least kRecentSteps earlier.
#pragma once

#include "analysis/atom_frame.h"
#include "analysis/phase_measure.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace analysis {

class PhaseTracker {
public:
  // A new scenario: the frames kept so far belong to other atoms.
  void clear() { frames_.clear(); }
  // The atoms at this step (steps counted since the scenario started).
  void add(std::int64_t step, AtomFrame frame);
  // The summary of each type (summariseRecent); until the frames reach
  // back kRecentSteps, one per type with no atoms counted and Phase::None.
  std::vector<TypeSummary> summaries();
  // The phase of each type, as the summaries give it.
  std::vector<Phase> phases();

private:
  struct Kept {
    std::int64_t step;
    AtomFrame frame;
  };
  std::deque<Kept> frames_;
};

} // namespace analysis
