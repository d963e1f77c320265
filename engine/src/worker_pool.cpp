#include "worker_pool.h"

#include <system_error>

namespace pavex {

WorkerPool::WorkerPool(int32_t workers, ThreadStarter start) {
  threads_.reserve(static_cast<size_t>(workers > 0 ? workers : 0));
  for (int32_t part = 1; part <= workers; ++part) {
    try {
      threads_.push_back(start(*this, part));
    } catch (const std::system_error &) {
      break; // resource limits: the parts started so far carry the work
    }
  }
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread &t : threads_) {
    t.join();
  }
}

std::thread WorkerPool::startThread(WorkerPool &pool, int32_t part) {
  return std::thread(&WorkerPool::serve, &pool, part);
}

void WorkerPool::run(Task task, void *context) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    task_ = task;
    context_ = context;
    pending_ = static_cast<int32_t>(threads_.size());
    ++generation_;
  }
  wake_.notify_all();
  task(context, 0);
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return pending_ == 0; });
}

void WorkerPool::serve(int32_t part) {
  uint64_t seen = 0;
  for (;;) {
    Task task;
    void *context;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
      if (stopping_) {
        return;
      }
      seen = generation_;
      task = task_;
      context = context_;
    }
    task(context, part);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      --pending_;
    }
    done_.notify_one();
  }
}

} // namespace pavex
