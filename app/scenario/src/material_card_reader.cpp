// Reading a material card, refusing anything it cannot vouch for with the
// file, the line and the reason.
#include "scenario/material_card.h"

#include "scenario/scenario_writer.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>
#include <tuple>

namespace ModDornDll {

namespace {

constexpr std::string_view kAngstrom = "\u00C5";

struct UnitFactor {
  std::string_view unit;
  double factor; // SI value of one of the unit
};

// Length units a card may use, in metres; mass units, in kilograms. The
// atomic mass unit is the CODATA 2018 value.
constexpr UnitFactor kLengthUnits[] = {
    {"m", 1.0}, {"nm", 1e-9}, {kAngstrom, 1e-10}, {"A", 1e-10}, {"pm", 1e-12}};
constexpr UnitFactor kMassUnits[] = {{"u", 1.66053906660e-27}, {"kg", 1.0}};
constexpr UnitFactor kTemperatureUnits[] = {{"K", 1.0}};
// Pressures in kilopascals, as the card writes them.
constexpr UnitFactor kPressureUnits[] = {{"kPa", 1.0}, {"Pa", 1e-3}, {"MPa", 1e3}};

// What a card may say, in SI units: from a nuclear radius to a metre, from
// an electron's mass to a kilogram, up to a million kelvin. Beyond these a
// card describes no molecular model, and its figures would not survive
// being written back in picometres and atomic mass units.
struct Range {
  double lowest;
  double highest;
  const char *text;
};
constexpr Range kLengthRange{1e-18, 1.0, "1e-18 m and 1 m"};
constexpr Range kMassRange{1e-31, 1.0, "1e-31 kg and 1 kg"};
constexpr Range kTemperatureRange{1e-6, 1e6, "1e-6 K and 1e6 K"};
// From far below the lowest triple-point pressure measured to far above the
// highest critical pressure (metals, some hundred MPa).
constexpr Range kPressureRange{1e-12, 1e8, "1e-12 kPa and 1e8 kPa"};

// Blanks around a key or value; a carriage return among them is no part of
// the text either, wherever a comment cut the line.
constexpr const char *kBlanks = " \t\r\v\f";

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// A block of the card: its header line and the keys given in it.
struct Block {
  int index = 0;
  int line = 0;
  std::vector<std::string> keys;
  CardMaterial material;
};

class CardReader {
public:
  explicit CardReader(const std::string &file) : file_(file) {}

  void readLine(std::string_view raw, int line) {
    line_ = line;
    std::string_view text = trimmed(raw.substr(0, raw.find('#')));
    if (text.empty())
      return;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
      return startMaterial(text);
    const std::string key = lowerCase(trimmed(text.substr(0, equals)));
    const std::string_view value = trimmed(text.substr(equals + 1));
    if (value.empty())
      fail("\"" + key + "\" has no value");
    if (blocks_.empty())
      return setUnit(key, value);
    setProperty(blocks_.back(), key, value);
  }

  MaterialCard finish() {
    line_ = 0;
    if (!(card_.metresPerLength > 0.0))
      fail("the card gives no length unit");
    if (!(card_.kilogramsPerMass > 0.0))
      fail("the card gives no mass unit");
    if (blocks_.empty())
      fail("the card names no material");
    std::sort(blocks_.begin(), blocks_.end(),
              [](const auto &a, const auto &b) { return a.index < b.index; });
    for (std::size_t k = 0; k < blocks_.size(); ++k) {
      if (blocks_[k].index != static_cast<int>(k))
        fail("material " + std::to_string(k) + " is missing: materials are numbered from 0");
      card_.materials.push_back(complete(blocks_[k]));
    }
    return card_;
  }

private:
  [[noreturn]] void fail(const std::string &reason) const { throw CardError(file_, line_, reason); }

  static std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
  }

  void startMaterial(std::string_view text) {
    constexpr std::string_view kWord = "material";
    if (lowerCase(text.substr(0, kWord.size())) != kWord)
      fail("expected \"key = value\" or \"material N\", not \"" + std::string(text) + "\"");
    const std::string_view number = trimmed(text.substr(kWord.size()));
    int index = -1;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), index);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        index < 0 || index >= kMostScenarioTypes)
      fail("a material is numbered from 0 to " + std::to_string(kMostScenarioTypes - 1) +
           ", not \"" + std::string(number) + "\"");
    for (const auto &block : blocks_)
      if (block.index == index)
        fail("material " + std::to_string(index) + " is given twice");
    Block block;
    block.line = line_;
    block.index = index;
    blocks_.push_back(block);
  }

  // A positive number followed by one of the units; its value in SI units.
  double measure(std::string_view value, const std::string &key,
                 std::span<const UnitFactor> units, const std::string &unitNames,
                 const Range &range) const {
    double number = 0.0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    const std::string_view unit = trimmed(value.substr(std::size_t(end - value.data())));
    if (error == std::errc() && std::isfinite(number) && number > 0.0)
      for (const UnitFactor &known : units)
        if (unit == known.unit)
          return inRange(number * known.factor, key, range);
    fail(key + " must be a positive number and " + unitNames + ", not \"" + std::string(value) +
         "\"");
  }

  double inRange(double si, const std::string &key, const Range &range) const {
    if (si < range.lowest || si > range.highest)
      fail(key + " must lie between " + range.text);
    return si;
  }

  void setUnit(const std::string &key, std::string_view value) {
    if (key == "length unit") {
      once(unitKeys_, key);
      card_.metresPerLength =
          measure(value, key, kLengthUnits, "one of m, nm, \u00C5, A, pm", kLengthRange);
    } else if (key == "mass unit") {
      once(unitKeys_, key);
      card_.kilogramsPerMass = measure(value, key, kMassUnits, "u or kg", kMassRange);
    } else if (isMaterialKey(key)) {
      fail("\"" + key + "\" belongs to a material: start its block with \"material N\"");
    } else {
      fail("unknown key \"" + key + "\"");
    }
  }

  static bool isMaterialKey(const std::string &key) {
    for (const char *known :
         {"name", "symbol", "melting point", "melting point source", "boiling point",
          "boiling point source", "model melting point", "triple point", "triple point source",
          "critical point", "critical point source"})
      if (key == known)
        return true;
    return false;
  }

  void once(std::vector<std::string> &given, const std::string &key) const {
    if (std::find(given.begin(), given.end(), key) != given.end())
      fail("\"" + key + "\" is given twice");
    given.push_back(key);
  }

  double kelvin(std::string_view value, const std::string &key) const {
    return measure(value, key, kTemperatureUnits, "K", kTemperatureRange);
  }

  // "273.16 K, 0.611657 kPa": a temperature and a pressure.
  CardStatePoint statePoint(std::string_view value, const std::string &key) const {
    const auto comma = value.find(',');
    if (comma == std::string_view::npos)
      fail(key + " must be a temperature and a pressure, as \"273.16 K, 0.611657 kPa\", not \"" +
           std::string(value) + "\"");
    return {kelvin(trimmed(value.substr(0, comma)), key),
            measure(trimmed(value.substr(comma + 1)), key, kPressureUnits, "kPa, Pa or MPa",
                    kPressureRange)};
  }

  void setProperty(Block &block, const std::string &key, std::string_view value) {
    if (key == "length unit" || key == "mass unit")
      fail("\"" + key + "\" belongs before the first material");
    if (!isMaterialKey(key))
      fail("unknown key \"" + key + "\"");
    once(block.keys, key);
    CardMaterial &m = block.material;
    if (key == "name")
      m.name = value;
    else if (key == "symbol")
      m.symbol = checkedSymbol(value);
    else if (key == "melting point")
      m.meltingPoint = kelvin(value, key);
    else if (key == "melting point source")
      m.meltingSource = value;
    else if (key == "boiling point")
      m.boilingPoint = kelvin(value, key);
    else if (key == "boiling point source")
      m.boilingSource = value;
    else if (key == "model melting point")
      m.modelMeltingPoint = kelvin(value, key);
    else if (key == "triple point")
      m.triplePoint = statePoint(value, key);
    else if (key == "triple point source")
      m.tripleSource = value;
    else if (key == "critical point")
      m.criticalPoint = statePoint(value, key);
    else
      m.criticalSource = value;
  }

  // An element symbol as trajectory viewers read it: a capital letter and at
  // most two small ones.
  std::string checkedSymbol(std::string_view value) const {
    const bool shaped = value.size() <= 3 && std::isupper(static_cast<unsigned char>(value[0])) &&
                        std::all_of(value.begin() + 1, value.end(), [](unsigned char c) {
                          return std::islower(c) != 0;
                        });
    if (!shaped)
      fail("the symbol must be a chemical element's, such as O or Si, not \"" +
           std::string(value) + "\"");
    return std::string(value);
  }

  CardMaterial complete(const Block &block) {
    line_ = block.line;
    const CardMaterial &m = block.material;
    const auto missing = [&](const std::string &key) {
      fail("this material has no \"" + key + "\"");
    };
    if (m.name.empty())
      missing("name");
    if (m.symbol.empty())
      missing("symbol");
    if (!(m.meltingPoint > 0.0))
      missing("melting point");
    if (m.meltingSource.empty())
      missing("melting point source");
    if (m.boilingPoint && m.boilingSource.empty())
      missing("boiling point source");
    if (!m.boilingPoint && !m.boilingSource.empty())
      missing("boiling point");
    for (const auto &[point, source, key] :
         {std::tuple{&m.triplePoint, &m.tripleSource, "triple point"},
          std::tuple{&m.criticalPoint, &m.criticalSource, "critical point"}}) {
      if (point->has_value() && source->empty())
        missing(std::string(key) + " source");
      if (!point->has_value() && !source->empty())
        missing(key);
    }
    if (m.triplePoint && m.criticalPoint &&
        (m.triplePoint->kelvin > m.criticalPoint->kelvin ||
         m.triplePoint->kilopascals > m.criticalPoint->kilopascals))
      fail("the triple point cannot lie above the critical point in temperature or pressure");
    return m;
  }

  std::string file_;
  int line_ = 0;
  MaterialCard card_;
  std::vector<std::string> unitKeys_;
  std::vector<Block> blocks_;
};

} // namespace

CardError::CardError(const std::string &file, int line, const std::string &reason)
    : std::runtime_error(file + (line > 0 ? ", line " + std::to_string(line) : std::string()) +
                         ": " + reason + "."),
      line_(line) {}

std::optional<analysis::ModelUnits> unitsOf(const std::optional<MaterialCard> &card) {
  if (!card)
    return std::nullopt;
  return analysis::ModelUnits{card->metresPerLength, card->kilogramsPerMass};
}

std::string cardPathFor(const std::string &scenarioPath) {
  constexpr std::string_view kScenario = ".ams";
  std::string path = scenarioPath;
  if (path.size() >= kScenario.size()) {
    std::string tail = path.substr(path.size() - kScenario.size());
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (tail == kScenario)
      path.resize(path.size() - kScenario.size());
  }
  return path + ".card";
}

MaterialCard parseMaterialCard(std::string_view text, const std::string &file) {
  CardReader reader(file);
  int line = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    if (!raw.empty() && raw.back() == '\r')
      raw.remove_suffix(1);
    reader.readLine(raw, ++line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return reader.finish();
}

MaterialCard readMaterialCard(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw CardError(path, 0, "the card cannot be opened");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad())
    throw CardError(path, 0, "the card cannot be read");
  return parseMaterialCard(text.str(), path);
}

void checkCardCovers(const MaterialCard &card, std::int32_t types, const std::string &file) {
  if (static_cast<std::int32_t>(card.materials.size()) < types)
    throw CardError(file, 0,
                    "the card names " + std::to_string(card.materials.size()) +
                        " material(s), but the scenario has " + std::to_string(types));
}

CardLookup lookUpCard(const std::string &scenarioPath, std::int32_t types) {
  const std::string path = cardPathFor(scenarioPath);
  CardLookup found;
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored))
    return found;
  try {
    MaterialCard card = readMaterialCard(path);
    checkCardCovers(card, types, path);
    found.card = std::move(card);
  } catch (const CardError &error) {
    found.problem = error.what();
  }
  return found;
}

} // namespace ModDornDll
