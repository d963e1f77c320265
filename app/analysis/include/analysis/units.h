// Temperature units of the program: the engine's temperature is taken as
// kelvin; the landscape and the Lab show it in degrees Fahrenheit, degrees
// Celsius or kelvin.
#pragma once

#include <string_view>

namespace analysis {

enum class TemperatureUnit { Fahrenheit, Celsius, Kelvin };

// The program's kelvin scale puts 0 °C at 273 K, as the landscape's ambient
// temperature has always been converted: a value shown in any unit then
// reads back as the same engine temperature.
constexpr double kKelvinAtZeroCelsius = 273.0;

double toKelvin(double value, TemperatureUnit unit);
double fromKelvin(double kelvin, TemperatureUnit unit);

// "F", "C" or "K", as the status bar writes it after a number.
std::string_view unitLetter(TemperatureUnit unit);
// "°F", "°C" or "K" (UTF-8), as the Lab writes it.
std::string_view unitSymbol(TemperatureUnit unit);

// The unit stored under this key ("F", "C", "K"); Fahrenheit for anything else.
TemperatureUnit unitFromLetter(std::string_view letter);

} // namespace analysis
