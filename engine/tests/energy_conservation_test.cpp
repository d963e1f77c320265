// The integrator conserves energy where nothing else acts: a small cluster
// far from every wall, no gravity, no clamp.
#include "engine_test_support.h"

#include <algorithm>
#include <cmath>

namespace pavex_test {
namespace {

using EnergyConservation = EngineTest;

TEST_F(EnergyConservation, FreeClusterKeepsItsTotalEnergy) {
  ASSERT_EQ(init(3, 3, 3), PAVEX_OK); // 54 atoms at rest
  // Walls a million units away: no atom comes near a wall skin.
  const double box[6] = {-1e6, -1e6, -1e6, 1e6, 1e6, 1e6};
  MD_set_box(box);
  // Relax the compressed start lattice into a cold cluster, warm it gently
  // and let the integrator's history settle after the new velocities.
  ASSERT_EQ(MD_do_quench(1000), PAVEX_OK);
  ASSERT_EQ(MD_set_temperature(30), PAVEX_OK);
  ASSERT_EQ(MD_do_run(200), PAVEX_OK);
  double start, potential, kinetic;
  MD_get_all_energy(&start, &potential, &kinetic);
  double drift = 0.0;
  double lowestKinetic = kinetic;
  for (int block = 0; block < 40; ++block) {
    ASSERT_EQ(MD_do_run(100), PAVEX_OK);
    double total;
    MD_get_all_energy(&total, &potential, &kinetic);
    drift = std::max(drift, std::abs(total - start));
    lowestKinetic = std::min(lowestKinetic, kinetic);
  }
  EXPECT_EQ(state().wallEnergy, 0.0);
  EXPECT_GT(lowestKinetic, 10.0); // the atoms do move
  // Over these 4000 steps the total energy per atom (about -4950, kinetic
  // about 25) stays within 0.017 of its start: the fifth-order corrector's
  // error at about 40 steps per vibration period. The bound leaves a margin of
  // three; a wrong corrector coefficient or a one-sided force drifts by whole
  // units of energy.
  EXPECT_LT(drift, 0.05);
}

} // namespace
} // namespace pavex_test
