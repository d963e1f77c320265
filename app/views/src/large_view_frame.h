// One picture of the large view: the box turned and zoomed, its edges, the
// atoms as shaded spheres sized by their depth and drawn from far to near,
// and, when coloured by speed, a legend of the ramp with its unit.
#pragma once

#include "analysis/atom_frame.h"
#include "shown_units.h"
#include "speed_ramp.h"
#include "turned_projection.h"

#include <QColor>
#include <QString>

#include <span>

class QImage;

namespace views {

class SphereSprites;

enum class Colouring { Material, Speed };

// The colour behind the box.
extern const QColor kViewBackground;

// The lid's face and outline, and the edges of the room above it.
extern const QColor kLidFace;
extern const QColor kLidOutline;

// The colours the view draws everything but the atoms in.
struct ViewLook {
  QColor background;
  QColor edges;
  QColor roomAbove; // the faint dashes between the lid and the file's box
  QColor lidFace;
  QColor lidOutline;
  QColor text;
};

// The ordinary look (dark blue-grey, with the colours above), and high
// contrast: black, with white edges and text.
extern const ViewLook kOrdinaryLook;
extern const ViewLook kHighContrastLook;

// A sphere's diameter is this share of the bond length of its material, so
// that neighbours in a crystal stand apart and the lattice shows through.
constexpr double kSphereShare = 0.5;

// How the atoms are coloured; by speed, the engine's speeds (one per atom, or
// nothing when none are known yet and every atom takes the slow end) and
// the unit the legend writes them in.
struct AtomColouring {
  Colouring by = Colouring::Material;
  std::span<const double> speeds;
  ShownUnit speedUnit;
  SpeedRamp ramp = SpeedRamp::BlueToRed;
};

// Draws the frame into the whole picture, fitted to fitBox: the scenario
// file's box, so that the picture stays put while the lid moves. The
// frame's box is the box as it stands; with its lid (the top face) below
// the file's box, the lid is drawn as a lid, a translucent face with a heavy
// outline, and the room above it in faint dashes. A box the view cannot draw
// gives a picture with the reason written on it, and the result false.
bool drawLargeView(QImage &picture, const analysis::AtomFrame &frame,
                   const atom_drawing::Box &fitBox, const Camera &camera,
                   const AtomColouring &colouring, SphereSprites &sprites,
                   const ViewLook &look = kOrdinaryLook);

// The words of the speed legend: the slowest and the fastest speed, and
// what they are measured in.
struct SpeedLegend {
  QString slowest;
  QString fastest;
  QString unit;
};
SpeedLegend speedLegend(std::span<const double> speeds, const ShownUnit &unit);

} // namespace views
