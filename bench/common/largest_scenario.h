// The largest scenario the program loads, written for the benchmarks: a
// simple cubic block of 10,922 atoms of two types in a box around it, with a
// condensed-phase pair table.
#pragma once

#include <filesystem>

namespace bench {

// Writes the scenario into the temporary folder and returns its path.
std::filesystem::path writeLargestScenario();

} // namespace bench
