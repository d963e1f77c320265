#include "art_catalog.h"

#include "icons.h"
#include "landscape.h"
#include "logo.h"
#include "sprite_bitmaps.h"

std::vector<ArtPiece> drawAllArt() {
  using Kind = ArtPiece::Kind;
  std::vector<ArtPiece> art{
      {"images/landscape.bmp", Kind::Bitmap24, {renderLandscape()}},
      {"images/app.ico", Kind::Icon, {renderAppIcon(32)}},
      {"images/summer.ico", Kind::Icon, {renderSummerIcon(32), renderSummerIcon(16)}},
      {"images/winter.ico", Kind::Icon, {renderWinterIcon(32), renderWinterIcon(16)}},
      {"images/hotspot.ico", Kind::Icon, {renderHotspotIcon(32), renderHotspotIcon(16)}},
      {"images/logo.png", Kind::Png, {renderLogo()}},
      {"bitmaps/eye.ico", Kind::Icon, {renderEyeIcon(32)}},
      {"bitmaps/sun-red.bmp", Kind::Bitmap24, {renderSun(SunColour::Red)}},
      {"bitmaps/sun-orange.bmp", Kind::Bitmap24, {renderSun(SunColour::Orange)}},
      {"bitmaps/sun-yellow.bmp", Kind::Bitmap24, {renderSun(SunColour::Yellow)}},
  };
  for (int kind = 0; kind < kAtomKinds; ++kind)
    art.push_back(
        {QString("bitmaps/atom%1.bmp").arg(kind + 1), Kind::Bitmap24, {renderAtom(kind)}});
  return art;
}

std::vector<ArtPiece> drawDesktopIcons() {
  std::vector<ArtPiece> icons;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icons.push_back({QString("hicolor/%1x%1/apps/org.corvanta.Corvanta.png").arg(size),
                     ArtPiece::Kind::Png,
                     {renderAppIcon(size)}});
  return icons;
}
