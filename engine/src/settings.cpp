// Scalar settings and results: gravity, box, energies, counts.
#include "engine_state.h"
#include "pavex.h"

#include <algorithm>
#include <cmath>

extern "C" void MD_set_gravity(double g) {
  if (std::isfinite(g)) {
    pavex::engine().gravity = g;
  }
}

extern "C" double MD_get_boundary_pressure(void) {
  const pavex::EngineState &state = pavex::engine();
  // Before the first box there is no area to divide by.
  return state.boxArea != 0.0 ? state.wallForceSum / state.boxArea : 0.0;
}

extern "C" void MD_get_all_energy(double *total, double *potential, double *kinetic) {
  const pavex::EngineState &state = pavex::engine();
  *total = state.totalEnergy;
  *potential = state.potentialEnergy;
  *kinetic = state.kineticEnergy;
}

extern "C" void MD_get_box(double *box) {
  const pavex::EngineState &state = pavex::engine();
  std::copy_n(state.boxMin, 3, box);
  std::copy_n(state.boxMax, 3, box + 3);
}

extern "C" void MD_set_box(const double *box) {
  if (!std::all_of(box, box + 6, [](double v) { return std::isfinite(v); })) {
    return;
  }
  pavex::EngineState &state = pavex::engine();
  std::copy_n(box, 3, state.boxMin);
  std::copy_n(box + 3, 3, state.boxMax);
  const double x = box[3] - box[0];
  const double y = box[4] - box[1];
  const double z = box[5] - box[2];
  state.boxArea = 2.0 * (z * (y + x) + y * x);
}

extern "C" int32_t MD_number_of_coordinates(void) { return pavex::engine().n; }

extern "C" int32_t MD_array_size(void) { return 3 * pavex::engine().n; }
