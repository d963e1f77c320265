#include "engine_state.h"

namespace pavex {

EngineState &engine() {
  static EngineState state;
  return state;
}

} // namespace pavex
