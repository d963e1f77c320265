#include "chart_look.h"

#include "appearance/appearance.h"

#include <QChart>
#include <QLegend>
#include <QXYSeries>

#include <iterator>

namespace lab {

namespace {

namespace hc = appearance::high_contrast;

QPen recoloured(QPen pen, const QColor &colour) {
  pen.setColor(colour);
  return pen;
}

QBrush recoloured(const QBrush &brush, const QColor &colour) {
  return brush.style() == Qt::NoBrush ? brush : QBrush(colour);
}

} // namespace

ChartLook lookOf(const QChart &chart) {
  ChartLook look{chart.backgroundBrush(),
                 chart.backgroundPen(),
                 chart.titleBrush(),
                 chart.legend()->labelBrush(),
                 {},
                 {}};
  for (const QAbstractAxis *axis : chart.axes())
    look.axes.push_back({axis->labelsBrush(), axis->titleBrush(), axis->linePen(),
                         axis->gridLinePen(), axis->minorGridLinePen()});
  for (const QAbstractSeries *series : chart.series())
    if (const auto *xy = qobject_cast<const QXYSeries *>(series))
      look.series.push_back({xy->pen(), xy->brush(), xy->pointLabelsColor()});
  return look;
}

void applyLook(QChart &chart, const ChartLook &look) {
  chart.setBackgroundBrush(look.background);
  chart.setBackgroundPen(look.backgroundPen);
  chart.setTitleBrush(look.title);
  chart.legend()->setLabelBrush(look.legendLabels);
  const QList<QAbstractAxis *> axes = chart.axes();
  for (std::size_t k = 0; k < look.axes.size() && k < std::size_t(axes.size()); ++k) {
    QAbstractAxis &axis = *axes[qsizetype(k)];
    axis.setLabelsBrush(look.axes[k].labels);
    axis.setTitleBrush(look.axes[k].title);
    axis.setLinePen(look.axes[k].line);
    axis.setGridLinePen(look.axes[k].grid);
    axis.setMinorGridLinePen(look.axes[k].minorGrid);
  }
  std::size_t k = 0;
  for (QAbstractSeries *series : chart.series()) {
    auto *xy = qobject_cast<QXYSeries *>(series);
    if (xy == nullptr || k >= look.series.size())
      continue;
    const SeriesLook &shown = look.series[k++];
    xy->setPen(shown.pen);
    xy->setBrush(shown.brush);
    xy->setPointLabelsColor(shown.pointLabels);
  }
}

ChartLook highContrastLook(const ChartLook &ordinary) {
  ChartLook look = ordinary;
  look.background = QBrush(hc::kBackground);
  look.backgroundPen = recoloured(ordinary.backgroundPen, hc::kText);
  look.title = QBrush(hc::kText);
  look.legendLabels = QBrush(hc::kText);
  for (AxisLook &axis : look.axes) {
    axis.labels = QBrush(hc::kText);
    axis.title = QBrush(hc::kText);
    axis.line = recoloured(axis.line, hc::kText);
    // The grid dotted, so that the series stand out from it.
    axis.grid = recoloured(axis.grid, hc::kText);
    axis.grid.setStyle(Qt::DotLine);
    axis.minorGrid = recoloured(axis.minorGrid, hc::kText);
    axis.minorGrid.setStyle(Qt::DotLine);
  }
  for (std::size_t k = 0; k < look.series.size(); ++k) {
    const QColor &colour = hc::kSeries[k % std::size(hc::kSeries)];
    SeriesLook &series = look.series[k];
    series.pen = recoloured(series.pen, colour);
    series.brush = recoloured(series.brush, colour);
    series.pointLabels = hc::kText;
  }
  return look;
}

} // namespace lab
