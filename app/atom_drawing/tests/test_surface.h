// A colour surface of the atom view's size whose pixels the tests read back.
#pragma once

#include "atom_drawing/projection.h"
#include "raster/gdi.h"
#include "raster/memory_picture.h"

#include <cstdint>

namespace view_test {

constexpr int kWidth = 254;
constexpr int kHeight = 193;
constexpr raster::COLORREF kWhite = raster::RGB(255, 255, 255);
// A box of 20 on each side at the origin.
inline const atom_drawing::Box kCube20 = {0, 0, 0, 20, 20, 20};

struct Surface : raster::MemoryPicture {
  Surface() : raster::MemoryPicture(kWidth, kHeight) {}
  raster::HDC dc() const { return hDC(); }

  // The pixel at (x, y) without its unused top byte.
  raster::COLORREF at(int x, int y) const { return pixels()[y * kWidth + x] & 0xFFFFFF; }

  // How many pixels have this colour.
  int count(raster::COLORREF colour) const {
    int n = 0;
    for (int i = 0; i < kWidth * kHeight; ++i)
      n += (pixels()[i] & 0xFFFFFF) == colour;
    return n;
  }

private:
  const std::uint32_t *pixels() const {
    return raster::BitmapPixels(raster::GetSelectedBitmap(hDC()), nullptr, nullptr);
  }
};

} // namespace view_test
