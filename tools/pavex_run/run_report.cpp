#include "run_report.h"

#include "analysis/mobility.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace PavexRun {
namespace {

// What the summary's r0 is measured in; the plain summary does not say.
const char *lengthNote(UnitSystem system) {
  switch (system) {
  case UnitSystem::Real:
    return " (r0 in Å)";
  case UnitSystem::Model:
    return " (r0 in model units)";
  case UnitSystem::PlainModel:
    break;
  }
  return "";
}

} // namespace

RunReport::RunReport(std::FILE *out, const std::string &csvPath, ReportUnits units, double timeStep)
    : out_(out), units_(std::move(units)), timeStep_(timeStep),
      columns_(reportColumns(units_.system)) {
  printHeader();
  if (csvPath.empty())
    return;
  csv_.open(csvPath);
  if (!csv_)
    throw std::runtime_error("cannot write the table " + csvPath);
  csv_ << "step";
  for (const ReportColumn &column : columns_)
    csv_ << ',' << column.name << " (" << column.unit << ')';
  csv_ << '\n';
}

// The names, and under them the units unless the headers are the plain ones.
void RunReport::printHeader() {
  std::fprintf(out_, "%8s", "step");
  for (const ReportColumn &column : columns_)
    std::fprintf(out_, " %*s", column.width, column.name.c_str());
  std::fprintf(out_, "\n");
  if (units_.system == UnitSystem::PlainModel)
    return;
  std::fprintf(out_, "%8s", "");
  for (const ReportColumn &column : columns_)
    std::fprintf(out_, " %*s", column.width, column.screenUnit.c_str());
  std::fprintf(out_, "\n");
}

void RunReport::addRow(const analysis::Sample &row) {
  const std::vector<double> figures = reportFigures(row, timeStep_, units_);
  const auto step = static_cast<long long>(row.step);
  if (csv_.is_open()) {
    csv_ << step;
    char value[32];
    for (const double figure : figures) {
      std::snprintf(value, sizeof value, ",%.6g", figure);
      csv_ << value;
    }
    csv_ << '\n';
    if (!csv_)
      throw std::runtime_error("cannot write the table");
  }
  std::fprintf(out_, "%8lld", step);
  for (std::size_t k = 0; k < figures.size(); ++k) {
    std::fprintf(out_, " ");
    std::fprintf(out_, columns_[k].format, columns_[k].width, figures[k]);
  }
  std::fprintf(out_, "\n");
}

void RunReport::addNote(const std::string &note) {
  std::fprintf(out_, "%8s %s\n", "", note.c_str());
}

void RunReport::addMobility(const MobilityWindow &window) { mobility_.push_back(window); }

void RunReport::printSummary(const std::vector<analysis::TypeSummary> &summaries, int steps,
                             double temperature) {
  std::fprintf(out_, "\nphase summary after %d steps%s\n", steps, lengthNote(units_.system));
  // Only real units name the materials' substances.
  int nameWidth = 0;
  if (units_.system == UnitSystem::Real) {
    nameWidth = static_cast<int>(std::strlen("material"));
    for (const analysis::TypeSummary &s : summaries)
      nameWidth = std::max(nameWidth, static_cast<int>(units_.materialName(s.type).size()));
  }
  std::fprintf(out_, "%4s", "type");
  if (nameWidth > 0)
    std::fprintf(out_, " %-*s", nameWidth, "material");
  std::fprintf(out_, " %6s %8s %8s %8s %11s %6s %10s  %s\n", "atoms", "r0", "rms/r0", "recent",
               "neighbours", "free", "low third", "phase");
  for (const analysis::TypeSummary &s : summaries)
    if (s.atoms > 0)
      printSummaryRow(s, nameWidth, temperature);
  if (!mobility_.empty())
    printMobility();
}

void RunReport::printSummaryRow(const analysis::TypeSummary &s, int nameWidth, double temperature) {
  std::fprintf(out_, "%4d", s.type);
  if (nameWidth > 0)
    std::fprintf(out_, " %-*s", nameWidth, units_.materialName(s.type).c_str());
  const bool real = units_.system == UnitSystem::Real;
  const double r0 =
      real ? analysis::angstroms(s.minimumDistance, units_.units()) : s.minimumDistance;
  const std::string phase(
      analysis::phaseLabel(s.phase, temperature, units_.modelMeltingPoint(s.type)));
  std::fprintf(out_, real ? " %6d %8.2f" : " %6d %8.1f", s.atoms, r0);
  std::fprintf(out_, " %8.3f %8.3f %11.2f %6.2f %10.2f  %s\n", s.rmsDisplacement,
               s.recentDisplacement, s.neighbours, s.freeShare, s.lowerThird, phase.c_str());
}

void RunReport::printMobility() {
  std::fprintf(out_, "\nmobile share: atoms that moved more than %g r0 in the window\n",
               analysis::kMobileDistance);
  std::fprintf(out_, "%8s %8s", "from", "to");
  for (std::size_t t = 0; t < mobility_.front().shares.size(); ++t)
    std::fprintf(out_, "   type %zu", t);
  std::fprintf(out_, "\n");
  for (const MobilityWindow &window : mobility_) {
    std::fprintf(out_, "%8d %8d", window.from, window.to);
    for (const double share : window.shares)
      std::fprintf(out_, " %8.3f", share);
    std::fprintf(out_, "\n");
  }
}

} // namespace PavexRun
