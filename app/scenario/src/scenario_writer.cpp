// The scenario layout written line by line.
#include "scenario/scenario_writer.h"

#include "file_replacement.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ModDornDll {
namespace {

constexpr const char *kLineEnd = "\r\n";

// The shortest text that reads back as the same double; the exponent is
// written with an upper-case E, as the format names it.
std::string number(double value) {
  if (!std::isfinite(value))
    throw SaveError("the simulation holds a value that is not a finite number");
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  std::string written(text, end);
  std::replace(written.begin(), written.end(), 'e', 'E');
  return written;
}

std::string list(std::initializer_list<double> values) {
  std::string line;
  for (const double value : values) {
    if (!line.empty())
      line += ", ";
    line += number(value);
  }
  return line;
}

// The mass line of a type names the mass of its first atom; a type without
// atoms gets 1.
double typeMass(const ScenarioData &data, std::int32_t type) {
  const auto it = std::find(data.atomTypes.begin(), data.atomTypes.end(), type);
  return it == data.atomTypes.end() ? 1.0 : data.masses[it - data.atomTypes.begin()];
}

void writeHeader(std::string &out, const ScenarioData &data) {
  const auto &b = data.box;
  for (const std::string &line :
       {std::string("Version = 1.0"), "Number of atoms = " + std::to_string(data.atomCount),
        "Number of types = " + std::to_string(data.typeCount),
        "Temperature = " + number(data.temperature), "Gravity = " + number(data.gravity),
        "Timestep = " + number(data.timeStep), std::string("Steps per run = 5"),
        "box min dimensions = " + list({b[0], b[1], b[2]}),
        "box max dimensions = " + list({b[3], b[4], b[5]})})
    out += line + kLineEnd;
  for (std::int32_t t = 0; t < data.typeCount; ++t)
    out += "Type " + std::to_string(t) + " has mass " + number(typeMass(data, t)) + kLineEnd;
}

void writePairs(std::string &out, const ScenarioData &data) {
  out += std::string("Potential functions:") + kLineEnd;
  const auto &p = data.potentialParams;
  for (std::size_t j = 0; j + 3 < p.size(); j += 4)
    out += list({p[j], p[j + 1], p[j + 2], p[j + 3]}) + kLineEnd;
}

void writeAtoms(std::string &out, const ScenarioData &data) {
  out += std::string(" x, y, z, vx, vy, vz, mass, type") + kLineEnd;
  const auto &r = data.coords;
  const auto &v = data.velocities;
  for (std::size_t k = 0; k < data.masses.size(); ++k) {
    const std::size_t i = 3 * k;
    out += std::to_string(k) + ", " +
           list({r[i], r[i + 1], r[i + 2], v[i], v[i + 1], v[i + 2], data.masses[k]}) + ", " +
           std::to_string(data.atomTypes[k]) + kLineEnd;
  }
  out += std::string("**** End Of File ****") + kLineEnd;
}

} // namespace

std::string scenarioText(const ScenarioData &data) {
  if (data.atomCount > kMostScenarioAtoms || data.typeCount > kMostScenarioTypes)
    throw SaveError("a scenario file holds at most 10,922 atoms of 127 types, not " +
                    std::to_string(data.atomCount) + " atoms of " +
                    std::to_string(data.typeCount) + " types");
  std::string out;
  writeHeader(out, data);
  writePairs(out, data);
  writeAtoms(out, data);
  return out;
}

void writeScenarioFile(const std::string &path, const ScenarioData &data) {
  std::string text;
  try {
    text = scenarioText(data);
  } catch (const SaveError &error) {
    throw SaveError(path + ": cannot be saved: " + error.what() + ".");
  }
  replaceFile(path, text);
}

} // namespace ModDornDll
