#include "lammps_data.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

namespace PavexRun {
namespace {

void checkAtom(const EngineModel &model, std::size_t i) {
  const std::string atom = "atom " + std::to_string(i + 1);
  const double mass = model.masses[i];
  if (!(mass > 0.0) || !std::isfinite(mass))
    throw std::runtime_error(atom + " has the mass " + std::to_string(mass) +
                             ", and LAMMPS takes only positive masses");
  if (model.types[i] < 0 || model.types[i] >= model.typeCount)
    throw std::runtime_error(atom + " has the type " + std::to_string(model.types[i]) +
                             ", which the pair table does not cover");
}

void writeHeader(std::ostream &out, const EngineModel &model, const LammpsTypes &types) {
  const auto &b = model.box;
  out << "LAMMPS data file of " << commentSafe(model.settings.source) << " after "
      << model.settings.step << " steps, written by pavex-run\n\n";
  char text[400];
  std::snprintf(text, sizeof text,
                "%zu atoms\n%zu atom types\n\n"
                "%.17g %.17g xlo xhi\n%.17g %.17g ylo yhi\n%.17g %.17g zlo zhi\n\nMasses\n\n",
                model.atomCount(), types.kinds.size(), b[0], b[3], b[1], b[4], b[2], b[5]);
  out << text;
  for (std::size_t k = 0; k < types.kinds.size(); ++k) {
    std::snprintf(text, sizeof text, "%zu %.17g # engine type %d\n", k + 1, types.kinds[k].second,
                  types.kinds[k].first);
    out << text;
  }
}

// One line per atom of three values each after the atom number (and type).
void writeTriples(std::ostream &out, const char *section, const std::vector<double> &values,
                  const std::vector<int> *typeOfAtom) {
  out << '\n' << section << "\n\n";
  char line[160];
  for (std::size_t i = 0; 3 * i < values.size(); ++i) {
    const double *v = &values[3 * i];
    if (typeOfAtom)
      std::snprintf(line, sizeof line, "%zu %d %.17g %.17g %.17g\n", i + 1, (*typeOfAtom)[i], v[0],
                    v[1], v[2]);
    else
      std::snprintf(line, sizeof line, "%zu %.17g %.17g %.17g\n", i + 1, v[0], v[1], v[2]);
    out << line;
  }
}

} // namespace

std::string commentSafe(const std::string &name) {
  std::string safe = name;
  for (char &c : safe)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
      c = '?';
  return safe;
}

LammpsTypes lammpsTypes(const EngineModel &model) {
  if (model.atomCount() == 0)
    throw std::runtime_error("the model has no atoms for LAMMPS");
  std::map<std::pair<std::int32_t, double>, int> numbers;
  for (std::size_t i = 0; i < model.atomCount(); ++i) {
    checkAtom(model, i);
    numbers.emplace(std::pair{model.types[i], model.masses[i]}, 0);
  }
  if (numbers.size() > kMostLammpsTypes)
    throw std::runtime_error("the model has " + std::to_string(numbers.size()) +
                             " pairs of type and mass; LAMMPS gets at most " +
                             std::to_string(kMostLammpsTypes) + " types from pavex-run");
  LammpsTypes types;
  for (auto &[kind, number] : numbers) {
    types.kinds.push_back(kind);
    number = static_cast<int>(types.kinds.size());
  }
  for (std::size_t i = 0; i < model.atomCount(); ++i)
    types.ofAtom.push_back(numbers.at({model.types[i], model.masses[i]}));
  return types;
}

void writeDataFile(std::ostream &out, const EngineModel &model, const LammpsTypes &types) {
  writeHeader(out, model, types);
  writeTriples(out, "Atoms # atomic", model.coords, &types.ofAtom);
  writeTriples(out, "Velocities", model.velocities, nullptr);
}

} // namespace PavexRun
