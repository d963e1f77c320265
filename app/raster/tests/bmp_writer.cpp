#include "bmp_writer.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <stdlib.h>

namespace rastertest {
namespace {

void put16(std::vector<std::uint8_t> &out, std::uint32_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

std::vector<std::uint32_t> paletteOf(const std::vector<std::uint32_t> &pixels) {
  std::vector<std::uint32_t> palette;
  for (std::uint32_t p : pixels)
    if (std::find(palette.begin(), palette.end(), p) == palette.end())
      palette.push_back(p);
  if (palette.size() > 256)
    throw std::invalid_argument("more than 256 colours for a palettised BMP");
  return palette;
}

void putPixel(std::vector<std::uint8_t> &out, std::uint32_t p, BmpFormat format,
              const std::vector<std::uint32_t> &palette) {
  if (format == BmpFormat::Palette8) {
    out.push_back(std::uint8_t(std::find(palette.begin(), palette.end(), p) - palette.begin()));
    return;
  }
  out.push_back(std::uint8_t(p));
  out.push_back(std::uint8_t(p >> 8));
  out.push_back(std::uint8_t(p >> 16));
  if (format == BmpFormat::Xrgb32)
    out.push_back(0xFF); // an alpha byte the reader must ignore
}

} // namespace

std::vector<std::uint8_t> encodeBmp(int width, int height, const std::vector<std::uint32_t> &pixels,
                                    BmpFormat format, bool topDown) {
  const std::vector<std::uint32_t> palette =
      format == BmpFormat::Palette8 ? paletteOf(pixels) : std::vector<std::uint32_t>{};
  const int bits = format == BmpFormat::Palette8 ? 8 : format == BmpFormat::Rgb24 ? 24 : 32;
  const std::uint32_t stride = (width * bits + 31) / 32 * 4;
  const std::uint32_t offset = 14 + 40 + 4 * std::uint32_t(palette.size());
  std::vector<std::uint8_t> out{'B', 'M'};
  put32(out, offset + stride * height);
  put32(out, 0);
  put32(out, offset);
  put32(out, 40);
  put32(out, std::uint32_t(width));
  put32(out, std::uint32_t(topDown ? -height : height));
  put16(out, 1);
  put16(out, std::uint32_t(bits));
  put32(out, 0); // uncompressed
  put32(out, stride * height);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, std::uint32_t(palette.size()));
  put32(out, 0);
  for (std::uint32_t colour : palette)
    put32(out, colour);
  for (int r = 0; r < height; ++r) {
    const int y = topDown ? r : height - 1 - r;
    const std::size_t start = out.size();
    for (int x = 0; x < width; ++x)
      putPixel(out, pixels[std::size_t(y) * width + x], format, palette);
    out.resize(start + stride, 0);
  }
  return out;
}

void writeFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
  if (!file)
    throw std::runtime_error("cannot write " + path.string());
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvanta-test-XXXXXX").string();
  if (!mkdtemp(pattern.data()))
    throw std::runtime_error("cannot make a temporary folder");
  root_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempDir::bmp(const std::string &name, int width, int height,
                         const std::vector<std::uint32_t> &pixels, BmpFormat format) {
  writeFile(path(name), encodeBmp(width, height, pixels, format));
  return path(name).string();
}

} // namespace rastertest
