#include "units.h"

#include "analysis/real_units.h"
#include "experiments/experiment.h"

#include <array>

namespace experiments {

namespace {

using analysis::TemperatureUnit;

constexpr double kKilopascalsPerAtmosphere =
    analysis::kPascalsPerAtmosphere / analysis::kPascalsPerKilopascal;
constexpr double kAngstromsPerNanometre =
    analysis::kMetresPerNanometre / analysis::kMetresPerAngstrom;
constexpr double kAngstromsPerPicometre =
    analysis::kMetresPerPicometre / analysis::kMetresPerAngstrom;
// One degree Fahrenheit is five ninths of a kelvin.
constexpr double kKelvinPerFahrenheitDegree = 5.0 / 9.0;

constexpr std::array kUnits = {
    Unit{"", Dimension::None},
    Unit{"K", Dimension::Temperature, 1.0, TemperatureUnit::Kelvin},
    Unit{"\u00B0C", Dimension::Temperature, 1.0, TemperatureUnit::Celsius},
    Unit{"\u00B0F", Dimension::Temperature, kKelvinPerFahrenheitDegree,
         TemperatureUnit::Fahrenheit},
    Unit{"kPa", Dimension::Pressure},
    Unit{"atm", Dimension::Pressure, kKilopascalsPerAtmosphere},
    Unit{"Pa", Dimension::Pressure, 1.0 / analysis::kPascalsPerKilopascal},
    Unit{"%", Dimension::Fraction},
    Unit{"\u00C5", Dimension::Length},
    Unit{"nm", Dimension::Length, kAngstromsPerNanometre},
    Unit{"pm", Dimension::Length, kAngstromsPerPicometre},
    Unit{"nm\u00B3", Dimension::Volume},
    Unit{"kJ/mol", Dimension::Energy},
    Unit{"steps", Dimension::Count},
};

// Spellings without the degree sign or the ring, as a keyboard types them.
struct Alias {
  std::string_view written;
  std::string_view symbol;
};
constexpr std::array kAliases = {Alias{"C", "\u00B0C"}, Alias{"F", "\u00B0F"},
                                 Alias{"A", "\u00C5"}};

} // namespace

std::optional<Unit> findUnit(std::string_view symbol) {
  for (const Alias &alias : kAliases)
    if (alias.written == symbol)
      symbol = alias.symbol;
  for (const Unit &unit : kUnits)
    if (unit.symbol == symbol)
      return unit;
  return std::nullopt;
}

double toBase(double value, const Unit &unit) {
  if (unit.dimension == Dimension::Temperature)
    return analysis::toKelvin(value, unit.temperature);
  return value * unit.scale;
}

double fromBase(double value, const Unit &unit) {
  if (unit.dimension == Dimension::Temperature)
    return analysis::fromKelvin(value, unit.temperature);
  return value / unit.scale;
}

double convertDifference(double difference, const Unit &from, const Unit &to) {
  return difference * from.scale / to.scale;
}

std::string_view dimensionName(Dimension dimension) {
  switch (dimension) {
  case Dimension::None:
    return "a number without a unit";
  case Dimension::Temperature:
    return "a temperature";
  case Dimension::Pressure:
    return "a pressure";
  case Dimension::Fraction:
    return "a percentage";
  case Dimension::Length:
    return "a length";
  case Dimension::Volume:
    return "a volume";
  case Dimension::Energy:
    return "an energy";
  case Dimension::Count:
    return "a number of steps";
  }
  return "";
}

std::string_view measuredUnit(MeasureKind kind) {
  switch (kind) {
  case MeasureKind::Temperature:
  case MeasureKind::Plateau:
    return "K";
  case MeasureKind::LatentHeat:
  case MeasureKind::Potential:
  case MeasureKind::WellDepth:
    return "kJ/mol";
  case MeasureKind::Pressure:
    return "kPa";
  case MeasureKind::Volume:
    return "nm\u00B3";
  case MeasureKind::Moving:
  case MeasureKind::Vapour:
    return "%";
  case MeasureKind::WellDistance:
  case MeasureKind::DistancePeak:
    return "\u00C5";
  case MeasureKind::Phase:
    break;
  }
  return "";
}

} // namespace experiments
