// Reads a scenario file line by line in its fixed layout and checks every
// value the engine or the program could not live with. Nothing outside the
// returned record changes.
#include "scenario_reader.h"

#include "line_reader.h"
#include "scenario/atom_model_file_io.h"
#include "scenario/mod_dorn_dll.h"
#include "scenario/scenario_writer.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace ModDornDll {
namespace {

using AtomModelFileIO::readNumber;

constexpr int kListSlots = 21;
constexpr std::size_t kMaxLineLength = 32767;

// Slots of an atom line in the list buffer: field 1 (slot 0) is not used.
constexpr int kAtomX = 1, kAtomVx = 4, kAtomMass = 7, kAtomType = 8;

std::string formatNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

// The lines of the file, handed out in order; every failure names the file
// and the line.
class LineSource {
public:
  LineSource(std::string fileName, std::vector<std::string> lines)
      : fileName_(std::move(fileName)), lines_(std::move(lines)) {}

  const std::string &next(const std::string &expected) {
    ++lineNumber_;
    if (static_cast<std::size_t>(lineNumber_) > lines_.size())
      throw ScenarioError(where() + "the file ends here; expected " + expected + ".");
    const std::string &line = lines_[lineNumber_ - 1];
    if (line.size() > kMaxLineLength)
      fail(expected + " on a line of at most 32,767 characters");
    return line;
  }

  [[noreturn]] void fail(const std::string &expected) const {
    throw ScenarioError(where() + "expected " + expected + ".");
  }

  // Runs a reading step, turning a number beyond the doubles or a list
  // beyond the buffer into a failure on the current line.
  template <typename Step> auto guarded(const std::string &expected, Step step) const {
    try {
      return step();
    } catch (const std::range_error &) {
      fail(expected + ", with numbers no larger than about 1.8E308");
    } catch (const std::length_error &) {
      fail(expected + " in at most 21 comma-separated fields");
    }
  }

private:
  std::string where() const { return fileName_ + ", line " + std::to_string(lineNumber_) + ": "; }

  std::string fileName_;
  std::vector<std::string> lines_;
  int lineNumber_ = 0;
};

double keyValue(LineSource &source, const std::string &what) {
  const std::string expected = what + " after \"= \"";
  const std::string &line = source.next(expected);
  const auto at = line.find('=');
  if (at != std::string::npos && at + 1 == line.size())
    source.fail(expected + ", but the line ends at its \"=\"");
  return source.guarded(expected, [&] { return AtomModelFileIO::valueAfterSeparator(line, "="); });
}

std::int32_t rounded(const LineSource &source, double value, const std::string &what) {
  const double whole = std::nearbyint(value);
  if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
        whole <= std::numeric_limits<std::int32_t>::max()))
    source.fail(what + " within the 32-bit range, found " + formatNumber(value));
  return static_cast<std::int32_t>(whole);
}

std::array<double, 3> boxCorner(LineSource &source, const std::string &what) {
  const std::string expected = what + " as x, y, z after \"=\"";
  const std::string &line = source.next(expected);
  return source.guarded(expected, [&] {
    std::string ignored, afterMarker, x, afterX, y, z;
    AtomModelFileIO::splitAtSeparator(line, "=", ignored, afterMarker);
    AtomModelFileIO::splitAtSeparator(afterMarker, ",", x, afterX);
    AtomModelFileIO::splitAtSeparator(afterX, ",", y, z);
    return std::array<double, 3>{readNumber(x), readNumber(y), readNumber(z)};
  });
}

// A list line into the buffer; slots beyond the line's fields keep the
// values of the list line before.
void readList(LineSource &source, std::array<double, kListSlots> &buffer,
              const std::string &expected) {
  const std::string &line = source.next(expected);
  source.guarded(expected, [&] {
    int fields = 0;
    AtomModelFileIO::parseNumberList(line, ",", buffer.data(), kListSlots, fields);
    return fields;
  });
}

void readHeader(LineSource &source, ScenarioData &data) {
  source.next("the version line");
  data.requestedAtoms = rounded(source, keyValue(source, "the number of atoms"), "an atom count");
  data.atomCount = 2 * rounded(source, data.requestedAtoms / 2.0, "an atom count");
  if (data.atomCount < 2 || data.atomCount > kMostScenarioAtoms)
    source.fail("an atom count from 2 to 10,922 (odd counts round to even), found " +
                std::to_string(data.requestedAtoms));
  data.typeCount = rounded(source, keyValue(source, "the number of types"), "a type count");
  if (data.typeCount < 1 || data.typeCount > kMostScenarioTypes)
    source.fail("a type count from 1 to 127, found " + std::to_string(data.typeCount));
  data.temperature = keyValue(source, "the temperature");
  data.gravity = keyValue(source, "the gravity");
  data.timeStep = keyValue(source, "the time step");
  source.next("the steps-per-run line");
  const auto low = boxCorner(source, "the box minimum");
  const auto high = boxCorner(source, "the box maximum");
  data.box = {low[0], low[1], low[2], high[0], high[1], high[2]};
  for (std::int32_t t = 0; t < data.typeCount; ++t)
    source.next("the mass line of type " + std::to_string(t));
}

// "(a, b)", built step by step: GCC 12 warns falsely about "(" + string.
std::string typePair(std::int32_t a, std::int32_t b) {
  std::string pair = "(";
  pair += std::to_string(a);
  pair += ", ";
  pair += std::to_string(b);
  pair += ")";
  return pair;
}

void readPairs(LineSource &source, ScenarioData &data, std::array<double, kListSlots> &buffer) {
  source.next("the line \"Potential functions:\"");
  for (std::int32_t a = 0; a < data.typeCount; ++a) {
    for (std::int32_t b = 0; b <= a; ++b) {
      const std::string pair = typePair(a, b);
      readList(source, buffer, "the pair parameters A, b, C, D of the types " + pair);
      if (buffer[2] == buffer[3])
        source.fail("a cut-off D different from the reference distance C for the types " + pair +
                    ", found both " + formatNumber(buffer[2]));
      data.potentialParams.insert(data.potentialParams.end(), buffer.begin(), buffer.begin() + 4);
    }
  }
}

// The engine stops every run while an atom lies outside the box (limits
// count as inside), so such a file could never run.
void checkInsideBox(const LineSource &source, const std::array<double, 6> &box,
                    const std::array<double, kListSlots> &buffer, std::int32_t k) {
  static constexpr const char *kAxes[] = {"x", "y", "z"};
  for (int axis = 0; axis < 3; ++axis) {
    const double value = buffer[kAtomX + axis];
    if (!(value >= box[axis] && value <= box[3 + axis]))
      source.fail("atom " + std::to_string(k) + "'s " + kAxes[axis] + " within the box, " +
                  formatNumber(box[axis]) + " to " + formatNumber(box[3 + axis]) + ", found " +
                  formatNumber(value));
  }
}

void readAtoms(LineSource &source, ScenarioData &data, std::array<double, kListSlots> &buffer) {
  source.next("the heading line \" x, y, z, vx, vy, vz, mass, type\"");
  for (std::int32_t k = 0; k < data.atomCount; ++k) {
    readList(source, buffer,
             "the line of atom " + std::to_string(k) + " of " + std::to_string(data.atomCount) +
                 " (number, x, y, z, vx, vy, vz, mass, type)");
    checkInsideBox(source, data.box, buffer, k);
    const double mass = buffer[kAtomMass];
    if (!(mass > 0.0 && std::isfinite(mass)))
      source.fail("a positive finite mass for atom " + std::to_string(k) + ", found " +
                  formatNumber(mass));
    const auto type = rounded(source, buffer[kAtomType], "an atom type");
    if (type < 0 || type >= data.typeCount)
      source.fail("an atom type from 0 to " + std::to_string(data.typeCount - 1) + ", found " +
                  formatNumber(buffer[kAtomType]));
    data.coords.insert(data.coords.end(), buffer.begin() + kAtomX, buffer.begin() + kAtomX + 3);
    data.velocities.insert(data.velocities.end(), buffer.begin() + kAtomVx,
                           buffer.begin() + kAtomVx + 3);
    data.masses.push_back(buffer[kAtomMass]);
    data.atomTypes.push_back(type);
  }
}

ScenarioData parseLines(const std::string &fileName, std::vector<std::string> lines) {
  LineSource source(fileName, std::move(lines));
  ScenarioData data;
  std::array<double, kListSlots> buffer{};
  readHeader(source, data);
  readPairs(source, data, buffer);
  readAtoms(source, data, buffer);
  return data;
}

} // namespace

ScenarioData readScenario(const std::string &fileName) {
  std::vector<std::string> lines;
  try {
    lines = AtomModelFileIO::readLines(fileName);
  } catch (const std::runtime_error &error) {
    throw ScenarioError(fileName + ": cannot open the scenario file (" + error.what() + ").");
  }
  return parseLines(fileName, std::move(lines));
}

ScenarioData parseScenario(const std::string &fileName, const std::string &text) {
  return parseLines(fileName, AtomModelFileIO::splitLines(text));
}

} // namespace ModDornDll
