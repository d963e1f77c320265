#include "state_point.h"

#include "analysis/wall_pressure.h"

#include <algorithm>

namespace lab {

std::vector<double> materialMasses(std::span<const std::int32_t> types,
                                   std::span<const double> masses, std::int32_t typeCount) {
  std::vector<double> sums(static_cast<std::size_t>(std::max(typeCount, 0)), 0.0);
  const std::size_t atoms = std::min(types.size(), masses.size());
  for (std::size_t a = 0; a < atoms; ++a)
    if (types[a] >= 0 && types[a] < typeCount)
      sums[static_cast<std::size_t>(types[a])] += masses[a];
  return sums;
}

std::optional<StatePoint> statePointOf(std::optional<double> kelvin, double mass,
                                       const std::array<double, 6> &box,
                                       std::optional<double> modelPressure,
                                       const analysis::ModelUnits &units) {
  const double density = analysis::densityInside(mass, box, units);
  if (!kelvin || !(density > 0.0))
    return std::nullopt;
  StatePoint point{*kelvin, density, std::nullopt};
  if (modelPressure)
    point.kilopascals = analysis::kilopascalsFromModelPressure(*modelPressure, units);
  return point;
}

} // namespace lab
