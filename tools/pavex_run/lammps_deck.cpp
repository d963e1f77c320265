#include "lammps_deck.h"

#include "lammps_data.h"
#include "lammps_input.h"
#include "lammps_table.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <system_error>

namespace PavexRun {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path &path, const std::function<void(std::ostream &)> &write) {
  std::ofstream out(path);
  if (out)
    write(out);
  out.close();
  if (!out)
    throw std::runtime_error("cannot write " + path.string());
}

// One section per pair of engine types, in the pair table's order.
void writeTables(std::ostream &out, const EngineModel &model) {
  out << "# The engine's pair potential E = A s^2 (s^2 - b), s = (r^2 - D^2)/(C^2 - D^2),\n"
         "# tabulated per pair of engine types for pair_style table, written by pavex-run.\n\n";
  for (int t = 0, p = 0; t < model.typeCount; ++t)
    for (int u = 0; u <= t; ++u, ++p) {
      const double *q = &model.pairParams[4 * static_cast<std::size_t>(p)];
      writeTableSection(out, tableSection(t, u), {q[0], q[1], q[2], q[3]}, kTablePoints);
    }
}

} // namespace

void prepareDeckFolder(const std::string &folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder))
    throw std::runtime_error("cannot make the folder " + folder + " for the LAMMPS deck" +
                             (error ? ": " + error.message() : ""));
}

void writeLammpsDeck(const std::string &folder, const EngineModel &model) {
  const LammpsTypes types = lammpsTypes(model);
  const fs::path where(folder);
  writeFile(where / kDeckData, [&](std::ostream &out) { writeDataFile(out, model, types); });
  writeFile(where / kDeckTable, [&](std::ostream &out) { writeTables(out, model); });
  writeFile(where / kDeckInput, [&](std::ostream &out) { writeInputScript(out, model, types); });
}

} // namespace PavexRun
