// Reading uncompressed BMP files: 1, 4 and 8 bits per pixel with a colour
// table, 24-bit, and 32-bit (plain or with the standard colour masks).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace raster {

struct BmpImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels; // 0x00RRGGBB, top row first
};

// Throws PictureError naming the file and what is wrong with it.
BmpImage readBmp(const std::string &path);

} // namespace raster
