// The colours of a chart, taken as they are so that they can be put back
// exactly, and the same chart in high contrast: black behind, white text,
// axes and grid, each series in a colour of the high-contrast set.
#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>

#include <vector>

class QChart;

namespace lab {

struct AxisLook {
  QBrush labels;
  QBrush title;
  QPen line;
  QPen grid;
  QPen minorGrid;
  bool operator==(const AxisLook &) const = default;
};

struct SeriesLook {
  QPen pen;     // a line, or a marker's outline
  QBrush brush; // a marker's fill
  QColor pointLabels;
  bool operator==(const SeriesLook &) const = default;
};

// One entry per axis and per series, in the chart's order.
struct ChartLook {
  QBrush background;
  QPen backgroundPen;
  QBrush title;
  QBrush legendLabels;
  std::vector<AxisLook> axes;
  std::vector<SeriesLook> series;
  bool operator==(const ChartLook &) const = default;
};

ChartLook lookOf(const QChart &chart);
// Gives the chart `look`, which was taken from it (the same axes and series).
void applyLook(QChart &chart, const ChartLook &look);
// The look in high contrast: the lines keep their width and dashes and the
// marks stay filled or hollow, in the colours of appearance::high_contrast.
ChartLook highContrastLook(const ChartLook &ordinary);

} // namespace lab
