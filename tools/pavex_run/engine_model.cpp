#include "engine_model.h"

#include "scenario/engine_binding.h"

#include <cmath>

namespace PavexRun {
namespace {

// The most types a pair table can hold in the program (127) sizes the
// buffer before the engine says how many it has.
constexpr std::size_t kLargestPairBuffer = 4 * 127 * 128 / 2;

void readPairTable(EngineModel &model) {
  model.pairParams.assign(kLargestPairBuffer, 0.0);
  std::int32_t types = 0;
  if (Pavex::MD_get_potential_function(&types, model.pairParams.data()) != 0 || types < 1 ||
      types > 127)
    throw Pavex::EngineError("the engine cannot return its pair table");
  model.typeCount = types;
  model.pairParams.resize(4 * static_cast<std::size_t>(types) * (types + 1) / 2);
}

} // namespace

double heldTimeStep(double requested) {
  return requested > 0.0 && std::isfinite(requested) ? requested : 1.0;
}

double heldGravity(double requested) { return std::isfinite(requested) ? requested : 0.0; }

EngineModel readEngineModel(const ModelSettings &settings) {
  EngineModel model;
  model.settings = settings;
  const auto n = static_cast<std::size_t>(Pavex::MD_number_of_coordinates());
  model.coords.resize(3 * n);
  model.velocities.resize(3 * n);
  model.masses.resize(n);
  model.types.resize(n);
  if (n > 0) {
    Pavex::MD_return_coordinates(model.coords.data());
    Pavex::MD_return_velocity(model.velocities.data());
    Pavex::MD_get_atom_properties(model.masses.data(), model.types.data());
  }
  for (double &v : model.velocities)
    v /= settings.timeStep;
  Pavex::MD_get_box(model.box.data());
  readPairTable(model);
  return model;
}

} // namespace PavexRun
