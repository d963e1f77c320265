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

// One axis of a line: where it starts and ends, and the bitmap's extent along it.
struct Axis {
  long long from, to, size;

  int direction() const { return to < from ? -1 : 1; }
  long long length() const { return std::llabs(to - from); }
  long long at(long long steps) const { return from + direction() * steps; }
  // How many steps from `from` the first and the last position on the bitmap lie.
  long long firstInside() const { return direction() > 0 ? -from : from - (size - 1); }
  long long lastInside() const { return direction() > 0 ? size - 1 - from : from; }
};

// The smallest k in [low, high) with offset(k) >= target, else high; offset never decreases.
template <class Offset>
long long firstReaching(const Offset &offset, long long target, long long low, long long high) {
  while (low < high) {
    const long long middle = low + (high - low) / 2;
    if (offset(middle) >= target)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

} // namespace

// One pixel per step along the longer axis; the other coordinate is the exact
// one rounded to the nearest pixel, halves away from the start. Only the steps
// that land on the bitmap are walked, so a line's cost is bounded by the
// bitmap's size whatever its end points.
void DrawLine(HDC hdc, int x0, int y0, int x1, int y1, COLORREF colour) {
  Bitmap *bitmap = targetOf(hdc);
  if (!bitmap)
    return;
  const bool xMajor = std::llabs((long long)x1 - x0) >= std::llabs((long long)y1 - y0);
  const Axis horizontal{x0, x1, bitmap->width}, vertical{y0, y1, bitmap->height};
  const Axis &major = xMajor ? horizontal : vertical;
  const Axis &minor = xMajor ? vertical : horizontal;
  const long long steps = major.length(), rise = minor.length();
  const auto offset = [&](long long k) {
    return steps == 0 ? 0LL : (long long)((__int128{2} * k * rise + steps) / (2 * steps));
  };
  long long first = std::max(0LL, major.firstInside());
  long long last = std::min(steps, major.lastInside());
  if (first > last)
    return;
  const long long end = last + 1;
  first = firstReaching(offset, minor.firstInside(), first, end);
  last = firstReaching(offset, minor.lastInside() + 1, first, end) - 1;
  for (long long k = first; k <= last; ++k) {
    const long long a = major.at(k), b = minor.at(offset(k));
    plot(*bitmap, xMajor ? a : b, xMajor ? b : a, colour);
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
