// A picture prepared for transparent drawing: a monochrome mask, 1 where the
// picture is pure black, and a colour image whose pure black pixels are all
// zero bits. Drawing cuts a hole with the mask (AND) and fills it with the
// image (XOR), so black pixels leave the destination as it was.
#pragma once

#include "raster/gdi.h"
#include "raster/picture_surface.h"

#include <cstdint>
#include <string>

struct MaskedImage {
  raster::HDC maskDc = 0;
  raster::HBITMAP maskBitmap = 0;
  raster::HDC imageDc = 0;
  raster::HBITMAP imageBitmap = 0;
  int width = 0;
  int height = 0;
};

// Loads the file into the picture box, shows and refreshes it (throws the
// box's PictureError when the file is missing or unreadable).
void showPicture(raster::PictureSurface &picture, const std::string &path);

// Builds mask and image from what the picture box shows. `notSrcAnd` is the
// raster operation that clears the image where the mask is set. Leaves the
// box's context with a black background and white text.
MaskedImage makeMaskedImage(raster::PictureSurface &picture, std::uint32_t notSrcAnd);

// Draws at (left, top): the destination's text colour becomes black and its
// background white first, so the mask arrives as black (opaque) and white
// (transparent). `srcInvert` is the raster operation that fills the hole.
void drawMaskedImage(const MaskedImage &image, raster::HDC dest, int left, int top,
                     std::uint32_t srcInvert);

// Releases every handle that is not zero and zeroes the record.
void releaseMaskedImage(MaskedImage &image);

// Rounds to the nearest pixel, halves to even. Positions beyond the reach of
// any surface (and NaN) become a far-off position where nothing is drawn.
int roundToPixel(double value);

// Throws std::out_of_range for a negative slot number.
void checkSlot(long index, const char *operation);
