#include "analysis/units.h"

#include <gtest/gtest.h>

using analysis::fromKelvin;
using analysis::TemperatureUnit;
using analysis::toKelvin;

TEST(TemperatureUnits, FreezingAndBoilingWaterInEveryUnit) {
  EXPECT_DOUBLE_EQ(toKelvin(32.0, TemperatureUnit::Fahrenheit), 273.0);
  EXPECT_DOUBLE_EQ(toKelvin(212.0, TemperatureUnit::Fahrenheit), 373.0);
  EXPECT_DOUBLE_EQ(fromKelvin(273.0, TemperatureUnit::Celsius), 0.0);
  EXPECT_DOUBLE_EQ(fromKelvin(373.0, TemperatureUnit::Celsius), 100.0);
  EXPECT_DOUBLE_EQ(fromKelvin(373.0, TemperatureUnit::Fahrenheit), 212.0);
}

TEST(TemperatureUnits, AbsoluteZeroInEveryUnit) {
  EXPECT_DOUBLE_EQ(fromKelvin(0.0, TemperatureUnit::Kelvin), 0.0);
  EXPECT_DOUBLE_EQ(fromKelvin(0.0, TemperatureUnit::Celsius), -273.0);
  EXPECT_NEAR(fromKelvin(0.0, TemperatureUnit::Fahrenheit), -459.4, 1e-12);
  EXPECT_NEAR(toKelvin(-459.4, TemperatureUnit::Fahrenheit), 0.0, 1e-12);
}

TEST(TemperatureUnits, FahrenheitToKelvinIsTheLandscapesConversionBitForBit) {
  for (const float f : {0.0f, 50.0f, 98.52f, 110.0f}) {
    const double landscape = (f - 32.0) * (5.0 / 9.0) + 273.0;
    EXPECT_EQ(toKelvin(f, TemperatureUnit::Fahrenheit), landscape);
  }
}

TEST(TemperatureUnits, EveryUnitRoundTrips) {
  for (const auto unit :
       {TemperatureUnit::Fahrenheit, TemperatureUnit::Celsius, TemperatureUnit::Kelvin})
    for (const double kelvin : {0.0, 1.5, 309.96, 1333.0})
      EXPECT_NEAR(toKelvin(fromKelvin(kelvin, unit), unit), kelvin, 1e-9);
}

TEST(TemperatureUnits, LettersNameTheUnitAndUnknownLettersMeanFahrenheit) {
  for (const auto unit :
       {TemperatureUnit::Fahrenheit, TemperatureUnit::Celsius, TemperatureUnit::Kelvin})
    EXPECT_EQ(analysis::unitFromLetter(analysis::unitLetter(unit)), unit);
  EXPECT_EQ(analysis::unitFromLetter("X"), TemperatureUnit::Fahrenheit);
  EXPECT_EQ(analysis::unitFromLetter(""), TemperatureUnit::Fahrenheit);
  EXPECT_EQ(analysis::unitSymbol(TemperatureUnit::Celsius), "\u00B0C");
}
