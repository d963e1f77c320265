#include "analysis/units.h"

#include <iterator>

namespace analysis {

double toKelvin(double value, TemperatureUnit unit) {
  switch (unit) {
  case TemperatureUnit::Fahrenheit:
    return (value - 32.0) * (5.0 / 9.0) + kKelvinAtZeroCelsius;
  case TemperatureUnit::Celsius:
    return value + kKelvinAtZeroCelsius;
  case TemperatureUnit::Kelvin:
    break;
  }
  return value;
}

double fromKelvin(double kelvin, TemperatureUnit unit) {
  switch (unit) {
  case TemperatureUnit::Fahrenheit:
    return (kelvin - kKelvinAtZeroCelsius) * (9.0 / 5.0) + 32.0;
  case TemperatureUnit::Celsius:
    return kelvin - kKelvinAtZeroCelsius;
  case TemperatureUnit::Kelvin:
    break;
  }
  return kelvin;
}

namespace {

// Names of the units, in the order of TemperatureUnit.
constexpr std::string_view kLetters[] = {"F", "C", "K"};
constexpr std::string_view kSymbols[] = {"\u00B0F", "\u00B0C", "K"};
static_assert(std::size(kLetters) == std::size_t(TemperatureUnit::Kelvin) + 1);
static_assert(std::size(kSymbols) == std::size(kLetters));

} // namespace

std::string_view unitLetter(TemperatureUnit unit) { return kLetters[std::size_t(unit)]; }

std::string_view unitSymbol(TemperatureUnit unit) { return kSymbols[std::size_t(unit)]; }

TemperatureUnit unitFromLetter(std::string_view letter) {
  for (std::size_t i = 0; i < std::size(kLetters); ++i)
    if (kLetters[i] == letter)
      return TemperatureUnit(i);
  return TemperatureUnit::Fahrenheit;
}

} // namespace analysis
