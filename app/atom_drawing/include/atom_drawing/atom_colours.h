// The base colours of the six atom images, in image order (type 0 first):
// blue, red, green, yellow, violet, cyan. The atom bitmaps are drawn in them
// and the large view shades its spheres with them.
#pragma once

#include <array>
#include <cstdint>

namespace atom_drawing {

struct AtomColour {
  std::uint8_t r, g, b;
};

inline constexpr std::array<AtomColour, 6> kAtomColours{
    {{48, 100, 236}, {226, 46, 46}, {44, 184, 70}, {244, 204, 36}, {156, 70, 212}, {34, 200, 216}}};

// Their names, as the windows call the materials drawn in them.
inline constexpr std::array<const char *, 6> kAtomColourNames{"blue",   "red",    "green",
                                                              "yellow", "violet", "cyan"};

} // namespace atom_drawing
