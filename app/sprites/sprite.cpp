#include "sprites/sprite.h"

Sprite::~Sprite() {
  for (Slot &slot : slots_)
    release(slot);
}

void Sprite::release(Slot &slot) {
  releaseMaskedImage(slot.image);
  if (slot.saveDc != 0)
    raster::DeleteDC(slot.saveDc);
  if (slot.saveBitmap != 0)
    raster::DeleteObject(slot.saveBitmap);
  slot = Slot{};
}

void Sprite::init(raster::PictureSurface &spritePic, const std::string &picName,
                  std::int16_t index) {
  checkSlot(index, "Sprite::init");
  if (index >= slotCount())
    slots_.resize(std::size_t(index) + 1);
  showPicture(spritePic, picName);
  Slot fresh;
  fresh.image = makeMaskedImage(spritePic, NOTSRCAND());
  fresh.saveDc = raster::CreateCompatibleDC(spritePic.hDC());
  fresh.saveBitmap =
      raster::CreateCompatibleBitmap(spritePic.hDC(), fresh.image.width, fresh.image.height);
  raster::SelectObject(fresh.saveDc, fresh.saveBitmap);
  release(slots_[std::size_t(index)]);
  slots_[std::size_t(index)] = fresh;
}

void Sprite::move_sprite(raster::HDC destHdc, float X, float Y, std::int32_t index) {
  erase_sprite(destHdc, index);
  place_sprite(destHdc, X, Y, index);
}

void Sprite::erase_sprite(raster::HDC destHdc, std::int32_t index) {
  checkSlot(index, "Sprite::erase_sprite");
  if (index >= slotCount())
    return;
  const Slot &slot = slots_[std::size_t(index)];
  raster::BitBlt(destHdc, slot.savedX, slot.savedY, slot.image.width, slot.image.height,
                 slot.saveDc, 0, 0, raster::SRCCOPY);
}

void Sprite::place_sprite(raster::HDC destHdc, float X, float Y, std::int32_t index) {
  checkSlot(index, "Sprite::place_sprite");
  if (index >= slotCount())
    return;
  Slot &slot = slots_[std::size_t(index)];
  const int w = slot.image.width, h = slot.image.height;
  // The corner is worked out in double precision and held in single precision,
  // like every screen measure of the program, before it is rounded.
  const float left = static_cast<float>(double(X) - w / 2.0);
  const float top = static_cast<float>(double(Y) - h / 2.0);
  slot.savedX = roundToPixel(left);
  slot.savedY = roundToPixel(top);
  raster::BitBlt(slot.saveDc, 0, 0, w, h, destHdc, slot.savedX, slot.savedY, raster::SRCCOPY);
  drawMaskedImage(slot.image, destHdc, slot.savedX, slot.savedY, SRCINVERT());
}
