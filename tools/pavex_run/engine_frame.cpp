#include "engine_frame.h"

#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"

namespace PavexRun {

analysis::AtomFrame engineFrame() {
  using namespace ModDornDll;
  Pavex::MD_return_coordinates(atomCoords.data());
  const auto atoms = static_cast<std::size_t>(numAtoms);
  return {std::vector<double>(atomCoords.begin(), atomCoords.begin() + 3 * atoms),
          std::vector<std::int32_t>(atomTypes.begin(), atomTypes.begin() + atoms), numTypes,
          potentialParams, boxDims};
}

} // namespace PavexRun
