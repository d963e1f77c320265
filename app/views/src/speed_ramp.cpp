#include "speed_ramp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace views {

namespace {

// Stops of each ramp, evenly spaced from cold to hot.
constexpr std::array<atom_drawing::AtomColour, 5> kBlueToRed{
    {{40, 80, 230}, {30, 200, 230}, {60, 200, 70}, {250, 210, 40}, {230, 40, 30}}};
// Red and green stay nearly equal, so only the blue-yellow axis and the
// brightness change. The blue is light enough for 3:1 against both of the
// large view's backgrounds, and the grey sits halfway in lightness (CIELAB
// L* 48, 68, 91).
constexpr std::array<atom_drawing::AtomColour, 3> kBlueToYellow{
    {{95, 100, 215}, {165, 165, 160}, {240, 230, 70}}};

std::span<const atom_drawing::AtomColour> stopsOf(SpeedRamp ramp) {
  if (ramp == SpeedRamp::BlueToYellow)
    return kBlueToYellow;
  return kBlueToRed;
}

std::uint8_t blend(std::uint8_t from, std::uint8_t to, double t) {
  return static_cast<std::uint8_t>(std::lround(from + (to - from) * t));
}

} // namespace

SpeedSpread speedSpread(std::span<const double> speeds) {
  if (speeds.empty())
    return {};
  const auto [slowest, fastest] = std::minmax_element(speeds.begin(), speeds.end());
  return {*slowest, *fastest};
}

int rampLevel(const SpeedSpread &spread, double speed) {
  const double width = spread.fastest - spread.slowest;
  if (!(width > 0.0))
    return 0;
  const double t = (speed - spread.slowest) / width;
  if (!(t > 0.0))
    return 0; // also a speed that is not a number
  return t < 1.0 ? std::min(static_cast<int>(t * kRampLevels), kRampLevels - 1) : kRampLevels - 1;
}

atom_drawing::AtomColour rampColour(int level, SpeedRamp ramp) {
  const std::span<const atom_drawing::AtomColour> stops = stopsOf(ramp);
  const double t = std::clamp(level, 0, kRampLevels - 1) / double(kRampLevels - 1);
  const double at = t * static_cast<double>(stops.size() - 1);
  const auto stop = std::min(static_cast<std::size_t>(at), stops.size() - 2);
  const double within = at - static_cast<double>(stop);
  const atom_drawing::AtomColour a = stops[stop], b = stops[stop + 1];
  return {blend(a.r, b.r, within), blend(a.g, b.g, within), blend(a.b, b.b, within)};
}

} // namespace views
