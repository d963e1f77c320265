#include "analysis/series.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace analysis {

namespace {

constexpr std::string_view kModelUnits = "model units";

void keepWithin(std::deque<Sample> &samples) {
  while (samples.size() > SeriesRecorder::kMaxSamples)
    samples.pop_front();
}

void writeNumber(std::ostream &out, double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*g", std::numeric_limits<double>::max_digits10, value);
  out << text;
}

} // namespace

void SeriesRecorder::clear() {
  samples_.clear();
  heatingCurve_.clear();
  ++revision_;
}

void SeriesRecorder::add(const Sample &sample, bool onRamp) {
  samples_.push_back(sample);
  keepWithin(samples_);
  if (onRamp) {
    heatingCurve_.push_back(sample);
    keepWithin(heatingCurve_);
  }
  ++revision_;
}

void SeriesRecorder::startHeatingCurve() {
  heatingCurve_.clear();
  ++revision_;
}

std::vector<HeatingPoint> heatingCurvePoints(const std::deque<Sample> &curve, std::size_t block) {
  block = std::max<std::size_t>(block, 1);
  std::vector<HeatingPoint> points;
  for (std::size_t first = 0; first < curve.size(); first += block) {
    const std::size_t last = std::min(first + block, curve.size());
    HeatingPoint mean;
    for (std::size_t i = first; i < last; ++i) {
      mean.total += curve[i].total;
      mean.temperature += curve[i].temperature;
    }
    mean.total /= double(last - first);
    mean.temperature /= double(last - first);
    points.push_back(mean);
  }
  return points;
}

double shownTime(std::int64_t step, const SeriesUnits &units) {
  if (!units.real)
    return double(step) * units.timeStep;
  return picoseconds(double(step), units.timeStep, *units.real);
}

double shownEnergy(double kelvin, const SeriesUnits &units) {
  return units.real ? kilojoulesPerMole(kelvin) : kelvin;
}

double shownPressure(double modelPressure, const SeriesUnits &units) {
  if (!units.real)
    return modelPressure;
  return fromPascals(modelPressure * pascalsPerPressure(*units.real), units.pressure);
}

double modelPressure(double shownPressure, const SeriesUnits &units) {
  if (!units.real)
    return shownPressure;
  return shownPressure / fromPascals(pascalsPerPressure(*units.real), units.pressure);
}

std::string_view timeSymbol(const SeriesUnits &units) { return units.real ? "ps" : kModelUnits; }

std::string_view energySymbol(const SeriesUnits &units) {
  return units.real ? "kJ/mol" : kModelUnits;
}

std::string_view pressureSymbol(const SeriesUnits &units) {
  return units.real ? pressureSymbol(units.pressure) : kModelUnits;
}

void writeSeriesCsv(std::ostream &out, const std::deque<Sample> &samples,
                    const SeriesUnits &units) {
  const std::string_view letter = unitLetter(units.temperature);
  const std::string_view energy = energySymbol(units);
  out << "step,time (" << timeSymbol(units) << "),temperature (" << letter << "),thermostat ("
      << letter << "),kinetic energy per atom (" << energy << "),potential energy per atom ("
      << energy << "),total energy per atom (" << energy << "),wall pressure ("
      << pressureSymbol(units) << ")\n";
  for (const Sample &s : samples) {
    out << s.step;
    for (const double value :
         {shownTime(s.step, units), fromKelvin(s.temperature, units.temperature),
          fromKelvin(s.thermostat, units.temperature), shownEnergy(s.kinetic, units),
          shownEnergy(s.potential, units), shownEnergy(s.total, units),
          shownPressure(s.wallPush, units)}) {
      out << ',';
      writeNumber(out, value);
    }
    out << '\n';
  }
}

} // namespace analysis
