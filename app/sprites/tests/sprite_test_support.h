// Shared set-up of the sprite tests: a temporary folder for bitmap files, a
// picture box in memory and a patterned destination surface.
#pragma once

#include "bmp_writer.h"
#include "raster/memory_picture.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

constexpr raster::COLORREF kRed = raster::RGB(255, 0, 0);
constexpr raster::COLORREF kGreen = raster::RGB(0, 255, 0);
constexpr raster::COLORREF kBlack = raster::RGB(0, 0, 0);

inline std::vector<std::uint32_t> solid(int w, int h, std::uint32_t colour) {
  return std::vector<std::uint32_t>(std::size_t(w) * h, colour);
}

class SpriteFixture : public ::testing::Test {
protected:
  SpriteFixture() { dest.fillPattern(3); }

  std::string bmp(const std::string &name, int w, int h, const std::vector<std::uint32_t> &pixels) {
    return dir.bmp(name, w, h, pixels);
  }
  // Top-left corner of the area that differs from `before` (-1, -1 if none).
  std::pair<int, int> changedCorner(const std::vector<std::uint32_t> &before) const {
    const auto after = dest.pixels();
    int left = -1, top = -1;
    for (int y = 0; y < dest.height(); ++y)
      for (int x = 0; x < dest.width(); ++x)
        if (after[y * dest.width() + x] != before[y * dest.width() + x]) {
          left = left < 0 ? x : std::min(left, x);
          top = top < 0 ? y : top;
        }
    return {left, top};
  }

  rastertest::TempDir dir;
  raster::MemoryPicture picture;
  rastertest::TestSurface dest{254, 193};
};
