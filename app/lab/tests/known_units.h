// Units chosen so that the Lab's figures are round. One length unit is 1 Å,
// so a pressure unit is k/Å³; one mass unit weighs k kilograms, so a time
// unit lasts 100 ps and a step of 0.01 lasts 1 ps.
#pragma once

#include "lab_units.h"

namespace known {

constexpr analysis::ModelUnits kUnits{1e-10, analysis::kBoltzmann};
constexpr double kTimeStep = 0.01;
// One standard atmosphere on the walls, in model units.
constexpr double kOneAtmosphere = 101325.0 / (analysis::kBoltzmann / 1e-30);

inline lab::LabUnits withCard(analysis::PressureUnit pressure) {
  return {analysis::TemperatureUnit::Kelvin, kUnits, pressure, kTimeStep};
}

inline lab::LabUnits withoutCard() {
  return {analysis::TemperatureUnit::Kelvin, std::nullopt, analysis::PressureUnit::Atmosphere,
          kTimeStep};
}

} // namespace known
