// The program's copy of the engine set-up and of the atom data it draws, and
// the two set-up procedures that every scenario start runs.
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"

#include <limits>
#include <numeric>

namespace ModDornDll {

// Start-up values; the controller writes the same ones at each start-up.
std::int32_t numAtoms = 0;
std::int32_t numTypes = 1;
std::int32_t cellsX = 5, cellsY = 5, cellsZ = 5;
std::array<double, 6> boxDims{};
double temperature = 200.0;
double gravity = 0.05;
double timeStep = 1.0;
std::int32_t clampOn = 1;
std::int32_t frameCount = 0;

std::vector<double> atomCoords;
std::vector<double> atomVelocities;
std::vector<double> atomMasses;
std::vector<std::int32_t> atomTypes;
std::vector<std::int16_t> drawOrder;
std::vector<double> potentialParams;

namespace {

// Atom numbers are drawn from 16-bit slots.
constexpr std::int32_t kMaxAtomSlots = 32767;
// Four parameters per pair must stay within 16-bit slots: 127·128/2·4 ≤ 32,767.
constexpr std::int32_t kMaxTypes = 127;

constexpr double kDefaultDepth = 1024.0;
constexpr double kDefaultShape = 2.0;
constexpr double kDefaultReference = 1412.0;
constexpr double kDefaultCutOff = 2048.0;

template <typename T> void resizeCleared(std::vector<T> &array, std::size_t slots) {
  array.assign(slots, T{});
}

// MD_init with the cell counts and the clamp switch; numAtoms is then the
// engine's count.
void startEngineLattice() {
  frameCount = 0;
  Pavex::MD_init(cellsX, cellsY, cellsZ, boxDims.data(), &numAtoms);
  Pavex::MD_set_clamp_on_off(clampOn);
}

void sizeAtomArrays() {
  const auto atoms = static_cast<std::size_t>(numAtoms);
  resizeCleared(atomCoords, 3 * atoms + 1);
  resizeCleared(atomTypes, atoms + 1);
  resizeCleared(atomMasses, atoms + 1);
  resizeCleared(atomVelocities, 3 * atoms + 1);
}

void checkAtomCount(std::int32_t largest, const char *limitText) {
  if (numAtoms < 0 || numAtoms > largest)
    throw std::out_of_range("The engine reported " + std::to_string(numAtoms) +
                            " atoms; the program holds " + limitText + " atoms.");
}

} // namespace

void initEngine() {
  startEngineLattice();
  checkAtomCount(kMaxAtomSlots, "0 to 32,767");
  sizeAtomArrays();
  resizeCleared(drawOrder, static_cast<std::size_t>(numAtoms) + 1);
  std::iota(drawOrder.begin(), drawOrder.end() - 1, std::int16_t{0});
}

void initEngineUndrawn() {
  startEngineLattice();
  checkAtomCount(std::numeric_limits<std::int32_t>::max(), "0 or more");
  sizeAtomArrays();
  drawOrder.clear();
}

std::int32_t ensurePotentialTable() {
  if (numTypes < 1 || numTypes > kMaxTypes)
    throw std::out_of_range("A type count of " + std::to_string(numTypes) +
                            " cannot be set up; the program holds 1 to 127 types.");
  const std::int32_t pairs = numTypes * (numTypes + 1) / 2;
  potentialParams.resize(4 * static_cast<std::size_t>(pairs));
  for (std::size_t j = 0; j < static_cast<std::size_t>(pairs); ++j) {
    potentialParams[4 * j] = kDefaultDepth;
    potentialParams[4 * j + 1] = kDefaultShape;
    potentialParams[4 * j + 2] = kDefaultReference;
    potentialParams[4 * j + 3] = kDefaultCutOff;
  }
  return pairs;
}

} // namespace ModDornDll
