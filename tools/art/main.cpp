// corvanta-art OUTDIR: draws every picture of the program and writes it
// under OUTDIR (images/ and bitmaps/), the same bytes on every run.
// corvanta-art --desktop-icons OUTDIR: the program's icon for the desktop
// under OUTDIR/hicolor.

#include "art_catalog.h"
#include "image_files.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const bool desktopIcons = args.size() == 3 && args.at(1) == QStringLiteral("--desktop-icons");
  if (args.size() != 2 && !desktopIcons) {
    std::fprintf(stderr, "usage: corvanta-art OUTDIR\n"
                         "  draws the program's pictures into OUTDIR/images and OUTDIR/bitmaps\n"
                         "       corvanta-art --desktop-icons OUTDIR\n"
                         "  draws the program's desktop icons into OUTDIR/hicolor\n");
    return 2;
  }
  const QDir folder(args.last());
  for (const ArtPiece &piece : desktopIcons ? drawDesktopIcons() : drawAllArt()) {
    QString error;
    if (!writeArtPiece(piece, folder, &error)) {
      std::fprintf(stderr, "corvanta-art: %s\n", qPrintable(error));
      return 1;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(folder.filePath(piece.path))));
  }
  return 0;
}
