// A material's phase map as a sweep over temperature and density measured
// it on the model: the phases found at each state point, with the pressure
// on the walls there. The maps ship as text, one file per substance.
#pragma once

#include "analysis/phase_measure.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

struct MapPoint {
  double temperature = 0.0; // measured while held, kelvin
  double density = 0.0;     // the material's mass over the room inside the wall skins, kg/m³
  double pressure = 0.0;    // on the walls (wallPushPressure), kPa
  PhaseMix phase = PhaseMix::None;
  double solidShare = 0.0; // the shares of the material's atoms (TypeSummary)
  double liquidShare = 0.0;
  double gasShare = 0.0;
};

struct PhaseMap {
  std::string substance; // as the material card names it
  std::vector<MapPoint> points;
};

// A map that cannot be read: what is wrong, as "NAME, line N: reason.".
class PhaseMapError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Reads a map's text; name is the file's name, for the messages. Throws
// PhaseMapError for text that is not a whole map.
PhaseMap parsePhaseMap(std::string_view text, const std::string &name);
// The text parsePhaseMap reads back as the same map.
std::string writePhaseMap(const PhaseMap &map);

} // namespace analysis
