#include "analysis/phase_worker.h"

#include <stdexcept>
#include <utility>

namespace analysis {

namespace {

// One summary per type with nothing told, as PhaseTracker gives it before
// its frames reach back far enough.
std::vector<TypeSummary> untold(std::int32_t typeCount) {
  std::vector<TypeSummary> summaries(static_cast<std::size_t>(typeCount));
  for (std::size_t t = 0; t < summaries.size(); ++t)
    summaries[t].type = static_cast<std::int32_t>(t);
  return summaries;
}

} // namespace

PhaseWorker::PhaseWorker(Measured measured)
    : measured_(std::move(measured)), thread_([this] { run(); }) {}

PhaseWorker::~PhaseWorker() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    pending_.clear();
  }
  wake_.notify_one();
  thread_.join();
}

void PhaseWorker::submit(std::uint64_t start, std::int64_t step, AtomFrame frame) {
  {
    const std::lock_guard lock(mutex_);
    if (start != start_)
      pending_.clear();
    start_ = start;
    typeCount_ = frame.typeCount;
    pending_.push_back({step, std::move(frame)});
  }
  wake_.notify_one();
}

std::vector<TypeSummary> PhaseWorker::latest(std::uint64_t start) const {
  const std::lock_guard lock(mutex_);
  if (published_ && published_->start == start)
    return published_->summaries;
  return start == start_ ? untold(typeCount_) : std::vector<TypeSummary>{};
}

void PhaseWorker::waitUntilIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return pending_.empty() && !busy_; });
}

// Takes every frame handed over since the last measure, measures the newest
// against the history, publishes the result, and waits for more.
void PhaseWorker::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
    if (stopping_)
      return;
    const std::uint64_t start = start_;
    std::deque<Job> jobs = std::exchange(pending_, {});
    busy_ = true;
    lock.unlock();
    std::vector<TypeSummary> summaries = measure(start, std::move(jobs));
    lock.lock();
    published_ = Published{start, std::move(summaries)};
    lock.unlock();
    if (measured_)
      measured_();
    lock.lock();
    busy_ = false;
    if (pending_.empty())
      idle_.notify_all();
  }
}

std::vector<TypeSummary> PhaseWorker::measure(std::uint64_t start, std::deque<Job> jobs) {
  if (start != trackedStart_) {
    tracker_.clear();
    trackedStart_ = start;
  }
  const std::int32_t types = jobs.back().frame.typeCount;
  for (Job &job : jobs)
    tracker_.add(job.step, std::move(job.frame));
  try {
    return tracker_.summaries();
  } catch (const std::invalid_argument &) {
    // Frames of other atoms under the same scenario cannot be compared: the
    // history starts again with the next frame instead of ending the thread.
    tracker_.clear();
    return untold(types);
  }
}

} // namespace analysis
