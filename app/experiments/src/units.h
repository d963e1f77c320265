// The units a lesson file writes after its numbers, grouped by what they
// measure, and the conversions between units of one kind. Temperatures use
// the program's own kelvin scale (analysis::toKelvin), so a value in °C or °F
// means what the Lab shows under that unit.
#pragma once

#include "analysis/units.h"

#include <optional>
#include <string_view>

namespace experiments {

enum class Dimension { None, Temperature, Pressure, Fraction, Length, Volume, Energy, Count };

struct Unit {
  std::string_view symbol; // as written: "K", "°C", "kPa", "Å", ...; "" for a bare number
  Dimension dimension = Dimension::None;
  double scale = 1.0; // the dimension's base unit (K, kPa, %, Å, kJ/mol) in one of these
  analysis::TemperatureUnit temperature = analysis::TemperatureUnit::Kelvin;
};

// The unit a symbol names, also under the spellings taken on reading ("C",
// "F", "A"); "" is the bare number's. nullopt for anything else.
std::optional<Unit> findUnit(std::string_view symbol);

// A value in a unit, in its dimension's base unit and back (with the offsets
// of °C and °F).
double toBase(double value, const Unit &unit);
double fromBase(double value, const Unit &unit);
// A difference (a tolerance) in a unit, in another of the same dimension:
// scales only, no offsets.
double convertDifference(double difference, const Unit &from, const Unit &to);

// "a temperature", "a pressure", "a percentage", ... for messages.
std::string_view dimensionName(Dimension dimension);

} // namespace experiments
