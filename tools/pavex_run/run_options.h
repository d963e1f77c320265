// The command line of pavex-run.
#pragma once

#include "analysis/thermostat.h"
#include "lattice_start.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace PavexRun {

// Fresh velocities for a temperature at a chosen step, as the time-of-day
// control gives them in the program.
struct Kick {
  int step = 0;
  double temperature = 0.0;
};

struct RunOptions {
  std::string scenario;
  int steps = 10000;
  int every = 1000;
  std::string csvPath;
  std::string xyzPath;
  std::string savePath;    // the run's end state as a scenario file
  std::vector<Kick> kicks; // in step order
  // The thermostat: held at one temperature (kelvin), or moved steadily over
  // the whole run; neither keeps the scenario's own clamp target.
  std::optional<double> hold;
  std::optional<analysis::Ramp> ramp; // its steps are the run's
  int mobilityWindow = 0;             // steps per mobility window; 0: none
  // The lid: the box height as a fraction of the file's (kSmallest to 1),
  // reached at the lid's pace from the start; and a pressure held by moving
  // the lid, in kPa with real units, in model units otherwise.
  std::optional<double> volume;
  std::optional<double> holdPressure;
  // Real units from the scenario's material card (--units real, the
  // default), or the model's own figures under the plain headers (--units model).
  bool realUnits = true;
  bool help = false;

  std::optional<LatticeCells> lattice; // the engine's own lattice instead of a file
  std::string lammpsDir;               // where the LAMMPS deck goes after the run
};

// A command line that cannot be run; the message says what is wrong.
class UsageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

RunOptions parseRunOptions(const std::vector<std::string> &arguments);
std::string usageText();

} // namespace PavexRun
