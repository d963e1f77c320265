#include "atom_drawing/atom_display.h"

#include "atom_drawing/box_edges.h"
#include "scenario/mod_dorn_dll.h"
#include "atom_drawing/validation_routines.h"
#include "sprites/atom_sprite.h"

#include <cstdint>

namespace atom_drawing {

void displayAtoms(const FrameSurfaces &surfaces, const Projection &view, const Box &box,
                  AtomSprite &sprites) {
  using namespace ModDornDll;
  ValidationRoutines::sortAtomsByDepth();
  raster::BitBlt(surfaces.frame, 0, 0, surfaces.width, surfaces.height, surfaces.background, 0, 0,
                 raster::SRCCOPY);
  const double *coords = atomCoords.data();
  for (std::int32_t idx = 0; idx < numAtoms; ++idx) {
    const std::int32_t a = drawOrder[idx];
    std::int32_t sx, sy;
    cnvrt2DcoorTo3Dcoor(view, sx, sy, coords[3 * a], coords[3 * a + 1], coords[3 * a + 2]);
    sprites.place_Atomsprite(surfaces.frame, static_cast<float>(sx), static_cast<float>(sy),
                             atomTypes[a]);
  }
  raster::BitBlt(surfaces.picture, 0, 0, surfaces.width, surfaces.height, surfaces.frame, 0, 0,
                 raster::SRCCOPY);
  DrawFrontAxis(surfaces.picture, view, box);
}

} // namespace atom_drawing
