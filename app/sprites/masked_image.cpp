#include "sprites/masked_image.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr raster::COLORREF kBlack = raster::RGB(0, 0, 0);
constexpr raster::COLORREF kWhite = raster::RGB(255, 255, 255);
// Far beyond any bitmap the drawing layer can make, yet safe to add a sprite's size to.
constexpr double kFarOff = 1 << 30;

} // namespace

void showPicture(raster::PictureSurface &picture, const std::string &path) {
  picture.loadPicture(path);
  picture.setVisible(true);
  picture.refresh();
}

MaskedImage makeMaskedImage(raster::PictureSurface &picture, std::uint32_t notSrcAnd) {
  const raster::HDC src = picture.hDC();
  MaskedImage image;
  image.width = roundToPixel(picture.scaleWidth());
  image.height = roundToPixel(picture.scaleHeight());
  image.maskDc = raster::CreateCompatibleDC(src);
  image.maskBitmap = raster::CreateCompatibleBitmap(image.maskDc, image.width, image.height);
  raster::SelectObject(image.maskDc, image.maskBitmap);
  image.imageDc = raster::CreateCompatibleDC(src);
  image.imageBitmap = raster::CreateCompatibleBitmap(src, image.width, image.height);
  raster::SelectObject(image.imageDc, image.imageBitmap);

  // Black source pixels match the background and become the mask's 1 bits.
  raster::SetBkColor(src, kBlack);
  raster::SetTextColor(src, kWhite);
  raster::BitBlt(image.maskDc, 0, 0, image.width, image.height, src, 0, 0, raster::SRCCOPY);
  raster::BitBlt(image.imageDc, 0, 0, image.width, image.height, src, 0, 0, raster::SRCCOPY);
  // The mask's 1 bits arrive as the image context's white background: AND NOT
  // white clears those pixels; the 0 bits arrive as black and keep the rest.
  raster::BitBlt(image.imageDc, 0, 0, image.width, image.height, image.maskDc, 0, 0, notSrcAnd);
  return image;
}

void drawMaskedImage(const MaskedImage &image, raster::HDC dest, int left, int top,
                     std::uint32_t srcInvert) {
  raster::SetTextColor(dest, kBlack);
  raster::SetBkColor(dest, kWhite);
  raster::BitBlt(dest, left, top, image.width, image.height, image.maskDc, 0, 0, raster::SRCAND);
  raster::BitBlt(dest, left, top, image.width, image.height, image.imageDc, 0, 0, srcInvert);
}

void releaseMaskedImage(MaskedImage &image) {
  for (raster::HDC dc : {image.maskDc, image.imageDc})
    if (dc != 0)
      raster::DeleteDC(dc);
  for (raster::HBITMAP bitmap : {image.maskBitmap, image.imageBitmap})
    if (bitmap != 0)
      raster::DeleteObject(bitmap);
  image = MaskedImage{};
}

int roundToPixel(double value) {
  const double rounded = std::nearbyint(value);
  if (rounded >= -kFarOff && rounded <= kFarOff)
    return static_cast<int>(rounded);
  return static_cast<int>(kFarOff);
}

void checkSlot(long index, const char *operation) {
  if (index < 0)
    throw std::out_of_range(std::string(operation) + ": image slot " + std::to_string(index) +
                            " is below 0");
}
