// A thread that runs the engine while the window draws: started once, it
// takes one piece of work at a time and the caller waits for it before
// anything else touches the engine.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace simulation {

class RunWorker {
public:
  // Starts the thread; when none can be started, work runs on the caller's
  // thread instead, as it is handed over.
  RunWorker();
  ~RunWorker();
  RunWorker(const RunWorker &) = delete;
  RunWorker &operator=(const RunWorker &) = delete;

  // Hands `work` to the thread. The previous piece must have been waited for.
  void start(std::function<void()> work);
  // Waits until the piece handed over is done and rethrows what it threw.
  void wait();

private:
  void serve();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<void()> work_; // the piece handed over, until it is done
  bool stopping_ = false;
  std::exception_ptr error_;
  std::thread thread_;
};

} // namespace simulation
