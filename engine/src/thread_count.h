// How many threads the engine may use, as the environment says.
#ifndef PAVEX_THREAD_COUNT_H
#define PAVEX_THREAD_COUNT_H

#include <cstdint>

namespace pavex {

// PAVEX_THREADS when it holds a whole number from 1 to 64 (1 keeps every
// step on the calling thread), otherwise the processor cores. Read once.
int32_t configuredThreadCount();

// The same reading of one value of PAVEX_THREADS (nullptr when unset).
int32_t threadCountFrom(const char *setting, int32_t cores);

} // namespace pavex

#endif
