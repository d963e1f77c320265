// Reading any bytes as a phase map: the reader either refuses them with a
// PhaseMapError or takes a map that, written back, reads as the same map.
#include "analysis/phase_map.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool same(const analysis::MapPoint &a, const analysis::MapPoint &b) {
  return a.temperature == b.temperature && a.density == b.density && a.pressure == b.pressure &&
         a.phase == b.phase && a.solidShare == b.solidShare && a.liquidShare == b.liquidShare &&
         a.gasShare == b.gasShare;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  analysis::PhaseMap map;
  try {
    map = analysis::parsePhaseMap(text, "fuzz.map");
  } catch (const analysis::PhaseMapError &) {
    return 0;
  }
  const analysis::PhaseMap back = analysis::parsePhaseMap(analysis::writePhaseMap(map), "back.map");
  if (back.substance != map.substance || back.points.size() != map.points.size())
    std::abort();
  for (std::size_t k = 0; k < map.points.size(); ++k)
    if (!same(back.points[k], map.points[k]))
      std::abort();
  return 0;
}
