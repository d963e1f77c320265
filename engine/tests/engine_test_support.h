// Shared set-up of the engine's behaviour tests: every test starts from the
// state of a freshly loaded library.
#ifndef PAVEX_ENGINE_TEST_SUPPORT_H
#define PAVEX_ENGINE_TEST_SUPPORT_H

#include "engine_state.h"
#include "message_layer.h"
#include "pavex.h"

#include <gtest/gtest.h>

#include <vector>

namespace pavex_test {

constexpr double kLattice = 40960.0 / 29.0;

class EngineTest : public ::testing::Test {
protected:
  void SetUp() override {
    pavex::engine() = pavex::EngineState{};
    pavex::setMessageSink(nullptr);
  }
  void TearDown() override { pavex::engine() = pavex::EngineState{}; }

  pavex::EngineState &state() { return pavex::engine(); }

  // MD_init of the given cells with the temperature already stored.
  int32_t init(int32_t nx, int32_t ny, int32_t nz) {
    double box[6];
    int32_t count = 0;
    return MD_init(nx, ny, nz, box, &count);
  }

  // Two atoms at rest, far from every wall of a large box, no gravity.
  void twoAtomsApart(double distance) {
    ASSERT_EQ(init(1, 1, 1), PAVEX_OK);
    const double box[6] = {0, 0, 0, 100000, 100000, 100000};
    MD_set_box(box);
    const double xyz[6] = {50000, 50000, 50000, 50000 + distance, 50000, 50000};
    MD_set_coordinates(xyz);
  }

  std::vector<double> coordinates() {
    std::vector<double> xyz(3 * static_cast<size_t>(MD_number_of_coordinates()));
    MD_return_coordinates(xyz.data());
    return xyz;
  }

  std::vector<double> velocities() {
    std::vector<double> v(3 * static_cast<size_t>(MD_number_of_coordinates()));
    MD_return_velocity(v.data());
    return v;
  }
};

} // namespace pavex_test

#endif
