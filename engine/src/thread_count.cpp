#include "thread_count.h"

#include <cstdlib>
#include <thread>

namespace pavex {
namespace {

constexpr long kMostThreads = 64;

} // namespace

int32_t threadCountFrom(const char *setting, int32_t cores) {
  const int32_t fallback = cores > 0 ? cores : 1;
  if (setting == nullptr) {
    return fallback;
  }
  char *end = nullptr;
  const long count = std::strtol(setting, &end, 10);
  if (end == setting || *end != '\0' || count < 1 || count > kMostThreads) {
    return fallback;
  }
  return static_cast<int32_t>(count);
}

int32_t configuredThreadCount() {
  static const int32_t count = threadCountFrom(
      std::getenv("PAVEX_THREADS"), static_cast<int32_t>(std::thread::hardware_concurrency()));
  return count;
}

} // namespace pavex
