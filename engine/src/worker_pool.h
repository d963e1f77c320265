// Worker threads started once and woken for each piece of parallel work, so
// no step pays for starting a thread.
#ifndef PAVEX_WORKER_POOL_H
#define PAVEX_WORKER_POOL_H

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace pavex {

class WorkerPool {
public:
  // Runs one part of a piece of work.
  using Task = void (*)(void *context, int32_t part);
  // Starts the thread that serves part `part` of `pool`; throws
  // std::system_error when no thread can be started.
  using ThreadStarter = std::thread (*)(WorkerPool &pool, int32_t part);

  // Starts `workers` threads, or as many as can be started: the work is then
  // cut into fewer parts, down to one on the calling thread alone.
  explicit WorkerPool(int32_t workers, ThreadStarter start = startThread);
  ~WorkerPool();
  WorkerPool(const WorkerPool &) = delete;
  WorkerPool &operator=(const WorkerPool &) = delete;

  // Parts a piece of work is cut into: the workers and the calling thread.
  int32_t parts() const { return static_cast<int32_t>(threads_.size()) + 1; }

  // Runs task(context, p) for every part p, part 0 on the calling thread,
  // and returns when all parts are done.
  void run(Task task, void *context);

  // The loop of the thread that serves `part` (part >= 1).
  void serve(int32_t part);

  static std::thread startThread(WorkerPool &pool, int32_t part);

private:
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  uint64_t generation_ = 0; // counts the pieces of work handed out
  int32_t pending_ = 0;     // parts of the current piece still running
  bool stopping_ = false;
  Task task_ = nullptr;
  void *context_ = nullptr;
  std::vector<std::thread> threads_;
};

} // namespace pavex

#endif
