#include "raster/bmp_reader.h"

#include "raster/picture_surface.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace raster {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12; // the oldest header: 16-bit sizes, 3-byte colours
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kColourMasksOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr long kMaxFileSize = 1L << 28;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

using Bytes = std::vector<std::uint8_t>;

struct Failure {
  std::string reason;
};

std::uint32_t u16(const Bytes &b, std::size_t at) {
  return b[at] | (std::uint32_t(b[at + 1]) << 8);
}

std::uint32_t u32(const Bytes &b, std::size_t at) { return u16(b, at) | (u16(b, at + 2) << 16); }

std::uint32_t rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
}

struct Layout {
  long long width = 0;
  long long height = 0; // positive; rows stored top first when topDown
  bool topDown = false;
  unsigned bitsPerPixel = 0;
  std::array<std::uint32_t, 256> palette{}; // unused entries are black
  std::size_t pixelOffset = 0;
};

void need(const Bytes &b, std::size_t size, const char *what) {
  if (b.size() < size)
    throw Failure{std::string("file ends inside the ") + what};
}

void readPalette(const Bytes &b, std::size_t at, std::size_t count, std::size_t entrySize,
                 Layout &layout) {
  if (count > (std::size_t{1} << layout.bitsPerPixel))
    throw Failure{"colour table has " + std::to_string(count) + " entries, more than " +
                  std::to_string(1u << layout.bitsPerPixel) + " bits per pixel allow"};
  need(b, at + count * entrySize, "colour table");
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t e = at + i * entrySize;
    layout.palette[i] = rgb(b[e + 2], b[e + 1], b[e]);
  }
}

void checkCompression(const Bytes &b, std::uint32_t compression, unsigned bitsPerPixel) {
  if (compression == kUncompressed)
    return;
  if (compression != kBitFields || bitsPerPixel != 32)
    throw Failure{"compressed pictures (method " + std::to_string(compression) +
                  ") are not supported"};
  need(b, kColourMasksOffset + 12, "colour masks");
  if (u32(b, kColourMasksOffset) != 0xFF0000 || u32(b, kColourMasksOffset + 4) != 0xFF00 ||
      u32(b, kColourMasksOffset + 8) != 0xFF)
    throw Failure{"32-bit colour masks other than 8 bits each of red, green, blue"};
}

Layout readHeaders(const Bytes &b) {
  need(b, kFileHeaderSize + 4, "file header");
  if (b[0] != 'B' || b[1] != 'M')
    throw Failure{"not a BMP file"};
  const std::size_t headerSize = u32(b, kFileHeaderSize);
  if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize)
    throw Failure{"unknown picture header of " + std::to_string(headerSize) + " bytes"};
  need(b, kFileHeaderSize + headerSize, "picture header");
  Layout layout;
  layout.pixelOffset = u32(b, 10);
  const bool core = headerSize == kCoreHeaderSize;
  layout.width = core ? (long long)u16(b, 18) : (long long)std::int32_t(u32(b, 18));
  const long long height = core ? (long long)u16(b, 20) : (long long)std::int32_t(u32(b, 22));
  layout.topDown = height < 0;
  layout.height = height < 0 ? -height : height;
  layout.bitsPerPixel = core ? u16(b, 24) : u16(b, 28);
  if (layout.width <= 0 || layout.height <= 0 || layout.width > kMaxBitmapSide ||
      layout.height > kMaxBitmapSide)
    throw Failure{"unusable size " + std::to_string(layout.width) + " x " + std::to_string(height)};
  const unsigned bpp = layout.bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
    throw Failure{"unsupported " + std::to_string(bpp) + " bits per pixel"};
  if (!core)
    checkCompression(b, u32(b, 30), bpp);
  if (bpp <= 8) {
    const std::size_t used = core ? 0 : u32(b, 46);
    readPalette(b, kFileHeaderSize + headerSize, used ? used : std::size_t{1} << bpp, core ? 3 : 4,
                layout);
  }
  return layout;
}

std::uint32_t pixelAt(const std::uint8_t *row, long long x, const Layout &layout) {
  switch (layout.bitsPerPixel) {
  case 24:
    return rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
  case 32:
    return rgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
  default: {
    const unsigned bpp = layout.bitsPerPixel;
    const long long bit = x * bpp;
    const unsigned shift = 8 - bpp - unsigned(bit % 8);
    return layout.palette[(row[bit / 8] >> shift) & ((1u << bpp) - 1)];
  }
  }
}

BmpImage decode(const Bytes &b) {
  const Layout layout = readHeaders(b);
  const std::size_t stride = std::size_t((layout.width * layout.bitsPerPixel + 31) / 32 * 4);
  if (layout.pixelOffset > b.size() ||
      (b.size() - layout.pixelOffset) / stride < std::size_t(layout.height))
    throw Failure{"pixel data is missing or cut short"};
  BmpImage image;
  image.width = int(layout.width);
  image.height = int(layout.height);
  image.pixels.resize(std::size_t(layout.width * layout.height));
  for (long long y = 0; y < layout.height; ++y) {
    const long long stored = layout.topDown ? y : layout.height - 1 - y;
    const std::uint8_t *row = b.data() + layout.pixelOffset + std::size_t(stored) * stride;
    for (long long x = 0; x < layout.width; ++x)
      image.pixels[std::size_t(y * layout.width + x)] = pixelAt(row, x, layout);
  }
  return image;
}

Bytes readFile(const std::string &path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path.c_str(), "rb"),
                                                              std::fclose);
  if (!file)
    throw Failure{errno == ENOENT ? std::string("file not found")
                                  : std::string("cannot be opened: ") + std::strerror(errno)};
  Bytes bytes;
  std::uint8_t chunk[16384];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > std::size_t(kMaxFileSize))
      throw Failure{"file too large for a picture"};
  }
  if (std::ferror(file.get()))
    throw Failure{std::string("cannot be read: ") + std::strerror(errno)};
  return bytes;
}

} // namespace

BmpImage readBmp(const std::string &path) {
  try {
    return decode(readFile(path));
  } catch (const Failure &failure) {
    throw PictureError(path + ": " + failure.reason);
  }
}

} // namespace raster
