// Orders the atoms for drawing.
#pragma once

namespace ValidationRoutines {

// Reorders ModDornDll::drawOrder in place so that the z of the atoms it
// names is non-decreasing, starting from the order of the previous frame.
void sortAtomsByDepth();

} // namespace ValidationRoutines
