#include "analysis/series.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using analysis::PressureUnit;
using analysis::Sample;
using analysis::SeriesRecorder;
using analysis::TemperatureUnit;

namespace {

// The engine's boundary pressure differs from the walls' own push, which is
// the one written.
Sample sampleAt(std::int64_t step) {
  return {step,          300.0 + step / 7.0, 310.0,      450.1 + step,
          -1023.3 / 3.0, -572.9 + step,      1e-7 / 3.0, 2e-8 / 7.0 + 1e-12 * double(step)};
}

std::vector<std::string> split(const std::string &line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, ',');)
    fields.push_back(field);
  return fields;
}

} // namespace

TEST(SeriesCsv, WithoutRealUnitsTheHeaderSaysModelUnitsAndRowsReadBackTheSameDoubles) {
  std::deque<Sample> samples;
  for (std::int64_t step = 20; step <= 100; step += 20)
    samples.push_back(sampleAt(step));
  for (const auto unit : {TemperatureUnit::Fahrenheit, TemperatureUnit::Kelvin}) {
    std::stringstream csv;
    analysis::writeSeriesCsv(csv, samples, {unit, std::nullopt, PressureUnit::Atmosphere, 0.25});
    std::string line;
    std::getline(csv, line);
    const auto header = split(line);
    ASSERT_EQ(header.size(), 8u);
    EXPECT_EQ(header[1], "time (model units)");
    EXPECT_EQ(header[2], "temperature (" + std::string(analysis::unitLetter(unit)) + ")");
    EXPECT_EQ(header[5], "potential energy per atom (model units)");
    EXPECT_EQ(header[7], "wall pressure (model units)");
    for (const Sample &s : samples) {
      ASSERT_TRUE(std::getline(csv, line));
      const auto f = split(line);
      ASSERT_EQ(f.size(), 8u) << line;
      EXPECT_EQ(std::stoll(f[0]), s.step);
      EXPECT_EQ(std::stod(f[1]), 0.25 * double(s.step));
      EXPECT_EQ(std::stod(f[2]), analysis::fromKelvin(s.temperature, unit));
      EXPECT_EQ(std::stod(f[3]), analysis::fromKelvin(s.thermostat, unit));
      EXPECT_EQ(std::stod(f[4]), s.kinetic);
      EXPECT_EQ(std::stod(f[5]), s.potential);
      EXPECT_EQ(std::stod(f[6]), s.total);
      EXPECT_EQ(std::stod(f[7]), s.wallPush) << "the walls' own push, not the engine's figure";
    }
    EXPECT_FALSE(std::getline(csv, line));
  }
}

// Units chosen so that the figures are round: one length unit is 1 Å, so a
// pressure unit is k/Å³; one mass unit is k kilograms, so a time unit is
// 100 ps and a step of 0.01 lasts 1 ps.
TEST(SeriesCsv, WithRealUnitsEveryColumnIsInItsRealUnit) {
  const analysis::ModelUnits units{1e-10, analysis::kBoltzmann};
  const double oneAtmosphere = 101325.0 / (analysis::kBoltzmann / 1e-30);
  const Sample sample{250,          273.0, 300.0, 1000.0, -2000.0, -1000.0, 5.0 * oneAtmosphere,
                      oneAtmosphere};
  for (const auto &[pressure, symbol, expected] :
       {std::tuple{PressureUnit::Kilopascal, "kPa", 101.325},
        std::tuple{PressureUnit::Atmosphere, "atm", 1.0}}) {
    std::stringstream csv;
    analysis::writeSeriesCsv(csv, {sample}, {TemperatureUnit::Celsius, units, pressure, 0.01});
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "step,time (ps),temperature (C),thermostat (C),kinetic energy per atom "
                    "(kJ/mol),potential energy per atom (kJ/mol),total energy per atom "
                    "(kJ/mol),wall pressure (" +
                        std::string(symbol) + ")");
    ASSERT_TRUE(std::getline(csv, line));
    const auto f = split(line);
    ASSERT_EQ(f.size(), 8u) << line;
    EXPECT_NEAR(std::stod(f[1]), 250.0, 1e-9);
    EXPECT_NEAR(std::stod(f[2]), 0.0, 1e-12);
    EXPECT_NEAR(std::stod(f[4]), 8.314462618, 1e-8);
    EXPECT_NEAR(std::stod(f[5]), -16.628925236, 1e-8);
    EXPECT_NEAR(std::stod(f[7]), expected, 1e-9);
  }
}

TEST(SeriesRecorder, HeatingCurveHoldsOnlyTheCurrentRampsSamples) {
  SeriesRecorder recorder;
  recorder.add(sampleAt(20), false);
  recorder.startHeatingCurve();
  recorder.add(sampleAt(40), true);
  recorder.add(sampleAt(60), true);
  EXPECT_EQ(recorder.samples().size(), 3u);
  ASSERT_EQ(recorder.heatingCurve().size(), 2u);
  EXPECT_EQ(recorder.heatingCurve().front().step, 40);
  recorder.startHeatingCurve();
  EXPECT_TRUE(recorder.heatingCurve().empty());
  EXPECT_EQ(recorder.samples().size(), 3u);
  recorder.clear();
  EXPECT_TRUE(recorder.samples().empty());
}

TEST(SeriesRecorder, RevisionChangesWithEveryChangeAndOldestSamplesMakeWay) {
  SeriesRecorder recorder;
  auto revision = recorder.revision();
  for (std::size_t i = 0; i < SeriesRecorder::kMaxSamples + 5; ++i) {
    recorder.add(sampleAt(static_cast<std::int64_t>(i)), true);
    ASSERT_NE(recorder.revision(), revision);
    revision = recorder.revision();
  }
  EXPECT_EQ(recorder.samples().size(), SeriesRecorder::kMaxSamples);
  EXPECT_EQ(recorder.samples().front().step, 5);
  EXPECT_EQ(recorder.heatingCurve().size(), SeriesRecorder::kMaxSamples);
  recorder.clear();
  EXPECT_NE(recorder.revision(), revision);
}

TEST(HeatingCurve, PointsAreMeansOverBlocksAndTheLastBlockMayBeShort) {
  std::deque<Sample> curve;
  for (std::int64_t i = 0; i < 5; ++i)
    curve.push_back({20 * i, 100.0 + 10.0 * double(i), 0, 0, 0, -50.0 + double(i), 0});
  const auto points = analysis::heatingCurvePoints(curve, 2);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_DOUBLE_EQ(points[0].temperature, 105.0);
  EXPECT_DOUBLE_EQ(points[0].total, -49.5);
  EXPECT_DOUBLE_EQ(points[2].temperature, 140.0);
  EXPECT_EQ(analysis::heatingCurvePoints(curve, 0).size(), 5u);
  EXPECT_TRUE(analysis::heatingCurvePoints({}, 10).empty());
}

TEST(SeriesUnits, AShownPressureReadsBackAsTheSameModelPressure) {
  const analysis::ModelUnits units{2e-13, 37.35 * 1.66053906660e-27};
  for (const auto pressure : {PressureUnit::Kilopascal, PressureUnit::Atmosphere}) {
    const analysis::SeriesUnits real{TemperatureUnit::Kelvin, units, pressure, 1.0};
    EXPECT_NEAR(analysis::modelPressure(analysis::shownPressure(1.5e-8, real), real), 1.5e-8,
                1e-20);
  }
  const analysis::SeriesUnits model{TemperatureUnit::Kelvin, std::nullopt, PressureUnit::Kilopascal,
                                    1.0};
  EXPECT_EQ(analysis::modelPressure(3.0, model), 3.0);
  const analysis::SeriesUnits atm{TemperatureUnit::Kelvin, units, PressureUnit::Atmosphere, 1.0};
  EXPECT_NEAR(
      analysis::shownPressure(analysis::modelPressure(1.0, atm), atm) * 101.325,
      analysis::shownPressure(analysis::modelPressure(1.0, atm),
                              {TemperatureUnit::Kelvin, units, PressureUnit::Kilopascal, 1.0}),
      1e-9)
      << "one atmosphere is 101.325 kPa";
}
