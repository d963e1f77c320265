#include "lattice_start.h"

#include "run_options.h"
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/start_up.h"

#include <charconv>
#include <limits>

namespace PavexRun {
namespace {

// The engine's arrays of 3 doubles per atom must have a byte size (24 N)
// that fits its 32-bit results.
constexpr std::int64_t kLargestLattice = std::numeric_limits<std::int32_t>::max() / 24;
constexpr std::int64_t kCoordinateBytes = 24;

std::int32_t cellCount(const std::string &text, const std::string &whole) {
  std::int32_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
      value < 1)
    throw UsageError("--lattice takes NXxNYxNZ, three whole numbers of at least 1, not \"" + whole +
                     "\"");
  return value;
}

} // namespace

std::string LatticeCells::text() const {
  return std::to_string(x) + "x" + std::to_string(y) + "x" + std::to_string(z);
}

LatticeCells parseLatticeCells(const std::string &text) {
  const auto first = text.find('x');
  const auto second = first == std::string::npos ? first : text.find('x', first + 1);
  if (second == std::string::npos)
    throw UsageError("--lattice takes NXxNYxNZ, not \"" + text + "\"");
  const LatticeCells cells{cellCount(text.substr(0, first), text),
                           cellCount(text.substr(first + 1, second - first - 1), text),
                           cellCount(text.substr(second + 1), text)};
  if (cells.atoms() == 2)
    throw UsageError("--lattice 1x1x1 puts its two atoms on one line, and the engine cannot "
                     "give them a temperature");
  if (cells.atoms() > kLargestLattice)
    throw UsageError("--lattice " + text + " makes " + std::to_string(cells.atoms()) +
                     " atoms; the engine holds at most " + std::to_string(kLargestLattice));
  return cells;
}

void startLattice(const LatticeCells &cells) {
  using namespace ModDornDll;
  cellsX = cells.x;
  cellsY = cells.y;
  cellsZ = cells.z;
  initEngineUndrawn();
  simulation::handStartUpValues();
  // The engine moves no bytes when it could not make its arrays.
  if (numAtoms != cells.atoms() ||
      Pavex::MD_return_coordinates(atomCoords.data()) != kCoordinateBytes * cells.atoms())
    throw Pavex::EngineError("the engine cannot hold the " + std::to_string(cells.atoms()) +
                             " atoms of the lattice " + cells.text());
}

} // namespace PavexRun
