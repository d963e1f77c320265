#include "engine_forces.h"

#include "scenario/engine_binding.h"

#include <array>
#include <cstdint>

namespace PavexRunTest {
namespace {

constexpr double kCorrectorVelocity = 251.0 / 360.0; // the Gear corrector's c1
constexpr double kWallSkin = 2048.0;

} // namespace

EngineForces measureEngineForces(double timeStep) {
  const auto n = static_cast<std::size_t>(Pavex::MD_number_of_coordinates());
  Pavex::MD_set_clamp_on_off(0);
  std::vector<double> velocities(3 * n, 0.0);
  Pavex::MD_set_velocity(velocities.data());
  EngineForces result;
  if (Pavex::MD_do_run(1) != 0)
    return result;
  Pavex::MD_return_velocity(velocities.data());
  std::vector<double> masses(n);
  std::vector<std::int32_t> types(n);
  Pavex::MD_get_atom_properties(masses.data(), types.data());
  result.forces.resize(3 * n);
  const double h = timeStep * timeStep / 2.0;
  for (std::size_t k = 0; k < 3 * n; ++k)
    result.forces[k] = velocities[k] * masses[k / 3] / (kCorrectorVelocity * h);
  double total = 0.0, potential = 0.0, kinetic = 0.0;
  Pavex::MD_get_all_energy(&total, &potential, &kinetic);
  result.potential = potential * static_cast<double>(n);
  return result;
}

void leaveOnlyPairForces() {
  Pavex::MD_set_gravity(0.0);
  std::array<double, 6> box{};
  Pavex::MD_get_box(box.data());
  for (int axis = 0; axis < 3; ++axis) {
    box[axis] -= 2.0 * kWallSkin;
    box[axis + 3] += 2.0 * kWallSkin;
  }
  Pavex::MD_set_box(box.data());
}

} // namespace PavexRunTest
