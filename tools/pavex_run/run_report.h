// The figures of a run: one row every K steps on standard output (and as CSV
// when asked), and the phase summary at the end.
#pragma once

#include "phase_summary.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace PavexRun {

struct EnergyRow {
  int step = 0;
  double temperature = 0.0;
  double kinetic = 0.0;
  double potential = 0.0;
  double total = 0.0;
  double pressure = 0.0;
};

class RunReport {
public:
  // csvPath may be empty. Throws std::runtime_error when it cannot be written.
  RunReport(std::FILE *out, const std::string &csvPath);
  void addRow(const EnergyRow &row);
  void addNote(const std::string &note);
  void printSummary(const std::vector<TypeSummary> &summaries, int steps);

private:
  std::FILE *out_;
  std::ofstream csv_;
};

} // namespace PavexRun
