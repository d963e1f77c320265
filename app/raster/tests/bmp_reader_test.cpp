#include "bmp_writer.h"
#include "raster/bmp_reader.h"
#include "raster/memory_picture.h"

#include <gtest/gtest.h>

#include <string>

using namespace raster;
using rastertest::BmpFormat;
using rastertest::TempDir;

namespace {

// 3 x 2: odd width, so 24-bit rows carry padding.
const std::vector<std::uint32_t> kPixels{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                                         RGB(0, 0, 0),   RGB(0, 0, 1),   RGB(255, 255, 255)};

std::string errorOf(const std::string &path) {
  try {
    readBmp(path);
  } catch (const PictureError &e) {
    return e.what();
  }
  return "no error";
}

} // namespace

TEST(BmpReader, ReadsEachStoredFormatAndRowOrder) {
  TempDir dir;
  for (BmpFormat format : {BmpFormat::Rgb24, BmpFormat::Xrgb32, BmpFormat::Palette8})
    for (bool topDown : {false, true}) {
      rastertest::writeFile(dir.path("p.bmp"),
                            rastertest::encodeBmp(3, 2, kPixels, format, topDown));
      const BmpImage image = readBmp(dir.path("p.bmp").string());
      EXPECT_EQ(image.width, 3);
      EXPECT_EQ(image.height, 2);
      EXPECT_EQ(image.pixels, kPixels) << int(format) << (topDown ? " top-down" : " bottom-up");
    }
}

TEST(BmpReader, ReadsAHandMadeOneBitPicture) {
  // 2 x 2, 1 bit per pixel, colour table {blue, yellow}; bottom row first.
  std::vector<std::uint8_t> b{'B', 'M', 70, 0, 0, 0,   0,   0, 0,    0, 62, 0, 0,    0, 40, 0, 0, 0,
                              2,   0,   0,  0, 2, 0,   0,   0, 1,    0, 1,  0, 0,    0, 0,  0, 8, 0,
                              0,   0,   0,  0, 0, 0,   0,   0, 0,    0, 2,  0, 0,    0, 0,  0, 0, 0,
                              255, 0,   0,  0, 0, 255, 255, 0, 0x40, 0, 0,  0, 0x80, 0, 0,  0};
  TempDir dir;
  rastertest::writeFile(dir.path("one.bmp"), b);
  const BmpImage image = readBmp(dir.path("one.bmp").string());
  EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{RGB(255, 255, 0), RGB(0, 0, 255),
                                                      RGB(0, 0, 255), RGB(255, 255, 0)}));
}

TEST(BmpReader, FaultsNameTheFileAndTheReason) {
  TempDir dir;
  const std::string missing = dir.path("atom9.bmp").string();
  EXPECT_EQ(errorOf(missing), missing + ": file not found");

  auto bytes = rastertest::encodeBmp(3, 2, kPixels);
  const auto withBytes = [&](const std::string &name, std::vector<std::uint8_t> b) {
    rastertest::writeFile(dir.path(name), b);
    return errorOf(dir.path(name).string());
  };
  EXPECT_NE(withBytes("cut.bmp", {bytes.begin(), bytes.end() - 3}).find("cut.bmp: pixel data"),
            std::string::npos);
  EXPECT_NE(
      withBytes("short.bmp", {bytes.begin(), bytes.begin() + 20}).find("short.bmp: file ends"),
      std::string::npos);
  auto text = bytes;
  text[0] = 'P';
  EXPECT_NE(withBytes("text.bmp", text).find("not a BMP file"), std::string::npos);
  auto rle = bytes;
  rle[30] = 1;
  EXPECT_NE(withBytes("rle.bmp", rle).find("compressed"), std::string::npos);
  auto sixteen = bytes;
  sixteen[28] = 16;
  EXPECT_NE(withBytes("16.bmp", sixteen).find("16 bits per pixel"), std::string::npos);
  auto wide = bytes;
  wide[21] = 0x80; // width negative
  EXPECT_NE(withBytes("wide.bmp", wide).find("unusable size"), std::string::npos);
  EXPECT_NE(errorOf(dir.path("").string()).find("cannot be read"), std::string::npos);
}

TEST(MemoryPicture, LoadsIntoAColourBitmapSizedToThePicture) {
  TempDir dir;
  MemoryPicture picture;
  picture.loadPicture(dir.bmp("p.bmp", 3, 2, kPixels));
  EXPECT_EQ(picture.scaleWidth(), 3);
  EXPECT_EQ(picture.scaleHeight(), 2);
  int w = 0, h = 0;
  const std::uint32_t *p = BitmapPixels(GetSelectedBitmap(picture.hDC()), &w, &h);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(std::vector<std::uint32_t>(p, p + w * h), kPixels);
  const HBITMAP compatible = CreateCompatibleBitmap(picture.hDC(), 1, 1);
  EXPECT_NE(BitmapPixels(compatible, nullptr, nullptr), nullptr); // colour, like the picture
  DeleteObject(compatible);
}

TEST(MemoryPicture, AFailedLoadKeepsThePreviousPictureAndNothingLeaks) {
  const int live = LiveHandleCount();
  {
    TempDir dir;
    MemoryPicture picture(5, 5);
    picture.loadPicture(dir.bmp("p.bmp", 3, 2, kPixels));
    picture.loadPicture(dir.bmp("q.bmp", 3, 2, kPixels));
    EXPECT_THROW(picture.loadPicture(dir.path("none.bmp").string()), PictureError);
    EXPECT_EQ(picture.scaleWidth(), 3);
    EXPECT_EQ(BitmapPixels(GetSelectedBitmap(picture.hDC()), nullptr, nullptr)[4], RGB(0, 0, 1));
    EXPECT_EQ(LiveHandleCount(), live + 2);
  }
  EXPECT_EQ(LiveHandleCount(), live);
}
