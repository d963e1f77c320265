// The units of pavex-run's rows and summary: which units a scenario's card
// chooses, the CSV headers of each, one row converted from known figures,
// and the summary's substances and phase labels.
#include "report_units.h"
#include "run_options.h"
#include "run_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

using namespace PavexRun;

namespace {

constexpr double kAtomicMassUnit = 1.66053906660e-27; // kg

// Water and quartz at 0.2 pm per length unit and 18 u per mass unit. Known
// values: one time unit is 0.2 pm · √(18 u / k) = 9.3057023e-15 s; one
// pressure unit k / (0.2 pm)³ = 1.72581125e15 Pa.
const char *const kCard = "length unit = 0.2 pm\nmass unit = 18 u\n"
                          "material 0\nname = water\nsymbol = O\nmelting point = 273.15 K\n"
                          "melting point source = CRC\nmodel melting point = 266 K\n"
                          "material 1\nname = quartz\nsymbol = Si\nmelting point = 1986 K\n"
                          "melting point source = CRC\n";

ReportUnits realUnits() {
  ModDornDll::MaterialCard card = ModDornDll::parseMaterialCard(kCard, "test.card");
  return {UnitSystem::Real, card};
}

// A folder of its own for the scenario and card files of one test.
class Folder {
public:
  explicit Folder(const std::string &name)
      : path_(std::filesystem::temp_directory_path() /
              ("corvanta-" + std::to_string(::getpid()) + "-" + name)) {
    std::filesystem::create_directories(path_);
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  std::string file(const std::string &name) const { return (path_ / name).string(); }
  void write(const std::string &name, const std::string &text) const {
    std::ofstream(file(name)) << text;
  }

private:
  std::filesystem::path path_;
};

// What a stream took, once it is closed.
class Capture {
public:
  Capture() : file_(std::tmpfile()) {}
  ~Capture() { std::fclose(file_); }
  std::FILE *stream() { return file_; }
  std::string text() {
    std::fflush(file_);
    std::rewind(file_);
    std::string text;
    char buffer[512];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;)
      text.append(buffer, n);
    return text;
  }

private:
  std::FILE *file_;
};

std::vector<std::string> csvLines(const std::string &path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::vector<double> csvValues(const std::string &line) {
  std::stringstream fields(line);
  std::vector<double> values;
  for (std::string value; std::getline(fields, value, ',');)
    values.push_back(std::stod(value));
  return values;
}

// 1000 steps in; 300 K; energies in kelvin per atom; the engine's boundary
// pressure, which is not reported, and the walls' own push, which is.
analysis::Sample knownSample() {
  return {1000, 300.0, 250.0, 450.0, -1000.0, -550.0, 3e-12, 4e-12};
}

std::vector<std::string> tableOf(const ReportUnits &units, double timeStep) {
  Folder folder("table");
  const std::string csv = folder.file("rows.csv");
  {
    Capture screen;
    RunReport report(screen.stream(), csv, units, timeStep);
    report.addRow(knownSample());
  }
  return csvLines(csv);
}

} // namespace

TEST(ReportUnits, ARealRowIsConvertedFromKnownFiguresUnderHeadersNamingTheUnits) {
  const auto table = tableOf(realUnits(), 2.0);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0], "step,time (ps),temperature (K),kinetic (kJ/mol per atom),"
                      "potential (kJ/mol per atom),total (kJ/mol per atom),pressure (kPa),"
                      "thermostat (K)");
  const auto row = csvValues(table[1]);
  ASSERT_EQ(row.size(), 8u);
  EXPECT_EQ(row[0], 1000);
  EXPECT_NEAR(row[1], 2000 * 9.3057023e-15 / 1e-12, 1e-4); // 18.611 ps
  EXPECT_EQ(row[2], 300);
  EXPECT_NEAR(row[3], 450 * 0.00831446262, 1e-5); // R = 8.31446 J/(mol K)
  EXPECT_NEAR(row[4], -1000 * 0.00831446262, 1e-5);
  EXPECT_NEAR(row[5], -550 * 0.00831446262, 1e-5);
  EXPECT_NEAR(row[6], 4e-12 * 1.72581125e15 / 1000, 1e-4); // 6.903 kPa
  EXPECT_EQ(row[7], 250);
}

TEST(ReportUnits, ModelRowsKeepTheEnginesFiguresUnderPlainOrLabelledHeaders) {
  const auto plain = tableOf({UnitSystem::PlainModel, std::nullopt}, 2.0);
  const auto model = tableOf({UnitSystem::Model, std::nullopt}, 2.0);
  ASSERT_EQ(plain.size(), 2u);
  ASSERT_EQ(model.size(), 2u);
  EXPECT_EQ(plain[0], "step,temperature (K),kinetic (per atom),potential (per atom),"
                      "total (per atom),pressure (force per area),thermostat (K)");
  EXPECT_EQ(model[0], "step,temperature (K),kinetic (model units per atom),"
                      "potential (model units per atom),total (model units per atom),"
                      "pressure (model units),thermostat (K)");
  EXPECT_EQ(plain[1], "1000,300,450,-1000,-550,4e-12,250");
  EXPECT_EQ(model[1], plain[1]);
}

TEST(ReportUnits, TheScreenShowsUnitsUnderTheNamesExceptUnderPlainHeaders) {
  Capture real, plain;
  RunReport(real.stream(), "", realUnits(), 1.0).addRow(knownSample());
  RunReport(plain.stream(), "", {UnitSystem::PlainModel, std::nullopt}, 1.0).addRow(knownSample());
  EXPECT_EQ(plain.text(), "    step  temperature      kinetic    potential        total     "
                          "pressure  thermostat\n"
                          "    1000      300.000      450.000    -1000.000     -550.000        "
                          "4e-12       250.0\n");
  const std::string text = real.text();
  EXPECT_NE(text.find("\n                   ps            K  kJ/mol/atom  kJ/mol/atom  "
                      "kJ/mol/atom          kPa           K\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("    1000       9.3057      300.000       3.7415"), std::string::npos)
      << text;
}

TEST(ReportUnits, TheRealSummaryNamesSubstancesAndACooledLiquidIsSupercooled) {
  analysis::TypeSummary water;
  water.type = 0;
  water.atoms = 10;
  water.minimumDistance = 1500.0; // 3 Å
  water.phase = analysis::Phase::Liquid;
  analysis::TypeSummary quartz = water;
  quartz.type = 1;
  quartz.phase = analysis::Phase::Solid;
  Capture real, plain;
  RunReport(real.stream(), "", realUnits(), 1.0).printSummary({water, quartz}, 500, 250.0);
  RunReport(plain.stream(), "", {UnitSystem::PlainModel, std::nullopt}, 1.0)
      .printSummary({water, quartz}, 500, 250.0);
  const std::string text = real.text();
  EXPECT_NE(text.find("phase summary after 500 steps (r0 in Å)\n"
                      "type material  atoms       r0"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("   0 water        10     3.00"), std::string::npos) << text;
  EXPECT_NE(text.find("supercooled liquid\n   1 quartz       10     3.00"), std::string::npos)
      << text;
  const std::string model = plain.text();
  EXPECT_NE(model.find("phase summary after 500 steps\ntype  atoms       r0"), std::string::npos);
  EXPECT_NE(model.find("   0     10   1500.0"), std::string::npos) << model;
  EXPECT_NE(model.find("  liquid\n"), std::string::npos) << "no melting point without the card";
}

TEST(ReportUnits, TheCardBesideTheScenarioChoosesRealUnitsAndARefusedOneIsNamed) {
  Folder folder("cards");
  const std::string scenario = folder.file("water.ams");
  Capture errors;
  EXPECT_EQ(chooseReportUnits(true, scenario, 2, errors.stream()).system, UnitSystem::Model);
  EXPECT_EQ(chooseReportUnits(true, "", 2, errors.stream()).system, UnitSystem::Model);
  EXPECT_EQ(errors.text(), "") << "no card is no problem";

  folder.write("water.card", kCard);
  const ReportUnits real = chooseReportUnits(true, scenario, 2, errors.stream());
  ASSERT_EQ(real.system, UnitSystem::Real);
  EXPECT_EQ(real.materialName(1), "quartz");
  EXPECT_EQ(real.modelMeltingPoint(0), 266.0);
  EXPECT_EQ(real.modelMeltingPoint(1), std::nullopt);
  EXPECT_NEAR(real.units().kilograms, 18 * kAtomicMassUnit, 1e-35);
  EXPECT_EQ(chooseReportUnits(false, scenario, 2, errors.stream()).system, UnitSystem::PlainModel);
  EXPECT_EQ(errors.text(), "");

  const ReportUnits uncovered = chooseReportUnits(true, scenario, 3, errors.stream());
  EXPECT_EQ(uncovered.system, UnitSystem::Model);
  EXPECT_FALSE(uncovered.card);
  folder.write("water.card", "length unit = 0.2 pm\nmass unit = 18\n");
  EXPECT_EQ(chooseReportUnits(true, scenario, 2, errors.stream()).system, UnitSystem::Model);
  const std::string text = errors.text();
  EXPECT_NE(text.find("pavex-run: " + folder.file("water.card") + ": "), std::string::npos) << text;
  EXPECT_NE(text.find("\npavex-run: " + folder.file("water.card") + ", line 2: "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("; running in model units\n"), std::string::npos) << text;
  EXPECT_EQ(text.find(".; running"), std::string::npos) << text;
}

TEST(UnitsOption, RealOrModelAndRealByDefault) {
  EXPECT_TRUE(parseRunOptions({"a.ams", "--steps", "5"}).realUnits);
  EXPECT_FALSE(parseRunOptions({"--units", "real", "a.ams", "--units", "model"}).realUnits);
  EXPECT_THROW(parseRunOptions({"a.ams", "--units", "si"}), UsageError);
  EXPECT_THROW(parseRunOptions({"a.ams", "--units"}), UsageError);
}
