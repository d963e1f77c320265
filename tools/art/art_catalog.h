#pragma once

#include <QImage>
#include <QString>

#include <vector>

// One picture file of the program, drawn and ready to write.
struct ArtPiece {
  enum class Kind {
    Bitmap24, // uncompressed 24-bit BMP
    Png,
    Icon, // Windows icon holding every image of the piece
  };

  QString path; // relative to the output folder
  Kind kind;
  std::vector<QImage> images; // one image, or one per size for an icon
};

// Every picture of the program: the window's stored pictures under images/
// and the run-time sprite bitmaps and mouse icon under bitmaps/.
std::vector<ArtPiece> drawAllArt();

// The program's icon for the desktop, under hicolor/SIZExSIZE/apps/ at the
// sizes icon themes look for (16 to 256 pixels).
std::vector<ArtPiece> drawDesktopIcons();
