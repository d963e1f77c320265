// An engine library that offers a single function, for the binding's
// missing-function path.
#include "pavex.h"

namespace {
double lastGravity = 0.0;
}

extern "C" {
__attribute__((visibility("default"))) double partial_engine_gravity() { return lastGravity; }
void MD_set_gravity(double g) { lastGravity = g; }
}
