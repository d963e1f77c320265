// MD_show_settings: the settings, then one message per pair record.
#include "engine_state.h"
#include "message_layer.h"
#include "pavex.h"

#include <algorithm>
#include <cstdio>

extern "C" void MD_show_settings(void) {
  const pavex::EngineState &state = pavex::engine();
  char caption[128];
  char text[1024];
  std::snprintf(text, sizeof text,
                "Gravity = %.2lf\nTemperature = %.2lf\nClamp temp = %2lf\nClamp on/off = %d",
                state.gravity, state.temperature, state.clampTemperature, state.clampOn);
  pavex::showMessage("Internal Settings", text);
  // Only the records the installed table holds; none before the first table.
  const int32_t types = state.pairTable ? std::min(state.numTypes, state.pairTableTypes) : 0;
  for (int32_t i = 0, p = 0; i < types; ++i) {
    for (int32_t j = 0; j <= i; ++j, ++p) {
      const pavex::PairRecord &r = state.pairTable[p];
      std::snprintf(caption, sizeof caption, "Potential function [%d] %d <-> %d", p, i, j);
      std::snprintf(text, sizeof text, "%7.1lf, %7.1lf, %7.1lf, %7.1lf", r.a, r.b, r.c, r.d);
      pavex::showMessage(caption, text);
    }
  }
}
