// The series the Lab records while a scenario runs: measured temperature,
// thermostat, energies and pressure against simulation steps, and the
// heating curve of the current thermostat ramp.
#pragma once

#include "analysis/real_units.h"
#include "analysis/units.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace analysis {

struct Sample {
  std::int64_t step = 0;    // steps since the scenario started
  double temperature = 0.0; // measured, kelvin
  double thermostat = 0.0;  // the temperature the atoms are held at, kelvin
  double kinetic = 0.0;     // energies per atom
  double potential = 0.0;
  double total = 0.0;
  // The engine's boundary pressure as it returns it: its wall force sum,
  // which also counts the pair and gravity forces on the atoms in the
  // skins, over the whole box's area. Kept for comparison only.
  double pressure = 0.0;
  // The pressure the walls themselves exert (wallPushPressure, model
  // units), as the pressure gauge reads it: the mean over its window, the
  // last push until it has one. This is the pressure shown and written.
  double wallPush = 0.0;
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
struct HeatingPoint {
  double total = 0.0;
  double temperature = 0.0;
};

// The heating curve as means over runs of `block` consecutive samples (the
// last run may be shorter): the thermal noise of a few hundred atoms would
// otherwise hide the plateaus. A block of 0 counts as 1.
std::vector<HeatingPoint> heatingCurvePoints(const std::deque<Sample> &curve, std::size_t block);

// The units a table of the series is written in. With the scenario's real
// units the time is in picoseconds, the energies in kJ/mol and the wall
// pressure in `pressure`; without them (no material card) those stay in the
// model's units. Temperatures are in `temperature` either way.
struct SeriesUnits {
  TemperatureUnit temperature = TemperatureUnit::Fahrenheit;
  std::optional<ModelUnits> real;
  PressureUnit pressure = PressureUnit::Kilopascal;
  double timeStep = 0.0; // model time units per step
};

// A sample's time (of `step` steps), energy per atom (kelvin) and the
// pressure on the walls (model units, Sample::wallPush) in these units.
double shownTime(std::int64_t step, const SeriesUnits &units);
double shownEnergy(double kelvin, const SeriesUnits &units);
double shownPressure(double modelPressure, const SeriesUnits &units);
// The model pressure of a pressure shown in these units (shownPressure's
// inverse).
double modelPressure(double shownPressure, const SeriesUnits &units);
// "ps", "kJ/mol", "kPa" or "atm"; "model units" without real units.
std::string_view timeSymbol(const SeriesUnits &units);
std::string_view energySymbol(const SeriesUnits &units);
std::string_view pressureSymbol(const SeriesUnits &units);

// One row per sample after a header row that names each column's unit:
// step, time, temperature, thermostat, the three energies per atom and the
// wall pressure (Sample::wallPush), numbers with enough digits to read back the
// same doubles.
void writeSeriesCsv(std::ostream &out, const std::deque<Sample> &samples, const SeriesUnits &units);

} // namespace analysis
