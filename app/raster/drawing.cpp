// Lines and filled rectangles drawn straight into a context's bitmap.
#include "object_table.h"

#include <algorithm>
#include <cstdlib>

namespace raster {

using detail::Bitmap;

namespace {

// On a monochrome bitmap a colour draws whichever of black (0) and white (1)
// lies nearer to it.
bool monoBitOf(COLORREF colour) {
  const int sum = int((colour >> 16) & 0xFF) + int((colour >> 8) & 0xFF) + int(colour & 0xFF);
  return sum >= 383;
}

void plot(Bitmap &bitmap, long long x, long long y, COLORREF colour) {
  if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height)
    return;
  if (bitmap.mono)
    bitmap.setBit(int(x), int(y), monoBitOf(colour));
  else
    bitmap.colour[std::size_t(y) * bitmap.width + std::size_t(x)] = colour & detail::kColourBits;
}

Bitmap *targetOf(HDC hdc) {
  const detail::Context *context = detail::findContext(hdc);
  return context ? &detail::selectedBitmap(*context) : nullptr;
}

} // namespace

// Bresenham's line: exactly one pixel per step along the longer axis.
void DrawLine(HDC hdc, int x0, int y0, int x1, int y1, COLORREF colour) {
  Bitmap *bitmap = targetOf(hdc);
  if (!bitmap)
    return;
  long long x = x0, y = y0;
  const long long dx = std::llabs((long long)x1 - x0), dy = -std::llabs((long long)y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
  long long error = dx + dy;
  for (;;) {
    plot(*bitmap, x, y, colour);
    if (x == x1 && y == y1)
      return;
    const long long twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void FillRect(HDC hdc, int x, int y, int w, int h, COLORREF colour) {
  Bitmap *bitmap = targetOf(hdc);
  if (!bitmap)
    return;
  const long long left = std::max(0LL, (long long)x), top = std::max(0LL, (long long)y);
  const long long right = std::min((long long)bitmap->width, (long long)x + w);
  const long long bottom = std::min((long long)bitmap->height, (long long)y + h);
  for (long long row = top; row < bottom; ++row) {
    if (bitmap->mono) {
      for (long long column = left; column < right; ++column)
        plot(*bitmap, column, row, colour);
    } else if (right > left) {
      std::fill_n(bitmap->colour.begin() + row * bitmap->width + left, right - left,
                  colour & detail::kColourBits);
    }
  }
}

} // namespace raster
