// A picture surface held in memory: a colour bitmap selected in a context of
// its own. It stands in for an on-screen picture box where there is no
// screen: in the tests, the benchmarks and headless tools.
#pragma once

#include "raster/picture_surface.h"

namespace raster {

class MemoryPicture : public PictureSurface {
public:
  // An empty picture of the given size (black), in colour format.
  explicit MemoryPicture(int width = 1, int height = 1);
  ~MemoryPicture() override;
  MemoryPicture(const MemoryPicture &) = delete;
  MemoryPicture &operator=(const MemoryPicture &) = delete;

  // Reads a BMP file; on failure the previous picture stays.
  void loadPicture(const std::string &path) override;
  void setVisible(bool visible) override { visible_ = visible; }
  void refresh() override {} // nothing to repaint off screen
  HDC hDC() const override { return hdc_; }
  double scaleWidth() const override { return width_; }
  double scaleHeight() const override { return height_; }

  bool visible() const { return visible_; }

private:
  void replaceBitmap(HBITMAP bitmap, int width, int height);

  HDC hdc_ = 0;
  HBITMAP bitmap_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = false;
};

} // namespace raster
