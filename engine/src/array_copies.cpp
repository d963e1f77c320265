// Copies of whole per-atom arrays in and out, and single-atom getters. Without
// per-atom arrays nothing is copied and the copies report 0 bytes.
#include "engine_state.h"
#include "pavex.h"

#include <algorithm>
#include <memory>

namespace pavex {
namespace {

int32_t copyOut(const std::unique_ptr<double[]> &from, int32_t perAtom, double *dst) {
  const EngineState &state = engine();
  if (!state.atoms.present()) {
    return 0;
  }
  const int32_t count = perAtom * state.n;
  std::copy_n(from.get(), count, dst);
  return count * static_cast<int32_t>(sizeof(double));
}

int32_t copyIn(std::unique_ptr<double[]> &to, const double *src) {
  const EngineState &state = engine();
  if (!state.atoms.present()) {
    return 0;
  }
  const int32_t count = 3 * state.n;
  std::copy_n(src, count, to.get());
  return count * static_cast<int32_t>(sizeof(double));
}

int32_t oneTriple(const std::unique_ptr<double[]> &from, int32_t i, double *x, double *y,
                  double *z) {
  const EngineState &state = engine();
  if (!state.atoms.present() || i < 0 || i >= state.n) {
    *x = *y = *z = 0.0;
    return -1;
  }
  const double *p = from.get() + 3 * static_cast<int64_t>(i);
  *x = p[0];
  *y = p[1];
  *z = p[2];
  return 0;
}

} // namespace
} // namespace pavex

using pavex::engine;

extern "C" int32_t MD_return_coordinates(double *dst) {
  return pavex::copyOut(engine().atoms.position, 3, dst);
}

extern "C" int32_t MD_set_coordinates(const double *src) {
  return pavex::copyIn(engine().atoms.position, src);
}

extern "C" int32_t MD_return_velocity(double *dst) {
  return pavex::copyOut(engine().atoms.velocity, 3, dst);
}

extern "C" int32_t MD_set_velocity(const double *src) {
  return pavex::copyIn(engine().atoms.velocity, src);
}

extern "C" int32_t MD_return_kinetic_energy(double *dst) {
  return pavex::copyOut(engine().atoms.atomEnergy, 1, dst);
}

extern "C" int32_t MD_return_atom_velocities(double *dst) {
  return pavex::copyOut(engine().atoms.stepLength, 1, dst);
}

extern "C" int32_t MD_return_one_coordinate(int32_t i, double *x, double *y, double *z) {
  return pavex::oneTriple(engine().atoms.position, i, x, y, z);
}

extern "C" int32_t MD_return_one_velocity(int32_t i, double *x, double *y, double *z) {
  return pavex::oneTriple(engine().atoms.velocity, i, x, y, z);
}
