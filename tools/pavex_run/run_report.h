// The figures of a run: one row every K steps on standard output (and as CSV
// when asked), and at the end the phase summary and the mobility windows.
#pragma once

#include "analysis/phase_measure.h"
#include "analysis/series.h"

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
  // csvPath may be empty. Throws std::runtime_error when it cannot be written.
  RunReport(std::FILE *out, const std::string &csvPath);
  // One row: the engine's figures at a step (analysis::Sample).
  void addRow(const analysis::Sample &row);
  void addNote(const std::string &note);
  void addMobility(const MobilityWindow &window);
  // The phase summary, then the mobility windows if there were any.
  void printSummary(const std::vector<analysis::TypeSummary> &summaries, int steps);

private:
  void printMobility();

  std::FILE *out_;
  std::ofstream csv_;
  std::vector<MobilityWindow> mobility_;
};

} // namespace PavexRun
