#include "run_report.h"

#include "analysis/mobility.h"

#include <stdexcept>

namespace PavexRun {

RunReport::RunReport(std::FILE *out, const std::string &csvPath) : out_(out) {
  std::fprintf(out_, "%8s %12s %12s %12s %12s %12s %11s\n", "step", "temperature", "kinetic",
               "potential", "total", "pressure", "thermostat");
  if (csvPath.empty())
    return;
  csv_.open(csvPath);
  if (!csv_)
    throw std::runtime_error("cannot write the table " + csvPath);
  csv_ << "step,temperature (K),kinetic (per atom),potential (per atom),total (per atom),"
          "pressure (force per area),thermostat (K)\n";
}

void RunReport::addRow(const analysis::Sample &row) {
  char line[200];
  std::snprintf(line, sizeof line, "%lld,%.6g,%.6g,%.6g,%.6g,%.6g,%.6g",
                static_cast<long long>(row.step), row.temperature, row.kinetic, row.potential,
                row.total, row.pressure, row.thermostat);
  if (csv_.is_open()) {
    csv_ << line << '\n';
    if (!csv_)
      throw std::runtime_error("cannot write the table");
  }
  std::fprintf(out_, "%8lld %12.3f %12.3f %12.3f %12.3f %12.4g %11.1f\n",
               static_cast<long long>(row.step), row.temperature, row.kinetic, row.potential,
               row.total, row.pressure, row.thermostat);
}

void RunReport::addNote(const std::string &note) {
  std::fprintf(out_, "%8s %s\n", "", note.c_str());
}

void RunReport::addMobility(const MobilityWindow &window) { mobility_.push_back(window); }

void RunReport::printSummary(const std::vector<analysis::TypeSummary> &summaries, int steps) {
  std::fprintf(out_, "\nphase summary after %d steps\n", steps);
  std::fprintf(out_, "%4s %6s %8s %8s %8s %11s %6s %10s  %s\n", "type", "atoms", "r0", "rms/r0",
               "recent", "neighbours", "free", "low third", "phase");
  for (const analysis::TypeSummary &s : summaries) {
    if (s.atoms == 0)
      continue;
    std::fprintf(out_, "%4d %6d %8.1f %8.3f %8.3f %11.2f %6.2f %10.2f  %s\n", s.type, s.atoms,
                 s.minimumDistance, s.rmsDisplacement, s.recentDisplacement, s.neighbours,
                 s.freeShare, s.lowerThird, std::string(analysis::phaseName(s.phase)).c_str());
  }
  if (!mobility_.empty())
    printMobility();
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
