// Measures the phases of a running scenario on a thread of its own, so that
// the window showing them never waits for the measure: it hands over the
// atoms at each refresh and reads back the newest summaries finished, which
// lag the frame handed over by the time one measure takes.
#pragma once

#include "analysis/atom_frame.h"
#include "analysis/phase_measure.h"
#include "analysis/phase_tracker.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace analysis {

class PhaseWorker {
public:
  // Called on the worker's thread after each measure is published.
  using Measured = std::function<void()>;

  explicit PhaseWorker(Measured measured = {});
  // Drops the frames not yet measured and waits for the measure in
  // progress, if any, to end.
  ~PhaseWorker();
  PhaseWorker(const PhaseWorker &) = delete;
  PhaseWorker &operator=(const PhaseWorker &) = delete;

  // The atoms at this step of the scenario numbered `start` (steps counted
  // since it started). A new start drops the frames of the one before.
  // Frames handed over while a measure runs are all kept in the history,
  // as PhaseTracker::add keeps them, but only the newest is then measured.
  // Never waits for a measure.
  void submit(std::uint64_t start, std::int64_t step, AtomFrame frame);
  // The summaries (PhaseTracker::summaries) of the newest frame measured for
  // `start`. Before one is, one per type of the frames handed over, with no
  // atoms counted and Phase::None; empty when none was handed over for it.
  std::vector<TypeSummary> latest(std::uint64_t start) const;
  // Waits until every frame handed over has been measured and published:
  // for callers that read the result right after handing a frame over.
  void waitUntilIdle();

private:
  struct Job {
    std::int64_t step;
    AtomFrame frame;
  };
  struct Published {
    std::uint64_t start;
    std::vector<TypeSummary> summaries;
  };

  void run();
  std::vector<TypeSummary> measure(std::uint64_t start, std::deque<Job> jobs);

  // Shared with the worker's thread, under mutex_.
  mutable std::mutex mutex_;
  std::condition_variable wake_; // a frame was handed over, or the worker stops
  std::condition_variable idle_; // nothing is left to measure
  std::uint64_t start_ = 0;      // the scenario of the newest frame handed over
  std::int32_t typeCount_ = 0;   // the types of that frame; 0 before any
  std::deque<Job> pending_;
  bool busy_ = false; // the worker measures or reports a measure
  bool stopping_ = false;
  std::optional<Published> published_;

  // The worker's thread alone.
  PhaseTracker tracker_;
  std::uint64_t trackedStart_ = 0;
  Measured measured_;

  std::thread thread_; // last: it starts once the members above are ready
};

} // namespace analysis
