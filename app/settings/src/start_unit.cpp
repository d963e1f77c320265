#include "settings/settings.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace settings {

namespace {

// Where thermometers and weather reports speak Fahrenheit: the United
// States with its territories, and the countries that kept the habit.
constexpr std::array kFahrenheitTerritories{QLocale::UnitedStates,
                                            QLocale::PuertoRico,
                                            QLocale::Guam,
                                            QLocale::UnitedStatesVirginIslands,
                                            QLocale::AmericanSamoa,
                                            QLocale::NorthernMarianaIslands,
                                            QLocale::UnitedStatesOutlyingIslands,
                                            QLocale::Liberia,
                                            QLocale::Myanmar,
                                            QLocale::Bahamas,
                                            QLocale::Belize,
                                            QLocale::CaymanIslands,
                                            QLocale::Palau,
                                            QLocale::MarshallIslands,
                                            QLocale::Micronesia};

} // namespace

analysis::TemperatureUnit startTemperatureUnit(const QLocale &locale) {
  // The C locale names no country: it starts as the program always started.
  const bool fahrenheit =
      locale.language() == QLocale::C ||
      std::ranges::find(kFahrenheitTerritories, locale.territory()) != kFahrenheitTerritories.end();
  return fahrenheit ? analysis::TemperatureUnit::Fahrenheit : analysis::TemperatureUnit::Celsius;
}

} // namespace settings
