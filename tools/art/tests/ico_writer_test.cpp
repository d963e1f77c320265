#include "ico_writer.h"
#include "pixel_checks.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::uint16_t read16(const QByteArray &bytes, int at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// A transparent square with one opaque red pixel and one half-transparent
// blue pixel, so both colour and alpha are checked after a round trip.
QImage probeImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  image.setPixel(3, 4, qRgba(255, 0, 0, 255));
  image.setPixel(size - 2, 1, qRgba(0, 0, 255, 128));
  return image;
}

} // namespace

TEST(IcoWriter, TwoSizesReadBackThroughQtsIconReader) {
  QByteArray bytes = encodeIco({probeImage(32), probeImage(16)});
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "ico");
  ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
  ASSERT_EQ(reader.imageCount(), 2);
  for (int size : {32, 16}) {
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(size, size)) << reader.errorString().toStdString();
    EXPECT_EQ(image.pixel(3, 4), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(image.pixel(size - 2, 1)), 128);
    EXPECT_EQ(qBlue(image.pixel(size - 2, 1)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0);
    reader.jumpToNextImage();
  }
}

TEST(IcoWriter, DirectoryPointsAtEachBitmapInTurn) {
  const QByteArray bytes = encodeIco({probeImage(32), probeImage(16)});
  EXPECT_EQ(read16(bytes, 0), 0);
  EXPECT_EQ(read16(bytes, 2), 1); // icon, not cursor
  EXPECT_EQ(read16(bytes, 4), 2);
  // 32-bit colour rows plus a 1-bit mask padded to 4 bytes a row, after a
  // 40-byte header.
  const std::uint32_t size32 = 40 + 32 * 32 * 4 + 4 * 32;
  const std::uint32_t size16 = 40 + 16 * 16 * 4 + 4 * 16;
  EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 32);
  EXPECT_EQ(read32(bytes, 6 + 8), size32);
  EXPECT_EQ(read32(bytes, 6 + 12), 6u + 2 * 16);
  EXPECT_EQ(static_cast<unsigned char>(bytes[22]), 16);
  EXPECT_EQ(read32(bytes, 22 + 8), size16);
  EXPECT_EQ(read32(bytes, 22 + 12), 6u + 2 * 16 + size32);
  EXPECT_EQ(static_cast<std::uint32_t>(bytes.size()), 6u + 2 * 16 + size32 + size16);
}

TEST(IcoWriter, MaskMarksExactlyTheTransparentPixels) {
  const QByteArray bytes = encodeIco({probeImage(16)});
  const int mask = 6 + 16 + 40 + 16 * 16 * 4;
  const int rowBytes = 4;
  // Rows are stored bottom-up: image row y is mask row 15 - y.
  const auto bit = [&](int x, int y) {
    return (static_cast<unsigned char>(bytes[mask + (15 - y) * rowBytes + x / 8]) >> (7 - x % 8)) &
           1;
  };
  EXPECT_EQ(bit(3, 4), 0);
  EXPECT_EQ(bit(14, 1), 0);
  EXPECT_EQ(bit(0, 0), 1);
  EXPECT_EQ(bit(15, 15), 1);
}

TEST(IcoWriter, RefusesSizesAnIconCannotHold) {
  EXPECT_THROW(encodeIco({}), std::invalid_argument);
  EXPECT_THROW(encodeIco({QImage(257, 257, QImage::Format_ARGB32)}), std::invalid_argument);
  const QByteArray big = encodeIco({QImage(256, 256, QImage::Format_ARGB32)});
  EXPECT_EQ(big[6], '\0'); // 256 is stored as 0
}
