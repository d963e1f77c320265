#include "test_surface.h"

#include <algorithm>

namespace rastertest {

TestSurface::TestSurface(int width, int height, Kind kind)
    : dc_(raster::CreateCompatibleDC(0)),
      bitmap_(kind == Colour ? raster::CreateColorBitmap(width, height)
                             : raster::CreateCompatibleBitmap(dc_, width, height)),
      width_(width), height_(height) {
  raster::SelectObject(dc_, bitmap_);
}

TestSurface::~TestSurface() {
  raster::DeleteDC(dc_);
  raster::DeleteObject(bitmap_);
}

std::vector<std::uint32_t> TestSurface::pixels() const {
  const std::uint32_t *p = raster::BitmapPixels(bitmap_, nullptr, nullptr);
  return p ? std::vector<std::uint32_t>(p, p + width_ * height_) : std::vector<std::uint32_t>{};
}

std::uint32_t TestSurface::pixel(int x, int y) const {
  return raster::BitmapPixels(bitmap_, nullptr, nullptr)[y * width_ + x];
}

void TestSurface::setPixels(const std::vector<std::uint32_t> &pixels) {
  std::copy(pixels.begin(), pixels.end(), raster::BitmapPixels(bitmap_, nullptr, nullptr));
}

void TestSurface::fillPattern(std::uint32_t seed) {
  std::uint32_t *p = raster::BitmapPixels(bitmap_, nullptr, nullptr);
  std::uint32_t state = seed * 2654435761u + 12345u;
  for (int i = 0; i < width_ * height_; ++i) {
    state = state * 1664525u + 1013904223u;
    p[i] = (state >> 8) | 0x010101; // never pure black
  }
}

bool TestSurface::bit(int x, int y) const { return raster::MonoBit(bitmap_, x, y); }

void TestSurface::setBit(int x, int y, bool on) {
  raster::FillRect(dc_, x, y, 1, 1, on ? raster::RGB(255, 255, 255) : raster::RGB(0, 0, 0));
}

std::vector<bool> TestSurface::bits() const {
  std::vector<bool> out;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      out.push_back(bit(x, y));
  return out;
}

} // namespace rastertest
