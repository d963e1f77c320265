#include "ico_writer.h"

#include <cstdint>
#include <stdexcept>

namespace {

constexpr int kDirectoryBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kInfoHeaderBytes = 40;
constexpr int kMaxSize = 256;

void put16(QByteArray &out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xff));
  out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray &out, std::uint32_t v) {
  put16(out, static_cast<std::uint16_t>(v & 0xffff));
  put16(out, static_cast<std::uint16_t>(v >> 16));
}

int maskRowBytes(int width) { return (width + 31) / 32 * 4; }

// The bitmap of one icon image: an info header with doubled height (colour
// rows and mask rows), the colour rows bottom-up, then the mask rows
// bottom-up with a set bit for each fully transparent pixel.
QByteArray encodeBitmap(const QImage &source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width();
  const int h = image.height();
  const auto colourBytes = static_cast<std::uint32_t>(w * h * 4);
  const auto maskBytes = static_cast<std::uint32_t>(maskRowBytes(w) * h);
  QByteArray out;
  put32(out, kInfoHeaderBytes);
  put32(out, static_cast<std::uint32_t>(w));
  put32(out, static_cast<std::uint32_t>(h * 2));
  put16(out, 1);  // planes
  put16(out, 32); // bits per pixel
  put32(out, 0);  // no compression
  put32(out, colourBytes + maskBytes);
  for (int i = 0; i < 4; ++i)
    put32(out, 0); // resolution and palette fields, unused
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const QRgb p = image.pixel(x, y);
      out.append(static_cast<char>(qBlue(p)));
      out.append(static_cast<char>(qGreen(p)));
      out.append(static_cast<char>(qRed(p)));
      out.append(static_cast<char>(qAlpha(p)));
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(maskRowBytes(w), '\0');
    for (int x = 0; x < w; ++x) {
      if (qAlpha(image.pixel(x, y)) == 0)
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(row);
  }
  return out;
}

} // namespace

QByteArray encodeIco(const std::vector<QImage> &images) {
  if (images.empty() || images.size() > 0xffff)
    throw std::invalid_argument("an icon holds 1 to 65535 images");
  std::vector<QByteArray> bitmaps;
  for (const QImage &image : images) {
    if (image.width() < 1 || image.width() > kMaxSize || image.height() < 1 ||
        image.height() > kMaxSize)
      throw std::invalid_argument("icon images are 1 to 256 pixels wide and high");
    bitmaps.push_back(encodeBitmap(image));
  }
  QByteArray out;
  put16(out, 0); // reserved
  put16(out, 1); // resource type: icon
  put16(out, static_cast<std::uint16_t>(images.size()));
  auto offset = static_cast<std::uint32_t>(kDirectoryBytes + kEntryBytes * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    // A stored size of 0 means 256.
    out.append(static_cast<char>(images[i].width() % kMaxSize));
    out.append(static_cast<char>(images[i].height() % kMaxSize));
    out.append('\0'); // no palette
    out.append('\0'); // reserved
    put16(out, 1);    // planes
    put16(out, 32);   // bits per pixel
    put32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
    put32(out, offset);
    offset += static_cast<std::uint32_t>(bitmaps[i].size());
  }
  for (const QByteArray &bitmap : bitmaps)
    out.append(bitmap);
  return out;
}
