#include "analysis/real_units.h"
#include "analysis/wall_pressure.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace analysis;

namespace {

// A card's units: 0.2 pm of length, and a mass unit that makes the engine
// mass `engineMass` weigh `molarMass` grams per mole.
ModelUnits unitsFor(double molarMass, double engineMass) {
  return {0.2 * kMetresPerPicometre, molarMass / engineMass * kAtomicMassUnit};
}

} // namespace

TEST(RealUnits, NitrogenAtRoomTemperatureMovesAtItsTextbookRmsSpeed) {
  // √(3RT/M) for N2 at 300 K is 516.9 m/s, whatever engine mass stands for it.
  for (const double engineMass : {0.5, 0.866, 3.0}) {
    const ModelUnits units = unitsFor(28.014, engineMass);
    const double modelSpeed = std::sqrt(3.0 * 300.0 / engineMass);
    EXPECT_NEAR(modelSpeed * metresPerSecondPerSpeed(units), 516.9, 0.2);
  }
}

TEST(RealUnits, OneMoleInTheMolarVolumeAtZeroCelsiusPressesOneAtmosphere) {
  const ModelUnits units{kMetresPerNanometre, kAtomicMassUnit};
  const double volume = 22.413969e-3 / std::pow(kMetresPerNanometre, 3); // m³ in nm³
  const double modelPressure = kAvogadro / volume * 273.15;              // N·k·T / V, k = 1
  const double pascals = modelPressure * pascalsPerPressure(units);
  EXPECT_NEAR(pascals, 101325.0, 1.0);
  EXPECT_NEAR(fromPascals(pascals, PressureUnit::Atmosphere), 1.0, 1e-5);
  EXPECT_NEAR(fromPascals(pascals, PressureUnit::Kilopascal), 101.325, 1e-3);
}

TEST(RealUnits, EnergiesPerAtomInKilojoulesPerMoleFollowTheGasConstant) {
  EXPECT_NEAR(kilojoulesPerMole(1000.0), 8.314462618, 1e-9);
  EXPECT_DOUBLE_EQ(kilojoulesPerMole(0.0), 0.0);
  EXPECT_NEAR(kilojoulesPerMole(-569.0), -4.7309, 1e-4);
}

TEST(RealUnits, LengthsAndTimesFromTheCard) {
  const ModelUnits units = unitsFor(18.015, 0.556);
  EXPECT_NEAR(angstroms(1624.0, units), 3.248, 1e-12);
  // The time unit is length·√(mass / (k·1 K)).
  const double tau = 0.2e-12 * std::sqrt(18.015 / 0.556 * kAtomicMassUnit / kBoltzmann);
  EXPECT_NEAR(secondsPerTime(units), tau, tau * 1e-12);
  EXPECT_NEAR(picoseconds(1000.0, 1.0, units), 1000.0 * tau * 1e12, 1e-9);
  EXPECT_NEAR(picoseconds(1000.0, 0.5, units), 500.0 * tau * 1e12, 1e-9);
  EXPECT_NEAR(femtosecondsPerStep(1.0, units), tau * 1e15, 1e-9);
}

TEST(RealUnits, PressureUnitsAreNamedAndReadBack) {
  for (const auto unit : {PressureUnit::Kilopascal, PressureUnit::Atmosphere})
    EXPECT_EQ(pressureUnitFromSymbol(pressureSymbol(unit)), unit);
  EXPECT_EQ(pressureSymbol(PressureUnit::Atmosphere), "atm");
  EXPECT_EQ(pressureUnitFromSymbol("bar"), PressureUnit::Kilopascal);
  EXPECT_EQ(pressureUnitFromSymbol(""), PressureUnit::Kilopascal);
}

TEST(WallPressure, TheWallsPressOnTheInnerFacesOfTheirSkins) {
  const std::array<double, 6> box{0, 0, 0, 10096, 10096, 10096}; // 6000 inside each skin
  EXPECT_DOUBLE_EQ(innerVolume(box), 6000.0 * 6000.0 * 6000.0);
  EXPECT_DOUBLE_EQ(innerArea(box), 6.0 * 6000.0 * 6000.0);
  // The engine's figure per whole-box area becomes the same force per inner area.
  const double whole = 6.0 * 10096.0 * 10096.0;
  EXPECT_NEAR(wallPressure(2.0, box), 2.0 * whole / innerArea(box), 1e-12);
}

TEST(WallPressure, ABoxWhoseSkinsMeetHasNoRoomAndNoPressure) {
  const std::array<double, 6> thin{100, 100, 100, 4196, 20000, 20000}; // x edge is two skins
  EXPECT_DOUBLE_EQ(innerVolume(thin), 0.0);
  const std::array<double, 6> inside{0, 0, 0, 4000, 4000, 4000};
  EXPECT_DOUBLE_EQ(innerVolume(inside), 0.0);
  EXPECT_DOUBLE_EQ(innerArea(inside), 0.0);
  EXPECT_DOUBLE_EQ(wallPressure(5.0, inside), 0.0);
}

TEST(WallPressure, OnlyAtomsInsideASkinArePushedAndDeeperOnesHarder) {
  const std::array<double, 6> box{0, 0, 0, 10096, 10096, 10096};
  const double k = 8.0 * 512.0 / (2048.0 - 1412.0);
  // In the middle, and exactly at a skin's inner face: no push.
  EXPECT_DOUBLE_EQ(wallPushPressure({5048, 5048, 5048, 2048, 5048, 8048}, box), 0.0);
  // 318 units into the floor's skin: s = 1.5.
  const double floor = wallPushPressure({5048, 2048 - 318, 5048}, box);
  EXPECT_NEAR(floor, k * 1.5 * 1.25 / innerArea(box), 1e-15);
  // The same depth under the lid pushes as hard; twice as deep pushes harder.
  EXPECT_DOUBLE_EQ(wallPushPressure({5048, 8048 + 318, 5048}, box), floor);
  EXPECT_GT(wallPushPressure({5048, 2048 - 636, 5048}, box), 2.0 * floor);
  // Two atoms in two skins push as the sum.
  EXPECT_DOUBLE_EQ(wallPushPressure({5048, 2048 - 318, 5048, 8048 + 318, 5048, 5048}, box),
                   2.0 * floor);
  EXPECT_DOUBLE_EQ(wallPushPressure({5048, 1000, 5048}, {0, 0, 0, 4000, 4000, 4000}), 0.0);
}
