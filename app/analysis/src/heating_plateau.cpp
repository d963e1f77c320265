#include "analysis/heating_plateau.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace analysis {

namespace {

// A quartile needs this many climbs.
constexpr std::size_t kFewestClimbs = 4;
// Kelvin: the least change of measured temperature a climb divides by, so
// that two neighbours at the same temperature give a steep climb, not a
// division by zero.
constexpr double kLeastRise = 1e-9;
// The lines below and above a plateau are each fitted to this many points.
constexpr std::size_t kFitPoints = 5;

struct Point {
  double thermostat = 0.0;
  double temperature = 0.0;
  double total = 0.0;
  double climb = 0.0; // energy per kelvin between the neighbours; 0 at the ends
};

// Indices of the first and last point of a plateau.
struct Run {
  std::size_t first = 0;
  std::size_t last = 0;
};

struct Bin {
  double thermostat = 0.0;
  double temperature = 0.0;
  double total = 0.0;
  std::size_t samples = 0;
};

// The sums of the samples in each of kPlateauCurvePoints equal stretches of
// the thermostat's span, in the order the ramp went through them.
std::vector<Bin> thermostatBins(const std::deque<Sample> &curve) {
  const double start = curve.front().thermostat;
  const double span = curve.back().thermostat - start;
  std::vector<Bin> bins(kPlateauCurvePoints);
  for (const Sample &s : curve) {
    const double share = (s.thermostat - start) / span; // also for a negative span
    if (!(share >= kPlateauSettlingShare) || !std::isfinite(s.temperature) ||
        !std::isfinite(s.total))
      continue; // settling, or a sample of a simulation that blew up
    // Multiplied before dividing, a thermostat on a bin's edge lands in the
    // bin above it as it should, not below by a rounding error.
    const double place = (s.thermostat - start) * double(kPlateauCurvePoints) / span;
    const auto index = static_cast<std::size_t>(std::min(place, double(kPlateauCurvePoints - 1)));
    Bin &bin = bins[index];
    bin.thermostat += s.thermostat;
    bin.temperature += s.temperature;
    bin.total += s.total;
    ++bin.samples;
  }
  return bins;
}

// The curve's points in order of rising thermostat, climbs not yet set.
std::vector<Point> binnedPoints(const std::deque<Sample> &curve) {
  std::vector<Bin> bins = thermostatBins(curve);
  if (curve.back().thermostat < curve.front().thermostat)
    std::reverse(bins.begin(), bins.end());
  std::vector<Point> points;
  for (const Bin &bin : bins) {
    if (bin.samples == 0)
      continue;
    const auto n = static_cast<double>(bin.samples);
    points.push_back({bin.thermostat / n, bin.temperature / n, bin.total / n});
  }
  return points;
}

void setClimbs(std::vector<Point> &points) {
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    const Point &before = points[i - 1];
    const Point &after = points[i + 1];
    points[i].climb = std::abs(after.total - before.total) /
                      std::max(std::abs(after.temperature - before.temperature), kLeastRise);
  }
}

// The value below which a quarter of the values lie, interpolated between
// the sorted values at rank (count + 1) / 4 (counted from 1), as Python's
// statistics.quantiles does by default.
double lowerQuartile(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const double rank = std::clamp(double(values.size() + 1) / 4.0, 1.0, double(values.size()));
  const auto below = static_cast<std::size_t>(rank);
  if (below == values.size())
    return values.back();
  return values[below - 1] + (rank - double(below)) * (values[below] - values[below - 1]);
}

std::vector<double> interiorClimbs(const std::vector<Point> &points) {
  std::vector<double> climbs;
  for (std::size_t i = 1; i + 1 < points.size(); ++i)
    climbs.push_back(points[i].climb);
  return climbs;
}

// Runs of interior points steeper than `steep`, a single point below it
// between two above included.
std::vector<Run> steepRuns(const std::vector<Point> &points, double steep) {
  std::vector<Run> runs;
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    if (points[i].climb <= steep)
      continue;
    if (!runs.empty() && i - runs.back().last <= 2)
      runs.back().last = i;
    else
      runs.push_back({i, i});
  }
  return runs;
}

std::size_t steepestPoint(const std::vector<Point> &points, const Run &run) {
  std::size_t steepest = run.first;
  for (std::size_t i = run.first; i <= run.last; ++i)
    if (points[i].climb > points[steepest].climb)
      steepest = i;
  return steepest;
}

// Whether each point lies in one of the runs.
std::vector<bool> runMembership(std::size_t points, const std::vector<Run> &runs) {
  std::vector<bool> inRun(points, false);
  for (const Run &run : runs)
    std::fill(inRun.begin() + std::ptrdiff_t(run.first),
              inRun.begin() + std::ptrdiff_t(run.last) + 1, true);
  return inRun;
}

// A straight line of total energy against measured temperature.
struct Line {
  double temperature = 0.0; // mean of the points it was fitted to
  double total = 0.0;       // the energy there
  double slope = 0.0;       // energy per kelvin
  double at(double t) const { return total + slope * (t - temperature); }
};

// Up to kFitPoints points on one side of the run (downward: below it), the
// nearest `nearest` points away from it, stopping at the curve's end and
// before another run.
std::vector<const Point *> pointsBeside(const std::vector<Point> &points,
                                        const std::vector<bool> &inRun, const Run &run,
                                        bool downward, std::size_t nearest) {
  std::vector<const Point *> beside;
  for (std::size_t k = nearest; k < nearest + kFitPoints; ++k) {
    if (downward ? run.first < k : run.last + k >= points.size())
      break;
    const std::size_t i = downward ? run.first - k : run.last + k;
    if (inRun[i])
      break;
    beside.push_back(&points[i]);
  }
  return beside;
}

// The least-squares line through the points; nullopt without two points of
// different temperatures.
std::optional<Line> fittedLine(const std::vector<const Point *> &fitted) {
  Line line;
  for (const Point *p : fitted) {
    line.temperature += p->temperature / double(fitted.size());
    line.total += p->total / double(fitted.size());
  }
  double spread = 0.0;
  for (const Point *p : fitted) {
    spread += (p->temperature - line.temperature) * (p->temperature - line.temperature);
    line.slope += (p->temperature - line.temperature) * (p->total - line.total);
  }
  if (fitted.size() < 2 || !(spread > 0.0))
    return std::nullopt;
  line.slope /= spread;
  return line;
}

// The curve on one side of the run as a line. The point next to the run
// mixes samples from both sides of the plateau's edge (its bin straddles
// it), so the line starts at the second point out, or at the first where
// the curve beside the run is too short for that.
std::optional<Line> lineBeside(const std::vector<Point> &points, const std::vector<bool> &inRun,
                               const Run &run, bool downward) {
  for (const std::size_t nearest : {2, 1})
    if (auto line = fittedLine(pointsBeside(points, inRun, run, downward, nearest)))
      return line;
  return std::nullopt;
}

std::optional<Plateau> describe(const std::vector<Point> &points, const std::vector<bool> &inRun,
                                const Run &run) {
  const auto below = lineBeside(points, inRun, run, true);
  const auto above = lineBeside(points, inRun, run, false);
  if (!below || !above)
    return std::nullopt;
  Plateau plateau;
  plateau.temperature = points[steepestPoint(points, run)].temperature;
  plateau.low = plateau.high = points[run.first].temperature;
  for (std::size_t i = run.first; i <= run.last; ++i) {
    plateau.low = std::min(plateau.low, points[i].temperature);
    plateau.high = std::max(plateau.high, points[i].temperature);
  }
  plateau.latentHeat = above->at(plateau.temperature) - below->at(plateau.temperature);
  return plateau;
}

// Whether the thermostat has moved and its last sample lies past the window
// in the ramp's direction.
bool rampPassed(const std::deque<Sample> &curve, double from, double to) {
  const double start = curve.front().thermostat;
  const double now = curve.back().thermostat;
  return (now > start && now >= to) || (now < start && now <= from);
}

} // namespace

std::optional<Plateau> findPlateau(const std::deque<Sample> &curve, double from, double to) {
  if (curve.size() < kPlateauCurvePoints || !rampPassed(curve, from, to))
    return std::nullopt;
  std::vector<Point> points = binnedPoints(curve);
  if (points.size() < kFewestClimbs + 2)
    return std::nullopt;
  setClimbs(points);
  const auto runs = steepRuns(points, kPlateauSteepFactor * lowerQuartile(interiorClimbs(points)));
  const auto inRun = runMembership(points.size(), runs);
  std::optional<Plateau> chosen;
  double steepest = 0.0;
  for (const Run &run : runs) {
    const double climb = points[steepestPoint(points, run)].climb;
    const auto plateau = describe(points, inRun, run);
    if (plateau && plateau->temperature >= from && plateau->temperature <= to &&
        plateau->latentHeat > 0.0 && (!chosen || climb > steepest)) {
      chosen = plateau;
      steepest = climb;
    }
  }
  return chosen;
}

} // namespace analysis
