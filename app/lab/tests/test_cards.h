// Material cards as the shipped scenarios have them, for the Lab's tests.
#pragma once

#include "known_units.h"
#include "scenario/material_card.h"

namespace known {

inline ModDornDll::CardMaterial water() {
  return {"water", "O", 273.15, "CRC Handbook", 373.12, "CRC Handbook", 268.0, {}, {}, {}, {}};
}

// A card of air without boiling point or model melting point.
inline ModDornDll::CardMaterial nitrogen() {
  return {"nitrogen", "N", 63.15, "NIST", {}, {}, {}, {}, {}, {}, {}};
}

inline ModDornDll::MaterialCard card(std::vector<ModDornDll::CardMaterial> materials) {
  return {kUnits.metres, kUnits.kilograms, std::move(materials)};
}

} // namespace known
