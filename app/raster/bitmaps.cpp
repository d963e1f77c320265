// Colour and monochrome bitmaps: creation, release and pixel access.
#include "object_table.h"

#include <new>
#include <utility>

namespace raster {

using detail::Bitmap;

namespace {

// Larger requests fail like any other failed creation, with a zero handle.
constexpr long long kMaxPixels = 1LL << 26;

HBITMAP makeBitmap(int w, int h, bool mono) {
  if (w <= 0 || h <= 0 || w > kMaxBitmapSide || h > kMaxBitmapSide || (long long)w * h > kMaxPixels)
    return 0;
  Bitmap bitmap;
  bitmap.width = w;
  bitmap.height = h;
  bitmap.mono = mono;
  try {
    if (mono) {
      bitmap.monoStride = (w + 7) / 8;
      bitmap.bits.assign(std::size_t(bitmap.monoStride) * h, 0);
    } else {
      bitmap.colour.assign(std::size_t(w) * h, 0);
    }
  } catch (const std::bad_alloc &) {
    return 0;
  }
  return detail::addBitmap(std::move(bitmap));
}

} // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int w, int h) {
  if (hdc == 0)
    return makeBitmap(w, h, false);
  const detail::Context *context = detail::findContext(hdc);
  return context ? makeBitmap(w, h, detail::selectedBitmap(*context).mono) : 0;
}

HBITMAP CreateColorBitmap(int w, int h) { return makeBitmap(w, h, false); }

// A bitmap still selected somewhere is released too; its context falls back
// to the stock bitmap, so later drawing there stays harmless.
bool DeleteObject(HGDIOBJ obj) {
  const Bitmap *bitmap = detail::findBitmap(obj);
  if (!bitmap || obj == detail::stockBitmap())
    return false;
  if (detail::Context *context = detail::findContext(bitmap->selectedIn))
    context->selected = detail::stockBitmap();
  detail::releaseHandle(obj);
  return true;
}

std::uint32_t *BitmapPixels(HBITMAP bitmap, int *width, int *height) {
  Bitmap *found = detail::findBitmap(bitmap);
  const bool colour = found && !found->mono;
  if (width)
    *width = colour ? found->width : 0;
  if (height)
    *height = colour ? found->height : 0;
  return colour ? found->colour.data() : nullptr;
}

bool MonoBit(HBITMAP bitmap, int x, int y) {
  const Bitmap *found = detail::findBitmap(bitmap);
  if (!found || !found->mono || x < 0 || y < 0 || x >= found->width || y >= found->height)
    return false;
  return found->bit(x, y);
}

} // namespace raster
