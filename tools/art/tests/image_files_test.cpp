#include "art_catalog.h"
#include "image_files.h"
#include "pixel_checks.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

QByteArray readAll(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ImageFiles, BitmapsAreUncompressed24BitWithPaddedRows) {
  QTemporaryDir dir;
  QImage image(5, 3, QImage::Format_ARGB32);
  image.fill(qRgb(10, 20, 30));
  image.setPixel(4, 2, qRgb(200, 100, 1));
  QString error;
  ASSERT_TRUE(writeArtPiece({"bitmaps/probe.bmp", ArtPiece::Kind::Bitmap24, {image}},
                            QDir(dir.path()), &error))
      << error.toStdString();
  const QByteArray bytes = readAll(dir.filePath("bitmaps/probe.bmp"));
  ASSERT_GE(bytes.size(), 54);
  EXPECT_EQ(bytes.left(2), "BM");
  EXPECT_EQ(read32(bytes, 2), 54u + 16 * 3); // 5 pixels of 3 bytes padded to 16 a row
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
  EXPECT_EQ(read32(bytes, 30), 0u); // no compression
  const QImage back(dir.filePath("bitmaps/probe.bmp"));
  EXPECT_EQ(back.pixel(4, 2), qRgb(200, 100, 1));
  EXPECT_EQ(back.pixel(0, 0), qRgb(10, 20, 30));
}

TEST(ImageFiles, FailureNamesTheFile) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath("images"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should go
  blocker.close();
  QString error;
  EXPECT_FALSE(
      writeArtPiece({"images/logo.png", ArtPiece::Kind::Png, {QImage(4, 4, QImage::Format_ARGB32)}},
                    QDir(dir.path()), &error));
  EXPECT_TRUE(error.contains("images/logo.png")) << error.toStdString();
}

TEST(ArtCatalog, WritesEveryFileTheProgramLoads) {
  const std::set<QString> expected{
      "images/landscape.bmp",   "images/app.ico",      "images/summer.ico",
      "images/winter.ico",      "images/hotspot.ico",  "images/logo.png",
      "bitmaps/eye.ico",        "bitmaps/sun-red.bmp", "bitmaps/sun-orange.bmp",
      "bitmaps/sun-yellow.bmp", "bitmaps/atom1.bmp",   "bitmaps/atom2.bmp",
      "bitmaps/atom3.bmp",      "bitmaps/atom4.bmp",   "bitmaps/atom5.bmp",
      "bitmaps/atom6.bmp"};
  const std::vector<ArtPiece> art = drawAllArt();
  std::set<QString> paths;
  QTemporaryDir dir;
  for (const ArtPiece &piece : art) {
    paths.insert(piece.path);
    QString error;
    ASSERT_TRUE(writeArtPiece(piece, QDir(dir.path()), &error)) << error.toStdString();
    EXPECT_FALSE(QImage(dir.filePath(piece.path)).isNull()) << piece.path.toStdString();
  }
  EXPECT_EQ(paths, expected);
  EXPECT_EQ(paths.size(), art.size()) << "a file is drawn twice";
}

TEST(ArtCatalog, DrawsTheSamePicturesEveryTime) {
  const std::vector<ArtPiece> first = drawAllArt();
  const std::vector<ArtPiece> second = drawAllArt();
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i)
    EXPECT_EQ(first[i].images, second[i].images) << first[i].path.toStdString();
}
