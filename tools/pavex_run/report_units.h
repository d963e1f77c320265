// The units pavex-run reports in. With the scenario's material card the
// figures are real: time in picoseconds beside the step, temperatures in
// kelvin, energies in kJ/mol per atom, the wall pressure in kPa and r0 in
// ångström. Without a usable card they are the model's own and the headers
// say so (kelvin for temperatures, "model units" for the rest). --units
// model gives the model's figures under the plain headers pavex-run has
// always written, which scripts read by the name before " (".
#pragma once

#include "analysis/real_units.h"
#include "analysis/series.h"
#include "scenario/material_card.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace PavexRun {

enum class UnitSystem {
  Real,       // from the scenario's material card
  Model,      // no usable card: the model's own, labelled as such
  PlainModel, // --units model: the model's own under the plain headers
};

struct ReportUnits {
  UnitSystem system = UnitSystem::PlainModel;
  std::optional<ModDornDll::MaterialCard> card; // present exactly for Real

  // The card's units; only for Real.
  analysis::ModelUnits units() const;
  // The substance of a material type, "" without a card or beyond it.
  std::string materialName(std::int32_t type) const;
  // The model's own melting point of a material type, where the card has it.
  std::optional<double> modelMeltingPoint(std::int32_t type) const;
};

// realWanted: --units real (the default). Then the card beside the scenario
// is read; one that cannot be used is reported on `errors` as
// "pavex-run: FILE, line N: reason; running in model units" and the run goes
// on in model units. An empty scenario (the --lattice start) has no card.
ReportUnits chooseReportUnits(bool realWanted, const std::string &scenario, std::int32_t types,
                              std::FILE *errors);

// A column of the table after the step.
struct ReportColumn {
  std::string name;       // the CSV header's name, before " ("
  std::string unit;       // in the CSV header's parentheses
  std::string screenUnit; // under the name on standard output; "" for plain headers
  int width = 12;         // on standard output
  const char *format;     // printf conversion for standard output, given the width
};

std::vector<ReportColumn> reportColumns(UnitSystem system);

// The figures of a sample in the order of reportColumns; the pressure is the
// walls' own (Sample::wallPush), and the time step (model units) turns the
// step into time in real units.
std::vector<double> reportFigures(const analysis::Sample &sample, double timeStep,
                                  const ReportUnits &units);
// A pressure (model units) as the pressure column gives it: kPa with real
// units, model units otherwise.
double reportedPressure(double modelPressure, const ReportUnits &units);

} // namespace PavexRun
