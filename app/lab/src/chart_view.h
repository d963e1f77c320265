// A graph of the Lab: a chart view that a keyboard reaches with Tab, that
// a screen reader tells in words (see chartSummary and
// installAccessibility), whose numbers follow the reader's locale, and that
// follows the program's appearance: high contrast, or its ordinary look.
#pragma once

#include "chart_look.h"
#include "chart_summary.h"

#include <QChartView>

#include <optional>

namespace lab {

class ChartView : public QChartView {
  Q_OBJECT

public:
  // name: what a reader hears the graph called.
  ChartView(QChart *chart, const QString &name, QWidget *parent);

  // What the values along the axes are counted in, for the summary.
  void setUnits(const ChartUnits &units) { units_ = units; }
  // The graph in words, as it stands now.
  QString summary() const;
  // From now on the chart follows the appearance; its look at the first
  // call, with all its series, is its ordinary look.
  void followAppearance();

signals:
  // The chart's colours changed with the appearance.
  void lookChanged();

protected:
  // A graph with the keyboard's focus is framed in the highlight colour,
  // so that a keyboard user sees where Tab went.
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
  void showAppearance();

  ChartUnits units_;
  std::optional<ChartLook> ordinary_;
};

} // namespace lab
