#include "simulation/run_worker.h"

#include <system_error>
#include <utility>

namespace simulation {

RunWorker::RunWorker() {
  try {
    thread_ = std::thread(&RunWorker::serve, this);
  } catch (const std::system_error &) {
    // No thread: start() runs each piece at once.
  }
}

RunWorker::~RunWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable())
    thread_.join();
}

void RunWorker::start(std::function<void()> work) {
  if (!thread_.joinable()) {
    try {
      work();
    } catch (...) {
      error_ = std::current_exception();
    }
    return;
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    work_ = std::move(work);
  }
  changed_.notify_all();
}

void RunWorker::wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !work_; });
  if (error_)
    std::rethrow_exception(std::exchange(error_, nullptr));
}

void RunWorker::serve() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || work_; });
    if (!work_)
      return; // stopping with nothing handed over
    lock.unlock();
    try {
      work_();
    } catch (...) {
      error_ = std::current_exception();
    }
    lock.lock();
    work_ = nullptr;
    changed_.notify_all();
  }
}

} // namespace simulation
