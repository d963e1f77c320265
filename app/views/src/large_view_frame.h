// One picture of the large view: the box turned and zoomed, its edges, the
// atoms as shaded spheres sized by their depth and drawn from far to near,
// and, when coloured by speed, a legend of the ramp with its unit.
#pragma once

#include "analysis/atom_frame.h"
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

// A sphere's diameter is this share of the bond length of its material, so
// that neighbours in a crystal stand apart and the lattice shows through.
constexpr double kSphereShare = 0.5;

// Draws the frame into the whole picture. speeds holds one speed per atom,
// or nothing when none are known yet (every atom then takes the slow end).
// A box the view cannot draw gives a picture with the reason written on
// it, and the result false.
bool drawLargeView(QImage &picture, const analysis::AtomFrame &frame,
                   std::span<const double> speeds, const Camera &camera, Colouring colouring,
                   SphereSprites &sprites);

// What the legend says the speeds are measured in.
QString speedUnitText();

} // namespace views
