// The simulation box drawn as its twelve edges, and the three front edges
// drawn again over the atoms.
#pragma once

#include "atom_drawing/projection.h"
#include "raster/gdi.h"

namespace atom_drawing {

constexpr raster::COLORREF kEdgeColour = raster::RGB(0, 0, 0);

void DrawRearAxis(raster::HDC picture, const Projection &view, const Box &box);
void DrawFrontAxis(raster::HDC picture, const Projection &view, const Box &box);
// Clears the picture to its background colour, draws all edges and copies
// the result (width x height) into the background surface.
void DrawAxis(raster::HDC picture, raster::HDC background, int width, int height,
              raster::COLORREF pictureBackground, const Projection &view, const Box &box);

} // namespace atom_drawing
