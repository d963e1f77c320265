// How the Lab writes energies, the wall pressure and the simulated time,
// with a material card and without.
#include "known_units.h"
#include "lab_units.h"

#include <gtest/gtest.h>

using analysis::PressureUnit;

TEST(LabUnits, OneAtmosphereOnTheWallsReadsInKilopascalsOrAtmospheres) {
  EXPECT_EQ(lab::pressureText(known::kOneAtmosphere, known::withCard(PressureUnit::Kilopascal)),
            QStringLiteral("101.3 kPa"));
  EXPECT_EQ(lab::pressureText(known::kOneAtmosphere, known::withCard(PressureUnit::Atmosphere)),
            QStringLiteral("1.000 atm"));
  EXPECT_EQ(
      lab::pressureText(-known::kOneAtmosphere * 1000.0, known::withCard(PressureUnit::Atmosphere)),
      QStringLiteral("-1,000 atm"));
}

TEST(LabUnits, SignificantDigitsStayFourWhenANumberRoundsUpToTheNextPowerOfTen) {
  EXPECT_EQ(lab::significantText(0.99996, 4), QStringLiteral("1.000"));
  EXPECT_EQ(lab::significantText(0.98694, 4), QStringLiteral("0.9869"));
  EXPECT_EQ(lab::significantText(99.996, 4), QStringLiteral("100.0"));
  EXPECT_EQ(lab::significantText(32322.4, 4), QStringLiteral("32,322"));
  EXPECT_EQ(lab::significantText(0.0, 4), QStringLiteral("0.000"));
}

TEST(LabUnits, WithoutACardPressureAndEnergiesAreInModelUnits) {
  EXPECT_EQ(lab::pressureText(2.5, known::withoutCard()), QStringLiteral("2.500 model units"));
  EXPECT_EQ(lab::energyText(1000.0, known::withoutCard()), QStringLiteral("1000.0 model units"));
  EXPECT_EQ(lab::stepsText(250, known::withoutCard()), QStringLiteral("250"));
}

TEST(LabUnits, EnergiesPerAtomAreInKilojoulesPerMole) {
  EXPECT_EQ(lab::energyText(1000.0, known::withCard(PressureUnit::Kilopascal)),
            QStringLiteral("8.31 kJ/mol"));
  EXPECT_EQ(lab::energyText(-2000.0, known::withCard(PressureUnit::Kilopascal)),
            QStringLiteral("-16.63 kJ/mol"));
}

TEST(LabUnits, StepsShowTheTimeTheySimulated) {
  EXPECT_EQ(lab::stepsText(250, known::withCard(PressureUnit::Kilopascal)),
            QStringLiteral("250 (250.00 ps)"));
  EXPECT_EQ(lab::stepsText(0, known::withCard(PressureUnit::Kilopascal)),
            QStringLiteral("0 (0.00 ps)"));
}

TEST(LabUnits, AnyChangeOfUnitsCountsForTheGraphs) {
  const lab::LabUnits base = known::withCard(PressureUnit::Kilopascal);
  EXPECT_TRUE(lab::sameUnits(base, known::withCard(PressureUnit::Kilopascal)));
  EXPECT_FALSE(lab::sameUnits(base, known::withCard(PressureUnit::Atmosphere)));
  EXPECT_FALSE(lab::sameUnits(base, known::withoutCard()));
  lab::LabUnits heavier = base;
  heavier.real->kilograms *= 2.0;
  EXPECT_FALSE(lab::sameUnits(base, heavier));
  lab::LabUnits celsius = base;
  celsius.temperature = analysis::TemperatureUnit::Celsius;
  EXPECT_FALSE(lab::sameUnits(base, celsius));
  lab::LabUnits longer = base;
  longer.timeStep *= 2.0;
  EXPECT_FALSE(lab::sameUnits(base, longer));
}
