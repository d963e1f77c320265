#include "resource_sampler.h"

#include "raster/gdi.h"

#include <fstream>

#include <unistd.h>

namespace soak {

std::int64_t residentKib() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

int liveHandles() { return raster::LiveHandleCount(); }

} // namespace soak
