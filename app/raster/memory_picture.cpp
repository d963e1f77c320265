#include "raster/memory_picture.h"

#include "raster/bmp_reader.h"

#include <algorithm>

namespace raster {

MemoryPicture::MemoryPicture(int width, int height) : hdc_(CreateCompatibleDC(0)) {
  replaceBitmap(CreateColorBitmap(width, height), width, height);
}

MemoryPicture::~MemoryPicture() {
  DeleteDC(hdc_);
  DeleteObject(bitmap_);
}

void MemoryPicture::loadPicture(const std::string &path) {
  const BmpImage image = readBmp(path);
  const HBITMAP bitmap = CreateColorBitmap(image.width, image.height);
  std::uint32_t *pixels = BitmapPixels(bitmap, nullptr, nullptr);
  if (!pixels)
    throw PictureError(path + ": no memory for a picture of " + std::to_string(image.width) +
                       " x " + std::to_string(image.height));
  std::copy(image.pixels.begin(), image.pixels.end(), pixels);
  replaceBitmap(bitmap, image.width, image.height);
}

void MemoryPicture::replaceBitmap(HBITMAP bitmap, int width, int height) {
  if (!bitmap)
    return;
  SelectObject(hdc_, bitmap);
  DeleteObject(bitmap_);
  bitmap_ = bitmap;
  width_ = width;
  height_ = height;
}

} // namespace raster
