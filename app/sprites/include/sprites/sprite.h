// A set of numbered image slots, each drawn centred on a point with pure
// black transparent, remembering what it covered so that it can be erased.
#pragma once

#include "raster/gdi.h"
#include "raster/picture_surface.h"
#include "sprites/masked_image.h"

#include <cstdint>
#include <string>
#include <vector>

class Sprite {
public:
  Sprite() = default;
  ~Sprite();
  Sprite(const Sprite &) = delete;
  Sprite &operator=(const Sprite &) = delete;

  // The raster operations that fill the hole (dest XOR source) and clear the
  // image's transparent pixels (dest AND NOT source).
  std::uint32_t SRCINVERT() const { return raster::SRCINVERT; }
  std::uint32_t NOTSRCAND() const { return raster::NOTSRCAND; }

  // Loads a bitmap file through the picture box into slot `index`, growing
  // the slot set as needed; a loaded slot is replaced. Leaves the picture box
  // visible. Throws raster::PictureError for a missing or unreadable file
  // (the slot keeps its previous contents) and std::out_of_range for a
  // negative slot.
  void init(raster::PictureSurface &spritePic, const std::string &picName, std::int16_t index);
  void move_sprite(raster::HDC destHdc, float X, float Y, std::int32_t index);
  // Puts back what the slot's last placement covered.
  void erase_sprite(raster::HDC destHdc, std::int32_t index);
  // Draws the slot centred on (X, Y), saving what it covers first. Leaves the
  // destination's text colour black and its background white.
  void place_sprite(raster::HDC destHdc, float X, float Y, std::int32_t index);

  int slotCount() const { return int(slots_.size()); }

private:
  struct Slot {
    MaskedImage image;
    raster::HDC saveDc = 0;
    raster::HBITMAP saveBitmap = 0;
    int savedX = 0;
    int savedY = 0;
  };
  static void release(Slot &slot);

  std::vector<Slot> slots_;
};
