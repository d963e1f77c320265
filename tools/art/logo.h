#pragma once

#include <QImage>

constexpr int kLogoWidth = 154;
constexpr int kLogoHeight = 80;

// The product mark for the About box: atoms in a box drawn in perspective,
// a solid lattice on the floor and a few free atoms above it, on a dark
// rounded panel. ARGB32, transparent outside the panel.
QImage renderLogo();
