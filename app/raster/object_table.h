// The objects behind the drawing layer's handles, and the one table that
// maps handles to them.
#pragma once

#include "raster/gdi.h"

#include <cstdint>
#include <vector>

namespace raster::detail {

constexpr COLORREF kColourBits = 0x00FFFFFF; // the part of a pixel that holds its colour
constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kBlack = 0x00000000;

struct Bitmap {
  int width = 0;
  int height = 0;
  bool mono = false;
  int monoStride = 0;                // bytes per monochrome row
  std::vector<std::uint32_t> colour; // colour pixels, row after row
  std::vector<std::uint8_t> bits;    // monochrome rows, leftmost pixel in the top bit of a byte
  HDC selectedIn = 0;                // the context this bitmap is selected into, 0 if none

  bool bit(int x, int y) const {
    return (bits[std::size_t(y) * monoStride + (x >> 3)] >> (7 - (x & 7))) & 1u;
  }
  void setBit(int x, int y, bool on) {
    std::uint8_t &byte = bits[std::size_t(y) * monoStride + (x >> 3)];
    const auto mask = std::uint8_t(0x80u >> (x & 7));
    byte = on ? std::uint8_t(byte | mask) : std::uint8_t(byte & ~mask);
  }
};

struct Context {
  HBITMAP selected = 0;
  COLORREF background = kWhite;
  COLORREF text = kBlack;
};

// The 1 x 1 monochrome bitmap every new context starts with. It is never
// released and may be selected into any number of contexts at once.
HBITMAP stockBitmap();

Context *findContext(HDC hdc);
Bitmap *findBitmap(HBITMAP bitmap);
// The bitmap selected in a context (the stock bitmap when none of ours is).
Bitmap &selectedBitmap(const Context &context);

// Stores a new object and returns its handle; 0 when the table is full.
HDC addContext(Context context);
HBITMAP addBitmap(Bitmap bitmap);
// Frees the object behind a live handle; its handle is never valid again.
void releaseHandle(std::int32_t handle);
int liveObjects();

} // namespace raster::detail
