// Reading any bytes as a material card: the reader either refuses them with
// a CardError or takes a card that, written back, reads as the same card.
#include "scenario/material_card.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Written back with twelve significant digits, a figure keeps eleven.
bool same(double a, double b) { return std::abs(a - b) <= 1e-11 * std::abs(a); }

bool same(const std::optional<double> &a, const std::optional<double> &b) {
  return a.has_value() == b.has_value() && (!a || same(*a, *b));
}

bool same(const std::optional<ModDornDll::CardStatePoint> &a,
          const std::optional<ModDornDll::CardStatePoint> &b) {
  return a.has_value() == b.has_value() &&
         (!a || (same(a->kelvin, b->kelvin) && same(a->kilopascals, b->kilopascals)));
}

bool same(const ModDornDll::CardMaterial &a, const ModDornDll::CardMaterial &b) {
  return a.name == b.name && a.symbol == b.symbol && same(a.meltingPoint, b.meltingPoint) &&
         a.meltingSource == b.meltingSource && same(a.boilingPoint, b.boilingPoint) &&
         a.boilingSource == b.boilingSource && same(a.modelMeltingPoint, b.modelMeltingPoint) &&
         same(a.triplePoint, b.triplePoint) && a.tripleSource == b.tripleSource &&
         same(a.criticalPoint, b.criticalPoint) && a.criticalSource == b.criticalSource;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  ModDornDll::MaterialCard card;
  try {
    card = ModDornDll::parseMaterialCard(text, "fuzz.card");
  } catch (const ModDornDll::CardError &) {
    return 0;
  }
  const ModDornDll::MaterialCard back =
      ModDornDll::parseMaterialCard(ModDornDll::cardText(card, "fuzz.ams"), "back.card");
  if (!same(back.metresPerLength, card.metresPerLength) ||
      !same(back.kilogramsPerMass, card.kilogramsPerMass) ||
      back.materials.size() != card.materials.size())
    std::abort();
  for (std::size_t k = 0; k < card.materials.size(); ++k)
    if (!same(back.materials[k], card.materials[k]))
      std::abort();
  return 0;
}
