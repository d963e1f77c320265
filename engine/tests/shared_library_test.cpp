// The engine as the program loads it: the shared library's C interface.
#include "pavex.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SharedLibrary, DefaultLatticeRunsThroughTheCInterface) {
  MD_set_temperature(200);
  MD_set_gravity(0.05);
  double box[6];
  int32_t count = 0;
  ASSERT_EQ(MD_init(5, 5, 5, box, &count), PAVEX_OK);
  ASSERT_EQ(count, 250);
  const double params[4] = {1024, 2, 1412, 2048};
  ASSERT_EQ(MD_set_potential_function(1, params), PAVEX_OK);
  EXPECT_EQ(MD_set_clamp_temp(200), PAVEX_OK);
  std::vector<double> before(750), after(750);
  EXPECT_EQ(MD_return_coordinates(before.data()), 6000);
  EXPECT_EQ(MD_do_run(5), PAVEX_OK);
  MD_return_coordinates(after.data());
  EXPECT_NE(before, after);
  double total, potential, kinetic;
  MD_get_all_energy(&total, &potential, &kinetic);
  EXPECT_LT(potential, 0.0);
  EXPECT_GT(kinetic, 0.0);
  char message[64];
  MD_translate_error(PAVEX_E_OUT_OF_RANGE, sizeof message, message);
  EXPECT_STREQ(message, "Some particles out of range in one or more dimensions");
  MD_free_all();
  EXPECT_EQ(MD_return_coordinates(after.data()), 0);
}

} // namespace
