// The state point on a phase map: each material's mass over the room inside
// the wall skins in kg/m³, the gauge's pressure in kPa, and nothing where
// the point cannot be told.
#include "state_point.h"

#include "analysis/wall_pressure.h"
#include "known_units.h"

#include <gtest/gtest.h>

#include <vector>

using analysis::densityInside;
using lab::statePointOf;

namespace {

constexpr double kSkins = 2.0 * analysis::kWallSkin;
// Room inside the skins of 10 × 20 × 50 length units (Å): 1e-26 m³.
constexpr std::array<double, 6> kBox{0.0, 0.0, 0.0, kSkins + 10.0, kSkins + 20.0, kSkins + 50.0};
constexpr double kCubicMetres = 10.0 * 20.0 * 50.0 * 1e-30;
constexpr double kTolerance = 1e-12; // relative

} // namespace

TEST(StatePoint, EachMaterialsMassSumsItsOwnAtoms) {
  const std::vector<std::int32_t> types{0, 1, 1, 0, 2};
  const std::vector<double> masses{1.0, 4.0, 4.5, 2.0, 9.0};
  EXPECT_EQ(lab::materialMasses(types, masses, 3), (std::vector<double>{3.0, 8.5, 9.0}));
  EXPECT_EQ(lab::materialMasses(types, masses, 2), (std::vector<double>{3.0, 8.5}))
      << "a type beyond the count is not counted";
  EXPECT_EQ(lab::materialMasses(types, std::vector<double>{1.0, 4.0}, 2),
            (std::vector<double>{1.0, 4.0}))
      << "only atoms with both a type and a mass";
  EXPECT_EQ(lab::materialMasses(std::vector<std::int32_t>{-1, 0}, std::vector<double>{5.0, 1.0}, 1),
            std::vector<double>{1.0});
}

TEST(StatePoint, DensityIsTheMassOverTheRoomInsideTheSkins) {
  // A mass unit of k kilograms: three of them in 1e-26 m³.
  EXPECT_NEAR(densityInside(3.0, kBox, known::kUnits), 3.0 * analysis::kBoltzmann / kCubicMetres,
              kTolerance * 3.0 * analysis::kBoltzmann / kCubicMetres);
  // The lid halves the room's height: twice the density.
  std::array<double, 6> lowered = kBox;
  lowered[4] = kSkins + 10.0;
  EXPECT_NEAR(densityInside(3.0, lowered, known::kUnits),
              2.0 * densityInside(3.0, kBox, known::kUnits), 1e-9);
  // Water's units: 18.015 u per mass unit, 0.1 nm per length unit.
  const analysis::ModelUnits water{1e-10, 18.015 * analysis::kAtomicMassUnit};
  const double molecules = 33.4; // about as many per nm³ as in liquid water
  const std::array<double, 6> nanometre{0, 0, 0, kSkins + 10.0, kSkins + 10.0, kSkins + 10.0};
  EXPECT_NEAR(densityInside(molecules, nanometre, water), 999.1, 1.0);
}

TEST(StatePoint, ABoxWhoseSkinsMeetHasNoDensity) {
  const std::array<double, 6> flat{0.0, 0.0, 0.0, 10000.0, kSkins, 10000.0};
  EXPECT_EQ(densityInside(3.0, flat, known::kUnits), 0.0);
  EXPECT_EQ(statePointOf(300.0, 3.0, flat, 1.0, known::kUnits), std::nullopt);
}

TEST(StatePoint, ThePressureIsTheGaugesInKilopascals) {
  EXPECT_NEAR(analysis::kilopascalsFromModelPressure(known::kOneAtmosphere, known::kUnits), 101.325,
              1e-9);
  const auto point = statePointOf(296.0, 3.0, kBox, known::kOneAtmosphere, known::kUnits);
  ASSERT_TRUE(point);
  EXPECT_EQ(point->kelvin, 296.0);
  EXPECT_NEAR(*point->kilopascals, 101.325, 1e-9);
  EXPECT_DOUBLE_EQ(point->density, densityInside(3.0, kBox, known::kUnits));
}

TEST(StatePoint, NoneUntilMeasuredOrWithoutAtoms) {
  EXPECT_EQ(statePointOf(std::nullopt, 3.0, kBox, 1.0, known::kUnits), std::nullopt);
  EXPECT_EQ(statePointOf(296.0, 0.0, kBox, 1.0, known::kUnits), std::nullopt)
      << "a material without atoms";
  const auto beforeTheGauge = statePointOf(296.0, 3.0, kBox, std::nullopt, known::kUnits);
  ASSERT_TRUE(beforeTheGauge) << "the temperature and density are known already";
  EXPECT_EQ(beforeTheGauge->kilopascals, std::nullopt);
}

TEST(StatePoint, MaterialsOfOneBoxShareItsRoomAndPressure) {
  const std::vector<double> masses = lab::materialMasses(std::vector<std::int32_t>{0, 0, 1},
                                                         std::vector<double>{2.0, 2.0, 1.0}, 2);
  const auto heavy = statePointOf(300.0, masses[0], kBox, known::kOneAtmosphere, known::kUnits);
  const auto light = statePointOf(300.0, masses[1], kBox, known::kOneAtmosphere, known::kUnits);
  ASSERT_TRUE(heavy && light);
  EXPECT_NEAR(heavy->density / light->density, 4.0, 1e-12);
  EXPECT_EQ(heavy->kilopascals, light->kilopascals);
}
