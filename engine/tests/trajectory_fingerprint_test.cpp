// Runs whose every bit is pinned: the positions, scaled velocities and
// energies after a few hundred steps, recorded once from a run checked bit for
// bit against the literal forward sweep. Any change to the order in which
// forces or energies are summed, or to the integrator's arithmetic, changes
// these fingerprints; a faster run loop must leave them exactly as they are.
#include "engine_test_support.h"

#include <bit>
#include <cstdio>
#include <string>

namespace pavex_test {
namespace {

std::string hex(uint64_t bits) {
  char text[19];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
  return text;
}

// FNV-1a over the bit patterns of the values.
uint64_t fingerprint(const std::vector<double> &values) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (double v : values) {
    const auto bits = std::bit_cast<uint64_t>(v);
    for (int shift = 0; shift < 64; shift += 8) {
      hash = (hash ^ ((bits >> shift) & 0xff)) * 0x100000001b3ull;
    }
  }
  return hash;
}

// How the pair sweep may be cut: one thread; two threads below the size
// that cuts it; two and three threads cutting every sweep into parts.
struct Threading {
  int32_t threads;
  int32_t threadedFrom;
};

class TrajectoryFingerprint : public EngineTest, public ::testing::WithParamInterface<Threading> {
protected:
  void SetUp() override {
    EngineTest::SetUp();
    state().threads = GetParam().threads;
    state().threadedFrom = GetParam().threadedFrom;
  }

  // Fingerprints of positions and velocities, then the bits of the total,
  // potential and kinetic energy per atom and of the wall force sum.
  std::string summary() {
    double total, potential, kinetic;
    MD_get_all_energy(&total, &potential, &kinetic);
    return hex(fingerprint(coordinates())) + " " + hex(fingerprint(velocities())) + " " +
           hex(std::bit_cast<uint64_t>(total)) + " " + hex(std::bit_cast<uint64_t>(potential)) +
           " " + hex(std::bit_cast<uint64_t>(kinetic)) + " " +
           hex(std::bit_cast<uint64_t>(state().wallForceSum));
  }
};

TEST_P(TrajectoryFingerprint, WarmSmallLattice) {
  ASSERT_EQ(init(5, 5, 5), PAVEX_OK); // 250 atoms
  ASSERT_EQ(MD_set_temperature(200), PAVEX_OK);
  ASSERT_EQ(MD_do_run(300), PAVEX_OK);
  EXPECT_EQ(summary(),
            "cd12b4f809e6c1dc dce849d6de0d9a68 c0b0e5512bb609ae c0bd281fe8deff1c 40a8859d7a51eadd "
            "402807742c395bcd");
}

// Two materials, gravity, the clamp and a quench on a lattice large enough
// for the neighbour grid's columns.
TEST_P(TrajectoryFingerprint, TwoMaterialsUnderGravityClampedThenQuenched) {
  ASSERT_EQ(init(10, 10, 10), PAVEX_OK); // 2000 atoms
  const double params[12] = {1024, 2, 1412, 2048, 700, 1, 1300, 1800, 900, 2, 1500, 2000};
  ASSERT_EQ(MD_set_potential_function(2, params), PAVEX_OK);
  MD_set_nr_of_materials(2);
  ASSERT_EQ(MD_set_temperature(300), PAVEX_OK);
  MD_set_gravity(0.05);
  ASSERT_EQ(MD_set_clamp_temp(150), PAVEX_OK);
  ASSERT_EQ(MD_do_run(150), PAVEX_OK);
  ASSERT_EQ(MD_do_quench(30), PAVEX_OK);
  EXPECT_EQ(summary(),
            "3927b8f909df0e8a 810efd6d3c240925 c0b01d178befdc4e c0bc43079b63f419 40a84be01ee82f97 "
            "405d3bd6c2bc30a0");
}

INSTANTIATE_TEST_SUITE_P(OneThread, TrajectoryFingerprint,
                         ::testing::Values(Threading{1, pavex::kThreadedFrom}));
INSTANTIATE_TEST_SUITE_P(TwoThreadsBelowTheirSize, TrajectoryFingerprint,
                         ::testing::Values(Threading{2, pavex::kThreadedFrom}));
INSTANTIATE_TEST_SUITE_P(SweepInParts, TrajectoryFingerprint,
                         ::testing::Values(Threading{2, 0}, Threading{3, 0}));

} // namespace
} // namespace pavex_test
