// A phase map as text:
//
//   # comments and blank lines anywhere
//   substance = water
//   temperature_K,density_kg_m3,pressure_kPa,phase,solid_share,liquid_share,gas_share
//   268,1001.5,2.41,solid and liquid,0.62,0.38,0
//   ...
//
// One row per state point; the phase is named as phaseMixName names it and
// must be one the three shares can give (phaseMixOf).
#include "analysis/phase_map.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace analysis {

namespace {

constexpr std::string_view kSubstanceKey = "substance";
constexpr std::string_view kHeader =
    "temperature_K,density_kg_m3,pressure_kPa,phase,solid_share,liquid_share,gas_share";
constexpr std::size_t kColumns = 7;
// The shares of a row add up to 1 but for their rounding in the text.
constexpr double kShareSumTolerance = 0.005;
constexpr const char *kBlanks = " \t\r\v\f";

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::array<std::string_view, kColumns + 1> splitRow(std::string_view row, std::size_t &count) {
  std::array<std::string_view, kColumns + 1> fields{};
  count = 0;
  while (count <= kColumns) {
    const auto comma = row.find(',');
    fields[count++] = trimmed(row.substr(0, comma));
    if (comma == std::string_view::npos)
      break;
    row.remove_prefix(comma + 1);
  }
  return fields;
}

class MapReader {
public:
  explicit MapReader(const std::string &name) : name_(name) {}

  void readLine(std::string_view raw, int line) {
    line_ = line;
    const std::string_view text = trimmed(raw.substr(0, raw.find('#')));
    if (text.empty())
      return;
    if (!substance_)
      return readSubstance(text);
    if (!header_)
      return readHeader(text);
    map_.points.push_back(readPoint(text));
  }

  PhaseMap finish() {
    line_ = 0;
    if (!substance_)
      fail("the map names no substance (\"substance = NAME\")");
    if (!header_)
      fail("the map has no table header");
    return std::move(map_);
  }

private:
  [[noreturn]] void fail(const std::string &reason) const {
    throw PhaseMapError(name_ + (line_ > 0 ? ", line " + std::to_string(line_) : std::string()) +
                        ": " + reason + ".");
  }

  void readSubstance(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos || trimmed(text.substr(0, equals)) != kSubstanceKey)
      fail("expected \"substance = NAME\", not \"" + std::string(text) + "\"");
    const std::string_view name = trimmed(text.substr(equals + 1));
    if (name.empty())
      fail("the substance has no name");
    map_.substance = name;
    substance_ = true;
  }

  void readHeader(std::string_view text) {
    std::size_t count = 0;
    const auto fields = splitRow(text, count);
    std::string joined;
    for (std::size_t k = 0; k < count; ++k) {
      if (k > 0)
        joined += ',';
      joined += fields[k];
    }
    if (joined != kHeader)
      fail("expected the table header \"" + std::string(kHeader) + "\"");
    header_ = true;
  }

  double number(std::string_view field, const char *column, double highest) const {
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size() ||
        !std::isfinite(value) || value < 0.0 || value > highest)
      fail(std::string(column) + " must be a number from 0 to " + shortNumber(highest) +
           ", not \"" + std::string(field) + "\"");
    return value;
  }

  MapPoint readPoint(std::string_view text) const {
    std::size_t count = 0;
    const auto fields = splitRow(text, count);
    if (count != kColumns)
      fail("a state point has " + std::to_string(kColumns) + " values, not " +
           std::to_string(count));
    MapPoint p;
    // Beyond these no real substance is found: hotter than a star's core,
    // denser than osmium tenfold, or pressed harder than a planet's centre.
    p.temperature = number(fields[0], "the temperature", 1e8);
    p.density = number(fields[1], "the density", 2.5e5);
    p.pressure = number(fields[2], "the pressure", 1e12);
    if (p.temperature == 0.0 || p.density == 0.0)
      fail("the temperature and the density must be above 0");
    p.solidShare = number(fields[4], "the solid share", 1.0);
    p.liquidShare = number(fields[5], "the liquid share", 1.0);
    p.gasShare = number(fields[6], "the gas share", 1.0);
    if (std::abs(p.solidShare + p.liquidShare + p.gasShare - 1.0) > kShareSumTolerance)
      fail("the three shares must add up to 1");
    const std::optional<PhaseMix> phase = phaseMixFromName(fields[3]);
    if (!phase || *phase == PhaseMix::None)
      fail("unknown phase \"" + std::string(fields[3]) + "\"");
    p.phase = *phase;
    if (!sharesAllow(p))
      fail("the shares do not make the state point " + std::string(fields[3]));
    return p;
  }

  // Whether the shares give the point's phase. Whether its liquid and gas
  // atoms stood apart (a vapour beside its liquid) or mixed as one fluid,
  // the gas atoms' crowding decided, which the map does not keep: either
  // reading is taken.
  static bool sharesAllow(const MapPoint &p) {
    TypeSummary summary;
    summary.atoms = 1;
    summary.solidShare = p.solidShare;
    summary.liquidShare = p.liquidShare;
    summary.freeShare = p.gasShare;
    if (phaseMixOf(summary) == p.phase)
      return true;
    summary.gasNeighbours = kVapourNeighbours;
    return phaseMixOf(summary) == p.phase;
  }

  static std::string shortNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
  }

  std::string name_;
  int line_ = 0;
  bool substance_ = false;
  bool header_ = false;
  PhaseMap map_;
};

// The shortest text that reads back as the same double.
void addNumber(std::string &out, double value) {
  char text[32];
  out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

} // namespace

PhaseMap parsePhaseMap(std::string_view text, const std::string &name) {
  MapReader reader(name);
  int line = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    reader.readLine(text.substr(0, end), ++line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return reader.finish();
}

std::string writePhaseMap(const PhaseMap &map) {
  std::string out = "# Phase map of " + map.substance +
                    " measured on the model: one row per state point, held at its\n"
                    "# temperature; the density is the material's mass over the room inside\n"
                    "# the walls' skins, the pressure the walls' push; the phase and the\n"
                    "# shares of its atoms that are solid, liquid and gas.\n";
  out += std::string(kSubstanceKey) + " = " + map.substance + "\n";
  out += std::string(kHeader) + "\n";
  for (const MapPoint &p : map.points) {
    for (const double value : {p.temperature, p.density, p.pressure}) {
      addNumber(out, value);
      out += ',';
    }
    out += phaseMixName(p.phase);
    for (const double share : {p.solidShare, p.liquidShare, p.gasShare}) {
      out += ',';
      addNumber(out, share);
    }
    out += '\n';
  }
  return out;
}

} // namespace analysis
