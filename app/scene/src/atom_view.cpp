// The atom view: the two off-screen surfaces behind PicAtoms, the projection
// fitted to the box, the empty box as background, and one frame of atoms.
#include "frm_orvel_model.h"

#include "atom_drawing/atom_display.h"
#include "atom_drawing/box_edges.h"
#include "clock.h"
#include "number_format.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "scenario/mod_dorn_dll.h"
#include "sprites/atom_sprite.h"

#include <cmath>

namespace {

int rounded(double value) { return static_cast<int>(std::nearbyint(value)); }

} // namespace

void frmOrvelModel::makeSurfaces() {
  const raster::HDC picture = PicAtoms->hDC();
  const int width = rounded(PicAtoms->scaleWidth());
  const int height = rounded(PicAtoms->scaleHeight());
  auto make = [&](raster::HDC &hdc, raster::HBITMAP &bitmap) {
    hdc = raster::CreateCompatibleDC(picture);
    bitmap = raster::CreateCompatibleBitmap(picture, width, height);
    raster::SelectObject(hdc, bitmap);
    raster::BitBlt(hdc, 0, 0, width, height, picture, 0, 0, raster::SRCCOPY);
  };
  make(backgroundHdc, backgroundBitmap);
  make(frameHdc, frameBitmap);
}

// Contexts go first, so that no bitmap is still selected when it is released.
void frmOrvelModel::releaseSurfaces() {
  for (raster::HDC *hdc : {&backgroundHdc, &frameHdc}) {
    if (*hdc != 0)
      raster::DeleteDC(*hdc);
    *hdc = 0;
  }
  for (raster::HBITMAP *bitmap : {&backgroundBitmap, &frameBitmap}) {
    if (*bitmap != 0)
      raster::DeleteObject(*bitmap);
    *bitmap = 0;
  }
}

void frmOrvelModel::setupScreenProjection() {
  projection = atom_drawing::setupScreenProjection(ModDornDll::boxDims, PicAtoms->scaleWidth(),
                                           PicAtoms->scaleHeight());
}

void frmOrvelModel::DrawAxis() {
  atom_drawing::DrawAxis(PicAtoms->hDC(), backgroundHdc, rounded(PicAtoms->scaleWidth()),
                 rounded(PicAtoms->scaleHeight()), PicAtoms->backgroundColour(), projection,
                 ModDornDll::boxDims);
  PicAtoms->refresh();
}

void frmOrvelModel::displayAtoms() {
  if (!atomSprite)
    return; // the atom images come with the first activation
  const bool reportFrame = ModDornDll::frameCount % kReportInterval == 0;
  const double start = scene::monotonicSeconds();
  atom_drawing::displayAtoms({PicAtoms->hDC(), backgroundHdc, frameHdc, rounded(PicAtoms->scaleWidth()),
                      rounded(PicAtoms->scaleHeight())},
                     projection, ModDornDll::boxDims, *atomSprite);
  PicAtoms->refresh();
  frameStats.addDrawTime(scene::monotonicSeconds() - start);
  if (reportFrame)
    StatusBar1->setPanelText(
        1, tr("Disp Time: %1").arg(scene::formatNumber(frameStats.meanDrawTime(), 1, 3)));
}
