// The figures of a run: one row every K steps on standard output (and as CSV
// when asked), and at the end the phase summary and the mobility windows.
#pragma once

#include "analysis/phase_measure.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace PavexRun {

struct EnergyRow {
  int step = 0;
  double temperature = 0.0; // measured, kelvin
  double kinetic = 0.0;     // per atom
  double potential = 0.0;   // per atom
  double total = 0.0;       // per atom
  double pressure = 0.0;    // wall force per box area
  double thermostat = 0.0;  // the temperature the clamp holds the atoms at, kelvin
};

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
  void addRow(const EnergyRow &row);
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
