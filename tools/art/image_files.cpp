#include "image_files.h"

#include "ico_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace {

bool writeImage(const QImage &image, const QString &path, const char *format, QString *error) {
  QImageWriter writer(path, format);
  if (writer.write(image))
    return true;
  *error = path + ": " + writer.errorString();
  return false;
}

bool writeBytes(const QByteArray &bytes, const QString &path, QString *error) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
    return true;
  *error = path + ": " + file.errorString();
  return false;
}

} // namespace

bool writeArtPiece(const ArtPiece &piece, const QDir &folder, QString *error) {
  const QString path = folder.filePath(piece.path);
  if (piece.images.empty()) {
    *error = path + ": nothing was drawn for this file";
    return false;
  }
  const QString subfolder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(subfolder)) {
    *error = path + ": cannot create the folder " + subfolder;
    return false;
  }
  switch (piece.kind) {
  case ArtPiece::Kind::Bitmap24:
    // Qt writes an RGB888 image as an uncompressed 24-bit bitmap.
    return writeImage(piece.images.front().convertToFormat(QImage::Format_RGB888), path, "bmp",
                      error);
  case ArtPiece::Kind::Png:
    return writeImage(piece.images.front(), path, "png", error);
  case ArtPiece::Kind::Icon:
    return writeBytes(encodeIco(piece.images), path, error);
  }
  *error = path + ": unknown kind of picture";
  return false;
}
