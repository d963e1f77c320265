// The Lab's live graphs: temperature, the three energies per atom and the
// wall pressure against the steps of the last stretch of the run, and the
// heating curve of the current ramp (measured temperature against total
// energy per atom). Every axis names its unit. Each graph is a ChartView:
// reached with Tab, told in words to a screen reader, and in high contrast
// when the program's appearance asks for it.
#pragma once

#include "analysis/series.h"
#include "lab_units.h"

#include <QTabWidget>

class QChart;
class QLineSeries;
class QValueAxis;

namespace lab {

class ChartView;

class SeriesCharts : public QTabWidget {
  Q_OBJECT

public:
  // The graphs against steps show this many steps, scrolling.
  static constexpr std::int64_t kShownSteps = 20000;

  explicit SeriesCharts(QWidget *parent);
  // Draws the records on the graph in view (a cheap no-op when neither they
  // nor the units changed since it was last drawn); the others are drawn
  // when their tab is chosen.
  void showSeries(const analysis::SeriesRecorder &records, const LabUnits &units);

  QLineSeries *temperature = nullptr;
  QLineSeries *thermostat = nullptr;
  QLineSeries *kinetic = nullptr;
  QLineSeries *potential = nullptr;
  QLineSeries *total = nullptr;
  QLineSeries *pressure = nullptr;
  QLineSeries *heating = nullptr;

  // One graph: its chart and axes, and what it shows now.
  struct Plot {
    QChart *chart = nullptr;
    ChartView *view = nullptr;
    QValueAxis *x = nullptr;
    QValueAxis *y = nullptr;
    std::uint64_t shownRevision = ~std::uint64_t{0};
    LabUnits shownUnits;
  };
  Plot temperaturePlot;
  Plot energyPlot;
  Plot pressurePlot;
  Plot heatingPlot;

private:
  Plot addPlot(const QString &tab, const QString &name, const QString &xTitle);
  static QLineSeries *addSeries(Plot &plot, const QString &name);
  void showCurrent();
  void showTemperatures(const std::deque<analysis::Sample> &samples);
  void showEnergies(const std::deque<analysis::Sample> &samples);
  void showPressures(const std::deque<analysis::Sample> &samples);
  void showHeatingCurve(const std::deque<analysis::Sample> &curve);

  const analysis::SeriesRecorder *records_ = nullptr;
  LabUnits units_;
};

} // namespace lab
