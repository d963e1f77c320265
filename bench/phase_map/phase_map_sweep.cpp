// Measures state points of one material's phase map on the real engine and
// writes them as a phase map; or joins such maps into one. The engine holds
// one simulation per process: bench/phase_map/sweep runs two of these at a
// time, one per core, each on a share of the points, and joins their maps.
//
// usage: phase_map_sweep --substance NAME --molar-mass U --A DEPTH --mass M
//                        [--cells N] [--settle STEPS] [--measure STEPS]
//                        --out FILE.map --scratch FILE.ams T:FRACTION...
//        phase_map_sweep --join OUT.map IN.map...
//
// T is the temperature held (kelvin), FRACTION the density as a share of the
// crystal's at its pair's energy minimum. --scratch names the scenario file
// each point is written to and loaded from.
#include "state_point.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Options {
  std::string substance;
  phasemap::Material material;
  phasemap::Schedule schedule;
  std::string out;
  std::string scratch;
  std::vector<std::pair<double, double>> points; // kelvin, fraction
};

// value rounded to `digits` significant digits: the map keeps what the
// measurement can tell.
double significant(double value, int digits) {
  if (value == 0.0 || !std::isfinite(value))
    return value;
  const double scale = std::pow(10.0, digits - 1 - int(std::floor(std::log10(std::abs(value)))));
  return std::round(value * scale) / scale;
}

analysis::MapPoint rounded(analysis::MapPoint p) {
  p.temperature = std::round(p.temperature * 100.0) / 100.0;
  p.density = significant(p.density, 4);
  p.pressure = significant(p.pressure, 4);
  // Four decimals keep a share of up to 10,000 atoms on its side of the 20 %
  // at which a phase counts.
  for (double *share : {&p.solidShare, &p.liquidShare, &p.gasShare})
    *share = std::round(*share * 1e4) / 1e4;
  return p;
}

std::pair<double, double> statePoint(const std::string &text) {
  const auto colon = text.find(':');
  if (colon == std::string::npos)
    throw std::invalid_argument("a state point is T:FRACTION, not \"" + text + "\"");
  const double kelvin = std::stod(text.substr(0, colon));
  const double fraction = std::stod(text.substr(colon + 1));
  if (!(kelvin > 0.0) || !(fraction > 0.0) || fraction > 1.5)
    throw std::invalid_argument("no state point at \"" + text + "\"");
  return {kelvin, fraction};
}

Options parse(const std::vector<std::string> &args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &a = args[i];
    const auto value = [&]() -> const std::string & {
      if (i + 1 >= args.size())
        throw std::invalid_argument(a + " needs a value");
      return args[++i];
    };
    if (a == "--substance")
      o.substance = value();
    else if (a == "--molar-mass")
      o.material.molarMass = std::stod(value());
    else if (a == "--A")
      o.material.depth = std::stod(value());
    else if (a == "--mass")
      o.material.mass = std::stod(value());
    else if (a == "--cells")
      o.schedule.cells = std::stoi(value());
    else if (a == "--settle")
      o.schedule.settle = std::stoi(value());
    else if (a == "--measure")
      o.schedule.measure = std::stoi(value());
    else if (a == "--out")
      o.out = value();
    else if (a == "--scratch")
      o.scratch = value();
    else
      o.points.push_back(statePoint(a));
  }
  if (o.substance.empty() || o.out.empty() || o.scratch.empty() || o.points.empty() ||
      !(o.material.molarMass > 0.0) || !(o.material.depth > 0.0) || !(o.material.mass > 0.0))
    throw std::invalid_argument("give --substance, --molar-mass, --A, --mass, --out, --scratch "
                                "and the state points");
  if (o.schedule.cells < 2 || o.schedule.settle < 0 ||
      o.schedule.measure < analysis::kRecentSteps || o.schedule.measure % 50 != 0)
    throw std::invalid_argument("--cells from 2, --measure a multiple of 50 from 1000");
  return o;
}

std::string fileText(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in)
    throw std::runtime_error(path + ": cannot be read");
  return text.str();
}

void writeText(const std::string &path, const std::string &text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out)
    throw std::runtime_error(path + ": cannot be written");
}

int join(const std::vector<std::string> &args) {
  if (args.size() < 2)
    throw std::invalid_argument("--join needs the map to write and the maps to join");
  analysis::PhaseMap joined;
  for (std::size_t k = 1; k < args.size(); ++k) {
    const analysis::PhaseMap part = analysis::parsePhaseMap(fileText(args[k]), args[k]);
    if (k > 1 && part.substance != joined.substance)
      throw std::runtime_error(args[k] + " is a map of " + part.substance + ", not of " +
                               joined.substance);
    joined.substance = part.substance;
    joined.points.insert(joined.points.end(), part.points.begin(), part.points.end());
  }
  writeText(args[0], analysis::writePhaseMap(joined));
  return 0;
}

int sweep(const Options &o) {
  analysis::PhaseMap map{o.substance, {}};
  for (const auto &[kelvin, fraction] : o.points) {
    const auto began = std::chrono::steady_clock::now();
    const analysis::MapPoint p =
        rounded(phasemap::measureStatePoint(o.material, o.schedule, kelvin, fraction, o.scratch));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
    std::fprintf(stderr,
                 "%s %7.2f K (held %g) %8.4g kg/m3 %10.4g kPa  %-16s %.3f %.3f %.3f  %.1f s\n",
                 o.substance.c_str(), p.temperature, kelvin, p.density, p.pressure,
                 std::string(analysis::phaseMixName(p.phase)).c_str(), p.solidShare, p.liquidShare,
                 p.gasShare, took.count());
    map.points.push_back(p);
  }
  writeText(o.out, analysis::writePhaseMap(map));
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (!args.empty() && args[0] == "--join")
      return join({args.begin() + 1, args.end()});
    return sweep(parse(args));
  } catch (const std::exception &error) {
    std::fprintf(stderr, "phase_map_sweep: %s\n", error.what());
    return 2;
  }
}
