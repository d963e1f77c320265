// The engine's forces and potential energy at the positions it holds, read
// through its exported functions: with the clamp off and every atom at rest,
// one step moves no atom before the forces are computed, and the corrector
// leaves each atom's scaled velocity at c1·(Δt²/2)·F/m.
#pragma once

#include <vector>

namespace PavexRunTest {

struct EngineForces {
  std::vector<double> forces; // x, y, z per atom
  double potential = 0.0;     // pair, gravity and wall energy, summed over the atoms
};

// Changes the engine's state (velocities, one step); reload the model after.
EngineForces measureEngineForces(double timeStep);

// Gravity 0 and the box widened so that no atom lies in a wall's skin: what
// measureEngineForces then reads is the pair forces and the pair energy.
void leaveOnlyPairForces();

} // namespace PavexRunTest
