#include "analysis/series.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace analysis {

namespace {

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

std::vector<CurvePoint> heatingCurvePoints(const std::deque<Sample> &curve, std::size_t block) {
  block = std::max<std::size_t>(block, 1);
  std::vector<CurvePoint> points;
  for (std::size_t first = 0; first < curve.size(); first += block) {
    const std::size_t last = std::min(first + block, curve.size());
    CurvePoint mean;
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

void writeSeriesCsv(std::ostream &out, const std::deque<Sample> &samples, TemperatureUnit unit) {
  const std::string_view letter = unitLetter(unit);
  out << "step,temperature (" << letter << "),thermostat (" << letter
      << "),kinetic energy (per atom),potential energy (per atom),total energy (per atom),"
         "wall pressure (force per area)\n";
  for (const Sample &s : samples) {
    out << s.step;
    for (const double value : {fromKelvin(s.temperature, unit), fromKelvin(s.thermostat, unit),
                               s.kinetic, s.potential, s.total, s.pressure}) {
      out << ',';
      writeNumber(out, value);
    }
    out << '\n';
  }
}

} // namespace analysis
