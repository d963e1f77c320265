// Phase maps as text: a written map reads back the same, and every way a map
// is refused names its file, its line and the reason.
#include "analysis/phase_map.h"

#include <gtest/gtest.h>

#include <limits>

using namespace analysis;

namespace {

const std::string kHeader =
    "temperature_K,density_kg_m3,pressure_kPa,phase,solid_share,liquid_share,gas_share\n";

PhaseMap someWater() {
  return {"water",
          {{107.2, 1001.5, 0.0412, PhaseMix::Solid, 1.0, 0.0, 0.0},
           {270.0, 850.25, 12.75, PhaseMix::SolidLiquid, 0.4, 0.55, 0.05},
           {300.0, 180.0, 333.3, PhaseMix::LiquidGas, 0.0, 0.625, 0.375},
           {255.0, 9.5, 1.0 / 3.0, PhaseMix::SolidGas, 0.7, 0.0, 0.3},
           {800.0, 10.0, 2.5e6, PhaseMix::Gas, 0.0, 0.02, 0.98}}};
}

// A map of one state point given as its row.
std::string withRow(const std::string &row) {
  return "# water\nsubstance = water\n" + kHeader + row + "\n";
}

std::string refusal(const std::string &text) {
  try {
    parsePhaseMap(text, "water.map");
  } catch (const PhaseMapError &error) {
    return error.what();
  }
  return "";
}

} // namespace

TEST(PhaseMapText, AWrittenMapReadsBackTheSame) {
  const PhaseMap map = someWater();
  const PhaseMap back = parsePhaseMap(writePhaseMap(map), "water.map");
  EXPECT_EQ(back.substance, "water");
  ASSERT_EQ(back.points.size(), map.points.size());
  for (std::size_t k = 0; k < map.points.size(); ++k) {
    const MapPoint &a = map.points[k];
    const MapPoint &b = back.points[k];
    EXPECT_EQ(a.temperature, b.temperature);
    EXPECT_EQ(a.density, b.density);
    EXPECT_EQ(a.pressure, b.pressure); // also 1/3, to the last bit
    EXPECT_EQ(a.phase, b.phase);
    EXPECT_EQ(a.solidShare, b.solidShare);
    EXPECT_EQ(a.liquidShare, b.liquidShare);
    EXPECT_EQ(a.gasShare, b.gasShare);
  }
  EXPECT_NE(writePhaseMap(map).find("\n300,180,333.3,liquid and gas,0,0.625,0.375\n"),
            std::string::npos);
}

TEST(PhaseMapText, CommentsBlankLinesSpacesAndLineEndsAreTaken) {
  const std::string text = "# measured on the model\r\n\r\n  substance =  liquid nitrogen \r\n"
                           "temperature_K, density_kg_m3, pressure_kPa, phase, solid_share, "
                           "liquid_share, gas_share\r\n"
                           "70, 800, 350, liquid , 0, 0.9, 0.1  # a drop\r\n"
                           "\n# the end";
  const PhaseMap map = parsePhaseMap(text, "n.map");
  EXPECT_EQ(map.substance, "liquid nitrogen");
  ASSERT_EQ(map.points.size(), 1u);
  EXPECT_EQ(map.points[0].phase, PhaseMix::Liquid);
  EXPECT_EQ(map.points[0].gasShare, 0.1);
  EXPECT_TRUE(parsePhaseMap("substance = argon\n" + kHeader, "a.map").points.empty());
}

TEST(PhaseMapText, BrokenMapsAreRefusedWithFileLineAndReason) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "water.map: the map names no substance"},
      {"substance = water\n", "water.map: the map has no table header"},
      {"this is not a phase map\n", "water.map, line 1: expected \"substance = NAME\""},
      {"substance =\n", "water.map, line 1: the substance has no name"},
      {"substance = water\ntemperature,density\n", "water.map, line 2: expected the table header"},
      {withRow("270,900,10,liquid,0,1"), "water.map, line 4: a state point has 7 values, not 6"},
      {withRow("270,900,10,liquid,0,1,0,0"), "a state point has 7 values, not 8"},
      {withRow("270,900,10,plasma,0,1,0"), "line 4: unknown phase \"plasma\""},
      {withRow("270,900,10,,0,1,0"), "unknown phase \"\""},
      {withRow("270,900,10,liquid,0.5,0.6,0"), "line 4: the three shares must add up to 1"},
      {withRow("270,900,10,liquid,0,0.7,0.2"), "the three shares must add up to 1"},
      {withRow("270,900,10,liquid,0,0.3,0.7"),
       "line 4: the shares do not make the state point liquid"},
      {withRow("270,900,10,solid and liquid,0.85,0.15,0"),
       "the shares do not make the state point solid and liquid"},
  };
  for (const auto &[text, message] : cases)
    EXPECT_NE(refusal(text).find(message), std::string::npos)
        << text << "\ngave: " << refusal(text);
}

// Liquid and gas atoms in these shares read as a vapour beside its liquid
// or, crowded together past the critical point, as one fluid.
TEST(PhaseMapText, LiquidAndGasSharesReadAsTwoPhasesOrAsOneFluid) {
  EXPECT_EQ(parsePhaseMap(withRow("270,900,10,liquid and gas,0,0.3,0.7"), "water.map")
                .points.at(0)
                .phase,
            PhaseMix::LiquidGas);
  EXPECT_EQ(parsePhaseMap(withRow("270,900,10,gas,0,0.3,0.7"), "water.map").points.at(0).phase,
            PhaseMix::Gas);
  EXPECT_EQ(parsePhaseMap(withRow("270,900,10,liquid,0,0.7,0.3"), "water.map").points.at(0).phase,
            PhaseMix::Liquid);
}

TEST(PhaseMapText, EveryValueMustBeAFiniteNumberInRange) {
  const std::pair<std::string, std::string> cases[] = {
      {"nan,900,10,liquid,0,1,0", "the temperature must be a number from 0 to 1e+08, not \"nan\""},
      {"-270,900,10,liquid,0,1,0", "the temperature must be a number"},
      {"inf,900,10,liquid,0,1,0", "the temperature must be a number"},
      {"270,,10,liquid,0,1,0", "the density must be a number from 0 to 250000, not \"\""},
      {"270,9e9,10,liquid,0,1,0", "the density must be a number"},
      {"270,900,-1,liquid,0,1,0", "the pressure must be a number"},
      {"270,900,10 kPa,liquid,0,1,0", "the pressure must be a number"},
      {"270,900,10,liquid,0,1.2,-0.2", "the liquid share must be a number from 0 to 1"},
      {"270,900,10,liquid,x,1,0", "the solid share must be a number"},
      {"0,900,10,liquid,0,1,0", "the temperature and the density must be above 0"},
      {"270,0,10,liquid,0,1,0", "the temperature and the density must be above 0"},
  };
  for (const auto &[row, message] : cases)
    EXPECT_NE(refusal(withRow(row)).find("water.map, line 4: " + message), std::string::npos)
        << row << "\ngave: " << refusal(withRow(row));
  // A pressure of 0 is a gas too thin to reach the walls during the run.
  EXPECT_EQ(refusal(withRow("270,1,0,gas,0,0,1")), "");
}

TEST(PhaseMapText, AWrittenMapWithAnImpossibleValueIsNotReadBack) {
  PhaseMap map = someWater();
  map.points[1].temperature = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(parsePhaseMap(writePhaseMap(map), "water.map"), PhaseMapError);
}
