// A material card: the small text file beside a scenario file (X.card beside
// X.ams) that says which real substance each material of the scenario stands
// for, and how long the model's length unit and how heavy its mass unit are
// in the real world. The engine measures energy in kelvin, so those two
// units fix every other one.
//
// The card is read line by line. "#" starts a comment; blank lines are
// skipped. The card first gives the units, then one block per material:
//
//   length unit = 0.2 pm                  (a number and m, nm, Å, A or pm)
//   mass unit = 32.4 u                    (a number and u or kg)
//   material 0                            (materials numbered from 0)
//   name = water
//   symbol = O                            (an element, for trajectory viewers)
//   melting point = 273.15 K
//   melting point source = CRC Handbook of Chemistry and Physics
//   boiling point = 373.12 K              (optional, with its source)
//   boiling point source = CRC Handbook of Chemistry and Physics
//   model melting point = 266 K           (optional: measured on the model)
//   triple point = 273.16 K, 0.611657 kPa (optional, with its source)
//   triple point source = ...
//   critical point = 647.1 K, 22064 kPa   (optional, with its source)
//   critical point source = ...
#pragma once

#include "analysis/real_units.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ModDornDll {

// A temperature and pressure of the real substance, such as its triple point.
struct CardStatePoint {
  double kelvin = 0.0;
  double kilopascals = 0.0;
};

struct CardMaterial {
  std::string name;
  std::string symbol;
  double meltingPoint = 0.0; // kelvin
  std::string meltingSource;
  std::optional<double> boilingPoint; // kelvin
  std::string boilingSource;
  std::optional<double> modelMeltingPoint; // kelvin, as measured on the model
  std::optional<CardStatePoint> triplePoint;
  std::string tripleSource;
  std::optional<CardStatePoint> criticalPoint;
  std::string criticalSource;
};

struct MaterialCard {
  double metresPerLength = 0.0;
  double kilogramsPerMass = 0.0;
  std::vector<CardMaterial> materials; // index = material type
};

// The real size of the units a card gives; none without a card.
std::optional<analysis::ModelUnits> unitsOf(const std::optional<MaterialCard> &card);

// A card that cannot be used: what() names the file, the line (where there
// is one) and the reason.
class CardError : public std::runtime_error {
public:
  CardError(const std::string &file, int line, const std::string &reason);
  int line() const { return line_; }

private:
  int line_;
};

// The card of a scenario file: its name with the extension .card instead of
// .ams (or .card added when it has no .ams extension).
std::string cardPathFor(const std::string &scenarioPath);

// Reads a card's text; `file` names it in errors. Throws CardError.
MaterialCard parseMaterialCard(std::string_view text, const std::string &file);
// Reads the card at `path`. Throws CardError, also when it cannot be read.
MaterialCard readMaterialCard(const std::string &path);
// Throws CardError unless the card names a material for every one of the
// scenario's `types` types.
void checkCardCovers(const MaterialCard &card, std::int32_t types, const std::string &file);

// The card beside a scenario file, checked against the scenario's types:
// no card when there is no card file, or when the one there cannot be used,
// and then `problem` says why (the scenario runs in model units).
struct CardLookup {
  std::optional<MaterialCard> card;
  std::string problem;
};
CardLookup lookUpCard(const std::string &scenarioPath, std::int32_t types);

// The card's text, in the layout above; `scenarioName` goes in its heading.
std::string cardText(const MaterialCard &card, std::string_view scenarioName);
// Writes the card like a scenario file: the old file stays until the new one
// is complete. Throws SaveError naming the file and the cause.
void writeMaterialCard(const std::string &path, const MaterialCard &card,
                       std::string_view scenarioName);

} // namespace ModDornDll
