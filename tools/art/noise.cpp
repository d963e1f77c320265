#include "noise.h"

#include <cmath>

std::uint32_t hash2(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

double unitHash(int x, int y, std::uint32_t seed) {
  return static_cast<double>(hash2(x, y, seed) >> 8) / 16777216.0;
}

double valueNoise(double x, double y, std::uint32_t seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int ix = static_cast<int>(fx);
  const int iy = static_cast<int>(fy);
  const double tx = x - fx;
  const double ty = y - fy;
  const double sx = tx * tx * (3.0 - 2.0 * tx);
  const double sy = ty * ty * (3.0 - 2.0 * ty);
  const double top = unitHash(ix, iy, seed) * (1.0 - sx) + unitHash(ix + 1, iy, seed) * sx;
  const double bottom =
      unitHash(ix, iy + 1, seed) * (1.0 - sx) + unitHash(ix + 1, iy + 1, seed) * sx;
  return top * (1.0 - sy) + bottom * sy;
}

double fractalNoise(double x, double y, std::uint32_t seed, int octaves) {
  double sum = 0.0;
  double weight = 1.0;
  double total = 0.0;
  for (int i = 0; i < octaves; ++i) {
    sum += valueNoise(x, y, seed + static_cast<std::uint32_t>(i)) * weight;
    total += weight;
    x *= 2.0;
    y *= 2.0;
    weight *= 0.5;
  }
  return sum / total;
}
