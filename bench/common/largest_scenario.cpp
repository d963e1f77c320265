#include "largest_scenario.h"

#include <cmath>
#include <fstream>

namespace bench {

namespace {

constexpr int kLargestScenario = 10922; // atoms: the most the scenario format holds

} // namespace

std::filesystem::path writeLargestScenario() {
  const auto path = std::filesystem::temp_directory_path() / "corvanta-bench-largest.ams";
  std::ofstream out(path, std::ios::binary);
  const int side = static_cast<int>(std::ceil(std::cbrt(kLargestScenario)));
  const double spacing = 1412.0;
  const double edge = side * spacing + 2 * 4096.0;
  out << "Version = 1\rNumber of atoms = " << kLargestScenario << "\rNumber of types = 2\r"
      << "Temperature = 150\rGravity = 0.05\rTimestep = 1\rSteps per run = 5\r"
      << "box min dimensions = 0, 0, 0\rbox max dimensions = " << edge << ", " << edge << ", "
      << edge << "\rType 0 has mass 1\rType 1 has mass 1\rPotential functions:\r";
  for (int p = 0; p < 3; ++p)
    out << "4096, 1, 1412, 2048\r";
  out << " x, y, z, vx, vy, vz, mass, type\r";
  for (int k = 0; k < kLargestScenario; ++k) {
    const int ix = k % side, iy = (k / side) % side, iz = k / (side * side);
    out << k << ", " << 4096 + ix * spacing << ", " << 4096 + iy * spacing << ", "
        << 4096 + iz * spacing << ", 0, 0, 0, 1, " << (k % 2) << "\r";
  }
  out << "**** End Of File ****\r";
  return path;
}

} // namespace bench
