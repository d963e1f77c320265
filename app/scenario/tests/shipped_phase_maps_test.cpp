// The phase maps shipped with the program: each reads, spans the states its
// material passes through, and melts where its material card says the model
// melts.
#include "analysis/phase_map.h"
#include "scenario/material_card.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace analysis;
namespace fs = std::filesystem;

namespace {

const char *const kSubstances[] = {"water", "quartz", "nitrogen", "oxygen"};

PhaseMap shippedMap(const std::string &substance) {
  const fs::path path = fs::path(SCENARIO_FOLDER) / "phase-maps" / (substance + ".map");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return parsePhaseMap(text.str(), path.string());
}

// The model melting point the shipped cards give for the substance.
std::optional<double> modelMeltingPoint(const std::string &substance) {
  for (const auto &entry : fs::directory_iterator(SCENARIO_FOLDER)) {
    if (entry.path().extension() != ".card")
      continue;
    for (const auto &m : ModDornDll::readMaterialCard(entry.path().string()).materials)
      if (m.name == substance && m.modelMeltingPoint)
        return m.modelMeltingPoint;
  }
  return std::nullopt;
}

// The map's state points by density (each column of the sweep has one
// density), each column ordered by temperature.
std::map<double, std::vector<MapPoint>> columns(const PhaseMap &map) {
  std::map<double, std::vector<MapPoint>> byDensity;
  for (const MapPoint &p : map.points)
    byDensity[p.density].push_back(p);
  for (auto &[density, column] : byDensity)
    std::sort(column.begin(), column.end(),
              [](const MapPoint &a, const MapPoint &b) { return a.temperature < b.temperature; });
  return byDensity;
}

// Where a column stops being mostly solid on heating: halfway between the
// last point whose atoms are at least half solid and the next.
std::optional<double> meltingInColumn(const std::vector<MapPoint> &column) {
  for (std::size_t k = 1; k < column.size(); ++k)
    if (column[k - 1].solidShare >= 0.5 && column[k].solidShare < 0.5)
      return (column[k - 1].temperature + column[k].temperature) / 2.0;
  return std::nullopt;
}

} // namespace

TEST(ShippedPhaseMaps, EachMapSpansItsMaterialsStates) {
  for (const std::string substance : kSubstances) {
    SCOPED_TRACE(substance);
    const PhaseMap map = shippedMap(substance);
    const std::optional<double> melting = modelMeltingPoint(substance);
    ASSERT_TRUE(melting);
    EXPECT_EQ(map.substance, substance);
    ASSERT_GE(map.points.size(), 150u);
    const auto [coldest, hottest] = std::minmax_element(
        map.points.begin(), map.points.end(),
        [](const MapPoint &a, const MapPoint &b) { return a.temperature < b.temperature; });
    EXPECT_LE(coldest->temperature, 0.45 * *melting);
    EXPECT_GE(hottest->temperature, 2.9 * *melting);
    const auto byDensity = columns(map);
    const double thinnest = byDensity.begin()->first;
    const double densest = byDensity.rbegin()->first;
    EXPECT_GE(densest / thinnest, 50.0); // from a thin gas to a solid pressed together
    // The cold, dense material is solid and the hot, thin one a gas; every
    // state point above the melting point presses on the walls.
    EXPECT_EQ(byDensity.rbegin()->second.front().phase, PhaseMix::Solid);
    EXPECT_EQ(byDensity.begin()->second.back().phase, PhaseMix::Gas);
    for (const MapPoint &p : map.points) {
      EXPECT_NE(p.phase, PhaseMix::None);
      if (p.temperature > 1.2 * *melting) {
        EXPECT_GT(p.pressure, 0.0) << p.temperature << " K, " << p.density << " kg/m³";
      }
    }
    bool liquid = false;
    for (const MapPoint &p : map.points)
      liquid = liquid || p.phase == PhaseMix::Liquid;
    EXPECT_TRUE(liquid);
  }
}

TEST(ShippedPhaseMaps, PressureRisesWithTemperatureAndDensity) {
  for (const std::string substance : kSubstances) {
    SCOPED_TRACE(substance);
    const auto byDensity = columns(shippedMap(substance));
    // Hot and dense, the pressure comes from the atoms' motion and their
    // crowding: it climbs along the densest column and across the hottest
    // row.
    const std::vector<MapPoint> &densest = byDensity.rbegin()->second;
    const MapPoint hottestDense = densest.back();
    for (std::size_t k = densest.size() / 2; k + 1 < densest.size(); ++k)
      EXPECT_LT(densest[k].pressure, hottestDense.pressure) << densest[k].temperature << " K";
    double previous = 0.0;
    for (const auto &[density, column] : byDensity) {
      EXPECT_GT(column.back().pressure, previous) << density << " kg/m³";
      previous = column.back().pressure;
    }
  }
}

// The card's model melting point comes from a 600-atom crystal beside its
// own melt. The map's blocks have 500 atoms with free faces all round, and
// such a block melts lower: at the liquid's densities its solid turns
// liquid about 5-8 % below the card's figure, which the grid of
// temperatures (0.05 of the melting point apart there) brackets. 10 % covers
// both; a map measured with a wrong depth or read in the wrong units would
// be off by far more.
TEST(ShippedPhaseMaps, TheMapMeltsWhereTheCardSays) {
  for (const std::string substance : kSubstances) {
    SCOPED_TRACE(substance);
    const auto byDensity = columns(shippedMap(substance));
    const double melting = *modelMeltingPoint(substance);
    const double densest = byDensity.rbegin()->first;
    int measured = 0;
    for (const auto &[density, column] : byDensity) {
      // The densities of the liquid near its melting point.
      if (density < 0.6 * densest || density > 0.9 * densest)
        continue;
      const std::optional<double> found = meltingInColumn(column);
      ASSERT_TRUE(found) << "no melting at " << density << " kg/m³";
      EXPECT_NEAR(*found, melting, 0.10 * melting) << density << " kg/m³";
      ++measured;
    }
    EXPECT_GE(measured, 2);
  }
}

// The real points the maps are drawn against: every shipped substance but
// quartz gives its triple and critical point, the triple point beside its
// melting point and below its boiling point, the critical point above it.
TEST(ShippedPhaseMaps, TheCardsGiveTheRealTripleAndCriticalPoints) {
  int given = 0;
  for (const auto &entry : fs::directory_iterator(SCENARIO_FOLDER)) {
    if (entry.path().extension() != ".card")
      continue;
    for (const auto &m : ModDornDll::readMaterialCard(entry.path().string()).materials) {
      SCOPED_TRACE(entry.path().filename().string() + ": " + m.name);
      if (m.name == "quartz") {
        EXPECT_FALSE(m.triplePoint || m.criticalPoint); // no source measured them
        continue;
      }
      ASSERT_TRUE(m.triplePoint && m.criticalPoint && m.boilingPoint);
      EXPECT_NEAR(m.triplePoint->kelvin, m.meltingPoint, 0.1);
      EXPECT_LT(m.triplePoint->kilopascals, 101.325); // it boils at normal pressure
      EXPECT_GT(m.criticalPoint->kelvin, *m.boilingPoint);
      EXPECT_GT(m.criticalPoint->kilopascals, 101.325);
      EXPECT_FALSE(m.tripleSource.empty() || m.criticalSource.empty());
      ++given;
    }
  }
  EXPECT_EQ(given, 8); // water in three files, nitrogen in four, oxygen in one
}
