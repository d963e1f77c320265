// The message of every error code.
#include "pavex.h"

#include <cstring>

namespace {

constexpr const char *kMessages[] = {
    "Internal error: Number of particles not consistent in MD_init_part()",
    "Number of types less than 1",
    "Potential parameter array is NULL",
    "No memory to allocate internal potential array",
    "No memory to allocate for particles",
    "Cannot set temperature beyond maximum value",
    "Cannot set clamp beyond maximum value",
    "Some particles out of range in one or more dimensions",
    "All atomic coordinates are identical",
    "CalcAngVel: Atoms have no mass, cannot calculate momentum",
    "CalcAngVel: Invalid Moment of Inertia - are atoms co-linear/co-planar?",
};
static_assert(sizeof(kMessages) / sizeof(kMessages[0]) == PAVEX_E_INERTIA,
              "one message per error code 1 .. 11");

} // namespace

// Copies like strncpy: at most maxlen bytes, zero bytes after a shorter
// message, no terminator when the message fills maxlen.
extern "C" int32_t MD_translate_error(int32_t code, int32_t maxlen, char *buffer) {
  if (code < PAVEX_E_PARTICLE_COUNT || code > PAVEX_E_INERTIA || maxlen <= 0) {
    return code;
  }
  const char *message = kMessages[code - 1];
  const size_t length = std::strlen(message);
  const size_t limit = static_cast<size_t>(maxlen);
  const size_t copied = length < limit ? length : limit;
  std::memcpy(buffer, message, copied);
  std::memset(buffer + copied, 0, limit - copied);
  return code;
}
