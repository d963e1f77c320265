#include "run_report.h"

#include <stdexcept>

namespace PavexRun {

RunReport::RunReport(std::FILE *out, const std::string &csvPath) : out_(out) {
  std::fprintf(out_, "%8s %12s %12s %12s %12s %12s\n", "step", "temperature", "kinetic",
               "potential", "total", "pressure");
  if (csvPath.empty())
    return;
  csv_.open(csvPath);
  if (!csv_)
    throw std::runtime_error("cannot write the table " + csvPath);
  csv_ << "step,temperature,kinetic,potential,total,pressure\n";
}

void RunReport::addRow(const EnergyRow &row) {
  char line[160];
  std::snprintf(line, sizeof line, "%d,%.6g,%.6g,%.6g,%.6g,%.6g", row.step, row.temperature,
                row.kinetic, row.potential, row.total, row.pressure);
  if (csv_.is_open())
    csv_ << line << '\n';
  std::fprintf(out_, "%8d %12.3f %12.3f %12.3f %12.3f %12.4g\n", row.step, row.temperature,
               row.kinetic, row.potential, row.total, row.pressure);
}

void RunReport::addNote(const std::string &note) {
  std::fprintf(out_, "%8s %s\n", "", note.c_str());
}

void RunReport::printSummary(const std::vector<TypeSummary> &summaries, int steps) {
  std::fprintf(out_, "\nphase summary after %d steps\n", steps);
  std::fprintf(out_, "%4s %6s %8s %8s %8s %11s %6s %10s  %s\n", "type", "atoms", "r0", "rms/r0",
               "recent", "neighbours", "free", "low third", "phase");
  for (const TypeSummary &s : summaries) {
    if (s.atoms == 0)
      continue;
    std::fprintf(out_, "%4d %6d %8.1f %8.3f %8.3f %11.2f %6.2f %10.2f  %s\n", s.type, s.atoms,
                 s.minimumDistance, s.rmsDisplacement, s.recentDisplacement, s.neighbours,
                 s.freeShare, s.lowerThird, s.phase.c_str());
  }
}

} // namespace PavexRun
