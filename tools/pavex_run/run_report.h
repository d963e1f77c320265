// The figures of a run: one row every K steps on standard output (and as CSV
// when asked), and at the end the phase summary and the mobility windows, in
// the units report_units.h describes.
#pragma once

#include "analysis/phase_measure.h"
#include "analysis/series.h"
#include "report_units.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace PavexRun {

// The share of each type's atoms that moved more than half a bond length
// between two steps.
struct MobilityWindow {
  int from = 0;
  int to = 0;
  std::vector<double> shares; // per type
};

class RunReport {
public:
  // csvPath may be empty; timeStep (model units) dates the rows in real
  // units. Throws std::runtime_error when the table cannot be written.
  RunReport(std::FILE *out, const std::string &csvPath, ReportUnits units, double timeStep);
  // One row: the figures at a step (analysis::Sample).
  void addRow(const analysis::Sample &row);
  void addNote(const std::string &note);
  void addMobility(const MobilityWindow &window);
  // The phase summary, then the mobility windows if there were any;
  // temperature is the measured one at the end (kelvin), against each
  // material's melting point.
  void printSummary(const std::vector<analysis::TypeSummary> &summaries, int steps,
                    double temperature);

private:
  void printHeader();
  void printSummaryRow(const analysis::TypeSummary &summary, int nameWidth, double temperature);
  void printMobility();

  std::FILE *out_;
  std::ofstream csv_;
  ReportUnits units_;
  double timeStep_;
  std::vector<ReportColumn> columns_;
  std::vector<MobilityWindow> mobility_;
};

} // namespace PavexRun
