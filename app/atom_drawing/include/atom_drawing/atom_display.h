// One frame of the atom view, composed off screen: the atoms sorted back to
// front, the clean background copied into the frame surface, one sprite per
// atom, the frame copied to the picture in one piece, the front edges on top.
#pragma once

#include "atom_drawing/projection.h"
#include "raster/gdi.h"

class AtomSprite;

namespace atom_drawing {

struct FrameSurfaces {
  raster::HDC picture = 0;    // the visible atom view
  raster::HDC background = 0; // the empty box
  raster::HDC frame = 0;      // where the frame is composed
  int width = 0;
  int height = 0;
};

// Draws the atoms of ModDornDll (numAtoms, atomCoords, atomTypes, drawOrder).
void displayAtoms(const FrameSurfaces &surfaces, const Projection &view, const Box &box,
                  AtomSprite &sprites);

} // namespace atom_drawing
