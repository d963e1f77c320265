#include "analysis/units.h"

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

std::string_view unitLetter(TemperatureUnit unit) {
  switch (unit) {
  case TemperatureUnit::Fahrenheit:
    return "F";
  case TemperatureUnit::Celsius:
    return "C";
  case TemperatureUnit::Kelvin:
    break;
  }
  return "K";
}

std::string_view unitSymbol(TemperatureUnit unit) {
  switch (unit) {
  case TemperatureUnit::Fahrenheit:
    return "\u00B0F";
  case TemperatureUnit::Celsius:
    return "\u00B0C";
  case TemperatureUnit::Kelvin:
    break;
  }
  return "K";
}

TemperatureUnit unitFromLetter(std::string_view letter) {
  if (letter == "C")
    return TemperatureUnit::Celsius;
  if (letter == "K")
    return TemperatureUnit::Kelvin;
  return TemperatureUnit::Fahrenheit;
}

} // namespace analysis
