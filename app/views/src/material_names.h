// How the views name a material of the running scenario: by the substance
// its material card gives, or else by the colour its atoms are drawn in.
#pragma once

#include "scenario/material_card.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace views {

// "blue", "red", … in the user's language; "type 7" beyond the colours.
QString colourName(std::int32_t type);

// "water", named by the card; without a card, or for a material the card
// does not name, the colour name.
QString materialName(std::int32_t type, const std::optional<ModDornDll::MaterialCard> &card);

} // namespace views
