// What the large view shows, written out for a screen reader: the atoms of
// each material, how the box is turned and zoomed, how the atoms are
// coloured, and the keys that work the view.
#pragma once

#include "large_view_frame.h"

#include <QString>

#include <vector>

namespace views {

// The atoms of one material in the picture.
struct MaterialCount {
  QString name;   // "water", or its colour without a card
  QString colour; // "blue"
  int atoms = 0;
};

// What the last picture held.
struct ViewContent {
  bool drawn = false; // false: nothing yet, or a box the view cannot draw
  std::vector<MaterialCount> materials;
  Colouring by = Colouring::Material;
  SpeedRamp ramp = SpeedRamp::BlueToRed;
  QString slowest; // by speed: the slowest and fastest speed with the unit, "12 m/s"
  QString fastest;
};

// "Atoms shown: 784, water 500 (blue), quartz 284 (red). Turned 30° to the
// right. Coloured by material. Arrow keys turn the box, …"
QString largeViewSummary(const ViewContent &content, const Camera &camera);

} // namespace views
