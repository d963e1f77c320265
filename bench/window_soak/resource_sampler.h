// What a long run must not lose: the process's resident memory and the
// drawing layer's live handles.
#pragma once

#include <cstdint>

namespace soak {

// Resident memory of this process in KiB (from /proc/self/statm).
std::int64_t residentKib();
// Handles the drawing layer holds now.
int liveHandles();

} // namespace soak
