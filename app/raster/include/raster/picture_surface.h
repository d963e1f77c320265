// What the sprites need of a picture box: load a picture file into it, show
// it, and read its device context and size in pixels.
#pragma once

#include "raster/gdi.h"

#include <stdexcept>
#include <string>

namespace raster {

// A picture file that is missing or cannot be decoded.
class PictureError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class PictureSurface {
public:
  virtual ~PictureSurface() = default;
  // Makes the file the surface's picture and sizes the surface to it; throws
  // PictureError naming the file when it is missing or unreadable.
  virtual void loadPicture(const std::string &path) = 0;
  virtual void setVisible(bool visible) = 0;
  virtual void refresh() = 0;
  virtual HDC hDC() const = 0;
  virtual double scaleWidth() const = 0;
  virtual double scaleHeight() const = 0;
};

} // namespace raster
