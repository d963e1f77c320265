#pragma once

#include <cstdint>

// Deterministic pseudo-random values from integer lattice coordinates, so
// every picture comes out the same on every run and every machine.
std::uint32_t hash2(int x, int y, std::uint32_t seed);

// A hash mapped onto [0, 1).
double unitHash(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1): one lattice cell per unit of x and y.
double valueNoise(double x, double y, std::uint32_t seed);

// Sum of `octaves` layers of value noise, each twice as fine and half as
// strong as the one before, normalised back onto [0, 1).
double fractalNoise(double x, double y, std::uint32_t seed, int octaves);
