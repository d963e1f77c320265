#pragma once

#include <QImage>

// Painted touches over the shaded landscape: wave crests on the sea, surf
// along the beach and at the foot of the rock, cracks and a lit ridge on the
// rock, tufts of grass on the dune.
void paintLandscapeDetails(QImage &image);
