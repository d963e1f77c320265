// The engine's one pseudo-random sequence: a 32-bit linear congruential
// generator whose results lie in 0 .. 32767. Its state lives in the engine
// state, starts at 1 when the library is loaded and is never reseeded.
#ifndef PAVEX_RANDOM_GENERATOR_H
#define PAVEX_RANDOM_GENERATOR_H

#include <cstdint>

namespace pavex {

inline int32_t nextRandom(uint32_t &state) {
  state = state * 214013u + 2531011u;
  return static_cast<int32_t>((state >> 16) & 32767u);
}

} // namespace pavex

#endif
