#include "atom_drawing/box_edges.h"

#include <cstdint>

namespace atom_drawing {

namespace {

// A box corner by its choice of minimum (0) or maximum (1) on x, y and z.
struct Corner {
  int x, y, z;
};

struct Edge {
  Corner from, to;
};

// All twelve edges, each once, in drawing order; the last three of these
// that meet at the front corner are the front edges drawn again below.
constexpr Edge kRearEdges[] = {
    {{0, 0, 1}, {0, 0, 0}}, {{0, 1, 0}, {0, 0, 0}}, {{1, 0, 0}, {0, 0, 0}}, {{1, 0, 0}, {1, 0, 1}},
    {{1, 0, 0}, {1, 1, 0}}, {{0, 1, 0}, {1, 1, 0}}, {{0, 1, 0}, {0, 1, 1}}, {{1, 1, 1}, {0, 1, 1}},
    {{1, 1, 1}, {1, 1, 0}}, {{1, 1, 1}, {1, 0, 1}}, {{0, 0, 1}, {1, 0, 1}}, {{0, 0, 1}, {0, 1, 1}},
};

// The three edges that meet at the corner nearest the viewer.
constexpr Edge kFrontEdges[] = {
    {{0, 1, 1}, {1, 1, 1}},
    {{1, 0, 1}, {1, 1, 1}},
    {{1, 1, 0}, {1, 1, 1}},
};

void drawEdges(raster::HDC picture, const Projection &view, const Box &box, const Edge *edges,
               int count) {
  auto project = [&](Corner c, std::int32_t &sx, std::int32_t &sy) {
    cnvrt2DcoorTo3Dcoor(view, sx, sy, box[3 * c.x], box[1 + 3 * c.y], box[2 + 3 * c.z]);
  };
  for (int e = 0; e < count; ++e) {
    std::int32_t x0, y0, x1, y1;
    project(edges[e].from, x0, y0);
    project(edges[e].to, x1, y1);
    raster::DrawLine(picture, x0, y0, x1, y1, kEdgeColour);
  }
}

} // namespace

void DrawRearAxis(raster::HDC picture, const Projection &view, const Box &box) {
  drawEdges(picture, view, box, kRearEdges, std::size(kRearEdges));
}

void DrawFrontAxis(raster::HDC picture, const Projection &view, const Box &box) {
  drawEdges(picture, view, box, kFrontEdges, std::size(kFrontEdges));
}

void DrawAxis(raster::HDC picture, raster::HDC background, int width, int height,
              raster::COLORREF pictureBackground, const Projection &view, const Box &box) {
  raster::FillRect(picture, 0, 0, width, height, pictureBackground);
  DrawRearAxis(picture, view, box);
  DrawFrontAxis(picture, view, box);
  raster::BitBlt(background, 0, 0, width, height, picture, 0, 0, raster::SRCCOPY);
}

} // namespace atom_drawing
