// Writing a material card in the layout its reader takes.
#include "scenario/material_card.h"

#include "file_replacement.h"
#include "scenario/scenario_writer.h"

#include <cstdio>
#include <tuple>

namespace ModDornDll {

namespace {

constexpr double kMetresPerPicometre = 1e-12;
constexpr double kKilogramsPerAtomicMassUnit = 1.66053906660e-27;

// Twelve significant digits: a unit reads back as written, without the
// last bits of a division showing.
std::string cardNumber(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.12g", value);
  return text;
}

void addLine(std::string &out, const std::string &key, const std::string &value) {
  out += key + " = " + value + "\n";
}

void addMaterial(std::string &out, std::size_t index, const CardMaterial &m) {
  out += "\nmaterial " + std::to_string(index) + "\n";
  addLine(out, "name", m.name);
  addLine(out, "symbol", m.symbol);
  addLine(out, "melting point", cardNumber(m.meltingPoint) + " K");
  addLine(out, "melting point source", m.meltingSource);
  if (m.boilingPoint) {
    addLine(out, "boiling point", cardNumber(*m.boilingPoint) + " K");
    addLine(out, "boiling point source", m.boilingSource);
  }
  if (m.modelMeltingPoint)
    addLine(out, "model melting point", cardNumber(*m.modelMeltingPoint) + " K");
  for (const auto &[point, source, key] :
       {std::tuple{&m.triplePoint, &m.tripleSource, "triple point"},
        std::tuple{&m.criticalPoint, &m.criticalSource, "critical point"}}) {
    if (!point->has_value())
      continue;
    addLine(out, key, cardNumber((*point)->kelvin) + " K, " + cardNumber((*point)->kilopascals) + " kPa");
    addLine(out, std::string(key) + " source", *source);
  }
}

} // namespace

std::string cardText(const MaterialCard &card, std::string_view scenarioName) {
  std::string out = "# Material card of " + std::string(scenarioName) +
                    ": the real substance behind each material\n"
                    "# and the real size of the model's units. Lines are \"key = value\"; "
                    "\"#\" starts a comment.\n";
  addLine(out, "length unit", cardNumber(card.metresPerLength / kMetresPerPicometre) + " pm");
  addLine(out, "mass unit", cardNumber(card.kilogramsPerMass / kKilogramsPerAtomicMassUnit) + " u");
  for (std::size_t k = 0; k < card.materials.size(); ++k)
    addMaterial(out, k, card.materials[k]);
  return out;
}

void writeMaterialCard(const std::string &path, const MaterialCard &card,
                       std::string_view scenarioName) {
  replaceFile(path, cardText(card, scenarioName));
}

} // namespace ModDornDll
