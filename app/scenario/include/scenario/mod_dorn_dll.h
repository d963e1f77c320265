// The program's own copy of the engine's set-up and of the atom data it
// draws, the engine initialisation, and the scenario loader.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ModDornDll {

extern std::int32_t numAtoms;
extern std::int32_t numTypes;
extern std::int32_t cellsX, cellsY, cellsZ;
extern std::array<double, 6> boxDims; // min x, y, z, then max x, y, z
extern double temperature;            // set-point, also the clamp temperature
extern double gravity;
extern double timeStep;
extern std::int32_t clampOn;
extern std::int32_t frameCount; // frames since the last scenario start

// Per-atom arrays carry one spare slot at the end (0..3N, 0..N).
extern std::vector<double> atomCoords;
extern std::vector<double> atomVelocities;
extern std::vector<double> atomMasses;
extern std::vector<std::int32_t> atomTypes;
extern std::vector<std::int16_t> drawOrder;
extern std::vector<double> potentialParams; // 4 per pair of types

// MD_init from the cell counts, clamp switch, arrays resized and cleared,
// drawOrder the identity, frameCount 0. Throws std::out_of_range, with the
// arrays as they were, when the engine reports a count outside 0 .. 32,767.
void initEngine();
// initEngine for a program that draws nothing (pavex-run): the same engine
// calls, the atom arrays sized for any count the engine makes (the engine
// takes more atoms than the 16-bit drawing slots), drawOrder left empty.
void initEngineUndrawn();
// Fills potentialParams with the default pair (1024, 2, 1412, 2048) for every
// pair of numTypes types; returns the number of pairs. Throws
// std::out_of_range, changing nothing, for a type count outside 1 .. 127.
std::int32_t ensurePotentialTable();

// A scenario file that cannot be loaded: the message names the file, the line
// and what was expected there.
class ScenarioError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Reads a scenario file into the program-side state and hands it to the
// engine. The whole file is read and checked before anything changes: on
// ScenarioError the program-side state and the engine are as they were.
// An empty file name does nothing. Lines end at CR, CR LF or LF.
void loadScenarioFile(const std::string &fileName);

} // namespace ModDornDll
