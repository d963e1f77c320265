// Image slots for the atoms: drawn by their top-left corner with pure black
// transparent, onto a frame that is rebuilt every time, so nothing under an
// image is kept.
#pragma once

#include "raster/gdi.h"
#include "raster/picture_surface.h"
#include "sprites/masked_image.h"

#include <cstdint>
#include <string>
#include <vector>

class AtomSprite {
public:
  AtomSprite() = default;
  ~AtomSprite();
  AtomSprite(const AtomSprite &) = delete;
  AtomSprite &operator=(const AtomSprite &) = delete;

  std::uint32_t SRCINVERTAS() const { return raster::SRCINVERT; }
  std::uint32_t NOTSRCANDAS() const { return raster::NOTSRCAND; }

  // As Sprite::init, without the saved background.
  void initAs(raster::PictureSurface &spritePic, const std::string &picName, std::int16_t index);
  // Draws the slot with its top-left pixel at (X, Y) rounded; a slot beyond
  // the loaded ones draws nothing. Leaves the destination's text colour black
  // and its background white.
  void place_Atomsprite(raster::HDC destHdc, float X, float Y, std::int32_t index);

  int slotCount() const { return int(slots_.size()); }

private:
  std::vector<MaskedImage> slots_;
};
