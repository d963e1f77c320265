/* Builds the engine's start-up lattice of 5 x 5 x 5 cells with one material,
 * runs ten steps and prints the atom count and the run's result. */
#include <pavex.h>
#include <stdio.h>

int main(void) {
  double box[6];
  const double pair[4] = {1024.0, 2.0, 1412.0, 2048.0};
  int32_t atoms = 0;
  MD_init(5, 5, 5, box, &atoms);
  MD_set_potential_function(1, pair);
  MD_set_temperature(200.0);
  const int32_t code = MD_do_run(10);
  printf("%d atoms, run %d\n", (int)atoms, (int)code);
  MD_free_all();
  return code;
}
