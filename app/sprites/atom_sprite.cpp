#include "sprites/atom_sprite.h"

AtomSprite::~AtomSprite() {
  for (MaskedImage &slot : slots_)
    releaseMaskedImage(slot);
}

void AtomSprite::initAs(raster::PictureSurface &spritePic, const std::string &picName,
                        std::int16_t index) {
  checkSlot(index, "AtomSprite::initAs");
  if (index >= slotCount())
    slots_.resize(std::size_t(index) + 1);
  showPicture(spritePic, picName);
  MaskedImage fresh = makeMaskedImage(spritePic, NOTSRCANDAS());
  releaseMaskedImage(slots_[std::size_t(index)]);
  slots_[std::size_t(index)] = fresh;
}

void AtomSprite::place_Atomsprite(raster::HDC destHdc, float X, float Y, std::int32_t index) {
  checkSlot(index, "AtomSprite::place_Atomsprite");
  if (index >= slotCount())
    return;
  drawMaskedImage(slots_[std::size_t(index)], destHdc, roundToPixel(X), roundToPixel(Y),
                  SRCINVERTAS());
}
