// The series the Lab records while a scenario runs: measured temperature,
// thermostat, energies and pressure against simulation steps, and the
// heating curve of the current thermostat ramp.
#pragma once

#include "analysis/units.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <ostream>
#include <vector>

namespace analysis {

struct Sample {
  std::int64_t step = 0;    // steps since the scenario started
  double temperature = 0.0; // measured, kelvin
  double thermostat = 0.0;  // the temperature the atoms are held at, kelvin
  double kinetic = 0.0;     // energies per atom
  double potential = 0.0;
  double total = 0.0;
  double pressure = 0.0; // on the walls
};

class SeriesRecorder {
public:
  // About 10 hours at full speed with a sample every 20 steps; older
  // samples make way for newer ones.
  static constexpr std::size_t kMaxSamples = 200000;

  void clear();
  // onRamp: the sample also belongs to the heating curve.
  void add(const Sample &sample, bool onRamp);
  // A new ramp starts a new heating curve.
  void startHeatingCurve();

  const std::deque<Sample> &samples() const { return samples_; }
  const std::deque<Sample> &heatingCurve() const { return heatingCurve_; }
  // Changes whenever the series change, so a view redraws only then.
  std::uint64_t revision() const { return revision_; }

private:
  std::deque<Sample> samples_;
  std::deque<Sample> heatingCurve_;
  std::uint64_t revision_ = 0;
};

// A point of a heating curve: total energy per atom and measured
// temperature (kelvin).
struct CurvePoint {
  double total = 0.0;
  double temperature = 0.0;
};

// The heating curve as means over runs of `block` consecutive samples (the
// last run may be shorter): the thermal noise of a few hundred atoms would
// otherwise hide the plateaus. A block of 0 counts as 1.
std::vector<CurvePoint> heatingCurvePoints(const std::deque<Sample> &curve, std::size_t block);

// One row per sample after a header row that names each column's unit;
// temperatures in the given unit, numbers with enough digits to read back
// the same doubles.
void writeSeriesCsv(std::ostream &out, const std::deque<Sample> &samples, TemperatureUnit unit);

} // namespace analysis
