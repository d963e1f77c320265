#include "lammps_check.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace PavexRunTest {
namespace {

const char *const kCheckScript = R"lmp(variable steps index 0
include in.pavex
write_dump all custom total.dump id fx fy fz modify sort id format line "%d %.17g %.17g %.17g"
print "PAVEX_TOTAL $(pe*atoms:%.17g)"
thermo_style custom step pe evdwl
unfix gravity
unfix walls
run 0
write_dump all custom pair.dump id fx fy fz modify sort id format line "%d %.17g %.17g %.17g"
print "PAVEX_PAIR $(evdwl*atoms:%.17g)"
)lmp";

std::string commandOutput(const std::string &command) {
  std::string output;
  FILE *pipe = popen(command.c_str(), "r");
  if (!pipe)
    return output;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    output.append(buffer, n);
  pclose(pipe);
  return output;
}

// The number after a marker in lmp's output; false without the marker.
bool valueAfter(const std::string &log, const std::string &marker, double &value) {
  const auto at = log.find(marker + " ");
  if (at == std::string::npos)
    return false;
  value = std::strtod(log.c_str() + at + marker.size() + 1, nullptr);
  return true;
}

// The forces of a dump sorted by atom id, after its nine header lines.
std::vector<double> dumpForces(const std::string &path) {
  std::ifstream in(path);
  std::string line;
  for (int i = 0; i < 9 && std::getline(in, line); ++i) {
  }
  std::vector<double> forces;
  for (long id; in >> id;)
    for (int d = 0; d < 3; ++d) {
      double f = 0.0;
      in >> f;
      forces.push_back(f);
    }
  return forces;
}

} // namespace

bool lammpsInstalled() { return std::system("command -v lmp >/dev/null 2>&1") == 0; }

LammpsStepZero runLammpsStepZero(const std::string &deckFolder) {
  std::ofstream(deckFolder + "/check.in") << kCheckScript;
  LammpsStepZero result;
  result.log = commandOutput("cd '" + deckFolder + "' && lmp -in check.in -log none 2>&1");
  result.ran = valueAfter(result.log, "PAVEX_TOTAL", result.potential) &&
               valueAfter(result.log, "PAVEX_PAIR", result.pairEnergy);
  result.forces = dumpForces(deckFolder + "/total.dump");
  result.pairForces = dumpForces(deckFolder + "/pair.dump");
  return result;
}

} // namespace PavexRunTest
