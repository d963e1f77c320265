#pragma once

#include <QPolygonF>

// Where the parts of the landscape lie, in landscape pixels (origin top-left,
// y downwards). The outlines are chosen so that each clickable area of the
// main window lies over the matching material: the sea horizon crosses the
// water/air area, the beach fills the lower left, the rock headland fills the
// lower right and its water edge crosses the water/rock area.

constexpr int kLandscapeWidth = 542;
constexpr int kLandscapeHeight = 314;
constexpr double kHorizonY = 218.0;

enum class Material { Sky, Water, Sand, Rock };

// The beach's water edge at row y (rows at and below the horizon).
double shoreX(double y);

// The rock's left (water) edge at row y (rows at and below the horizon).
double rockEdgeX(double y);

// The top of the dune behind the beach at column x (left of the horizon foot).
double duneTopY(double x);

const QPolygonF &sandOutline();
const QPolygonF &rockOutline();

// Which material covers the point; the rock lies in front of everything,
// the beach in front of the water.
Material materialAt(double x, double y);
