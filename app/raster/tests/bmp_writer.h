// Test support: small BMP files written on the fly into a temporary folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace rastertest {

enum class BmpFormat { Rgb24, Xrgb32, Palette8 };

// Pixels are 0x00RRGGBB, top row first. Palette8 needs at most 256 colours.
std::vector<std::uint8_t> encodeBmp(int width, int height, const std::vector<std::uint32_t> &pixels,
                                    BmpFormat format = BmpFormat::Rgb24, bool topDown = false);
void writeFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes);

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object ends.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  // Writes a BMP file of that name and returns its full path.
  std::string bmp(const std::string &name, int width, int height,
                  const std::vector<std::uint32_t> &pixels, BmpFormat format = BmpFormat::Rgb24);
  std::filesystem::path path(const std::string &name) const { return root_ / name; }

private:
  std::filesystem::path root_;
};

} // namespace rastertest
