#include "atom_drawing/validation_routines.h"

#include "scenario/mod_dorn_dll.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ValidationRoutines {

// Insertion sort from the previous frame's order: atoms move little between
// frames, so a frame costs about one pass instead of the quadratic exchange
// sort. Stable, in place, no allocation.
void sortAtomsByDepth() {
  using namespace ModDornDll;
  const std::size_t n = std::min<std::size_t>(numAtoms < 0 ? 0 : numAtoms, drawOrder.size());
  if (n < 2)
    return;
  const double *coords = atomCoords.data();
  std::int16_t *order = drawOrder.data();
  for (std::size_t i = 1; i < n; ++i) {
    const std::int16_t atom = order[i];
    const double z = coords[3 * atom + 2];
    std::size_t j = i;
    while (j > 0 && coords[3 * order[j - 1] + 2] > z) {
      order[j] = order[j - 1];
      --j;
    }
    order[j] = atom;
  }
}

} // namespace ValidationRoutines
