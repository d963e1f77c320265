// Units chosen so that the Lab's figures are round. One length unit is 1 Å,
// so a pressure unit is k/Å³; one mass unit weighs k kilograms, so a time
// unit lasts 100 ps and a step of 0.01 lasts 1 ps. In a cube of 3 × 2048
// with walls 2048 deep the skins' inner faces have a ninth of the box's
// area, so the wall pressure is 9 times the engine's.
#pragma once

#include "lab_units.h"

namespace known {

constexpr analysis::ModelUnits kUnits{1e-10, analysis::kBoltzmann};
constexpr std::array<double, 6> kBox{0, 0, 0, 6144, 6144, 6144};
constexpr double kTimeStep = 0.01;
// The engine's pressure that is one standard atmosphere on the walls.
constexpr double kOneAtmosphere = 101325.0 / (9.0 * analysis::kBoltzmann / 1e-30);

inline lab::LabUnits withCard(analysis::PressureUnit pressure) {
  return {analysis::TemperatureUnit::Kelvin, kUnits, pressure, kBox, kTimeStep};
}

inline lab::LabUnits withoutCard() {
  return {analysis::TemperatureUnit::Kelvin, std::nullopt, analysis::PressureUnit::Atmosphere, kBox,
          kTimeStep};
}

} // namespace known
