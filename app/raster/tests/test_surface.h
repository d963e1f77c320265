// Test support: a memory context with a bitmap of its own, released at the end.
#pragma once

#include "raster/gdi.h"

#include <cstdint>
#include <vector>

namespace rastertest {

class TestSurface {
public:
  enum Kind { Colour, Mono };
  TestSurface(int width, int height, Kind kind = Colour);
  ~TestSurface();
  TestSurface(const TestSurface &) = delete;
  TestSurface &operator=(const TestSurface &) = delete;

  raster::HDC dc() const { return dc_; }
  raster::HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Colour surfaces: the pixels, row after row.
  std::vector<std::uint32_t> pixels() const;
  std::uint32_t pixel(int x, int y) const;
  void setPixels(const std::vector<std::uint32_t> &pixels);
  // Fills with a pattern in which neighbouring pixels differ.
  void fillPattern(std::uint32_t seed = 1);
  // Monochrome surfaces: one bit, or every bit row after row.
  bool bit(int x, int y) const;
  void setBit(int x, int y, bool on);
  std::vector<bool> bits() const;

private:
  raster::HDC dc_;
  raster::HBITMAP bitmap_;
  int width_;
  int height_;
};

} // namespace rastertest
