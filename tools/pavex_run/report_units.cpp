#include "report_units.h"

namespace PavexRun {
namespace {

constexpr auto kPressureUnit = analysis::PressureUnit::Kilopascal;

// The card's problem ends in a full stop; the run's own words follow it.
std::string withoutFullStop(std::string text) {
  if (!text.empty() && text.back() == '.')
    text.pop_back();
  return text;
}

std::vector<ReportColumn> modelColumns(const std::string &energy, const std::string &pressure,
                                       bool labelled) {
  const auto screen = [labelled](const char *unit) { return labelled ? unit : ""; };
  return {{"temperature", "K", screen("K"), 12, "%*.3f"},
          {"kinetic", energy, screen("model units"), 12, "%*.3f"},
          {"potential", energy, screen("model units"), 12, "%*.3f"},
          {"total", energy, screen("model units"), 12, "%*.3f"},
          {"pressure", pressure, screen("model units"), 12, "%*.4g"},
          {"thermostat", "K", screen("K"), 11, "%*.1f"}};
}

std::vector<ReportColumn> realColumns() {
  const std::string pressure(analysis::pressureSymbol(kPressureUnit));
  return {{"time", "ps", "ps", 12, "%*.5g"},
          {"temperature", "K", "K", 12, "%*.3f"},
          {"kinetic", "kJ/mol per atom", "kJ/mol/atom", 12, "%*.4f"},
          {"potential", "kJ/mol per atom", "kJ/mol/atom", 12, "%*.4f"},
          {"total", "kJ/mol per atom", "kJ/mol/atom", 12, "%*.4f"},
          {"pressure", pressure, pressure, 12, "%*.4g"},
          {"thermostat", "K", "K", 11, "%*.1f"}};
}

} // namespace

analysis::ModelUnits ReportUnits::units() const {
  return ModDornDll::unitsOf(card).value_or(analysis::ModelUnits{});
}

std::string ReportUnits::materialName(std::int32_t type) const {
  if (!card || type < 0 || static_cast<std::size_t>(type) >= card->materials.size())
    return {};
  return card->materials[type].name;
}

std::optional<double> ReportUnits::modelMeltingPoint(std::int32_t type) const {
  if (!card || type < 0 || static_cast<std::size_t>(type) >= card->materials.size())
    return std::nullopt;
  return card->materials[type].modelMeltingPoint;
}

ReportUnits chooseReportUnits(bool realWanted, const std::string &scenario, std::int32_t types,
                              std::FILE *errors) {
  if (!realWanted)
    return {UnitSystem::PlainModel, std::nullopt};
  if (scenario.empty())
    return {UnitSystem::Model, std::nullopt};
  ModDornDll::CardLookup found = ModDornDll::lookUpCard(scenario, types);
  if (!found.problem.empty())
    std::fprintf(errors, "pavex-run: %s; running in model units\n",
                 withoutFullStop(found.problem).c_str());
  if (!found.card)
    return {UnitSystem::Model, std::nullopt};
  return {UnitSystem::Real, std::move(found.card)};
}

std::vector<ReportColumn> reportColumns(UnitSystem system) {
  switch (system) {
  case UnitSystem::Real:
    return realColumns();
  case UnitSystem::Model:
    return modelColumns("model units per atom", "model units", true);
  case UnitSystem::PlainModel:
    break;
  }
  return modelColumns("per atom", "force per area", false);
}

double reportedPressure(double modelPressure, const ReportUnits &units) {
  if (units.system != UnitSystem::Real)
    return modelPressure;
  return analysis::fromPascals(modelPressure * analysis::pascalsPerPressure(units.units()),
                               kPressureUnit);
}

std::vector<double> reportFigures(const analysis::Sample &sample, double timeStep,
                                  const ReportUnits &units) {
  const analysis::Sample &s = sample;
  if (units.system != UnitSystem::Real)
    return {s.temperature, s.kinetic, s.potential, s.total, s.wallPush, s.thermostat};
  using namespace analysis;
  const ModelUnits real = units.units();
  return {picoseconds(static_cast<double>(s.step), timeStep, real),
          s.temperature,
          kilojoulesPerMole(s.kinetic),
          kilojoulesPerMole(s.potential),
          kilojoulesPerMole(s.total),
          reportedPressure(s.wallPush, units),
          s.thermostat};
}

} // namespace PavexRun
