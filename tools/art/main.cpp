// corvanta-art OUTDIR: draws every picture of the program and writes it
// under OUTDIR (images/ and bitmaps/), the same bytes on every run.

#include "art_catalog.h"
#include "image_files.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: corvanta-art OUTDIR\n"
                         "  draws the program's pictures into OUTDIR/images and OUTDIR/bitmaps\n");
    return 2;
  }
  const QDir folder(args.at(1));
  for (const ArtPiece &piece : drawAllArt()) {
    QString error;
    if (!writeArtPiece(piece, folder, &error)) {
      std::fprintf(stderr, "corvanta-art: %s\n", qPrintable(error));
      return 1;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(folder.filePath(piece.path))));
  }
  return 0;
}
