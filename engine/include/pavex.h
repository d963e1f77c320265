/* Pavex: the molecular-dynamics engine behind a flat C interface.
 *
 * One process-wide simulation state. Arrays cross the boundary by address and
 * are copied; the engine never keeps a pointer into the caller's memory.
 * Lengths, energies and masses are in the engine's own units; temperature is
 * 2/3 of the mean kinetic energy per atom. Velocities cross the boundary
 * scaled by the time step (dt * velocity, the displacement per step).
 * Functions that return an error code return 0 on success and one of the
 * PAVEX_E_* codes below on failure. Not thread-safe, not re-entrant: one call
 * at a time, from any one thread at a time. No C++ exception leaves the
 * library; a failed allocation returns its code.
 *
 * Threads: from 16,384 atoms on, a run spreads the pair forces of each step
 * over worker threads that MD_init starts once. The environment variable
 * PAVEX_THREADS (read once; a whole number from 1 to 64, otherwise the
 * processor cores) sets how many threads work; 1 keeps every step on the
 * caller's thread. The results are the same to the last bit for every
 * count, and a thread that cannot be started leaves its work to the others.
 *
 * Calls out of order and unsound arguments are safe:
 * - Without per-atom arrays (before the first MD_init, after MD_free_all) the
 *   per-atom operations do nothing: copies return 0 bytes, the single-atom
 *   getters -1 with zeros, runs PAVEX_E_NO_ATOM_MEMORY, temperature reads 0;
 *   MD_set_temperature and MD_set_timestep only store their value and
 *   MD_set_nr_of_materials only the number of types (result 0). With N = 0 a
 *   run does nothing and returns 0.
 * - MD_get_potential_function and MD_show_settings need no table: without one
 *   (or with one for fewer types than in use) the former leaves params alone
 *   and returns PAVEX_E_NO_PAIR_MEMORY, the latter shows the settings and only
 *   the records the table holds.
 * - Each run checks once, before its first step, that a pair table exists and
 *   covers every atom's type (else PAVEX_E_NO_PAIR_MEMORY) and that no mass is
 *   0 (else PAVEX_E_NO_MASS); it then makes no step.
 * - A pair record with C = D (a potential of no width) does not interact.
 * - NaN or infinite temperatures, clamp temperatures, time steps, gravities
 *   and boxes are refused and change nothing (temperature: PAVEX_E_TEMPERATURE,
 *   clamp: PAVEX_E_CLAMP). A negative clamp temperature is stored but the
 *   clamp treats it as 0.
 * - The neighbour grid measures positions from the box minimum, so boxes below
 *   0 lose no pairs; grid cells of atoms far outside the box saturate. A
 *   coordinate that is not a number counts as outside the box. */
#ifndef PAVEX_H
#define PAVEX_H

#include <stdint.h>

#if defined(PAVEX_BUILDING)
#define PAVEX_API __attribute__((visibility("default")))
#else
#define PAVEX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
  PAVEX_OK = 0,
  PAVEX_E_PARTICLE_COUNT = 1, /* atoms placed differ from 2*nx*ny*nz */
  PAVEX_E_NO_TYPES = 2,       /* number of types less than 1 */
  PAVEX_E_NULL_PARAMS = 3,    /* pair parameter array is NULL */
  PAVEX_E_NO_PAIR_MEMORY = 4, /* pair table could not be allocated */
  PAVEX_E_NO_ATOM_MEMORY = 5, /* per-atom arrays could not be allocated */
  PAVEX_E_TEMPERATURE = 6,    /* temperature above the maximum (or not a number) */
  PAVEX_E_CLAMP = 7,          /* clamp temperature above the maximum (or not a number) */
  PAVEX_E_OUT_OF_RANGE = 8,   /* an atom left the box */
  PAVEX_E_IDENTICAL = 9,      /* all coordinates identical (never returned) */
  PAVEX_E_NO_MASS = 10,       /* total mass 0 in the spin removal */
  PAVEX_E_INERTIA = 11        /* inertia tensor not positive definite */
};

/* Set-up: 2*nx*ny*nz atoms on a body-centred lattice; writes the box
 * (xmin, ymin, zmin, xmax, ymax, zmax) and the atom count. A count that is
 * negative or too large for 32-bit array sizes (24 N bytes) returns
 * PAVEX_E_NO_ATOM_MEMORY before anything is written. */
PAVEX_API int32_t MD_init(int32_t nx, int32_t ny, int32_t nz, double *box, int32_t *count);
PAVEX_API void MD_free_all(void);

PAVEX_API void MD_set_gravity(double g);        /* acceleration along -y */
PAVEX_API void MD_set_timestep(double dt);      /* dt > 0; rescales the scaled derivatives */
PAVEX_API int32_t MD_set_temperature(double t); /* fresh random velocities for t */
PAVEX_API double MD_get_temperature(void);
PAVEX_API double MD_get_kinetic_energy(void);    /* mean per atom */
PAVEX_API double MD_get_boundary_pressure(void); /* wall force sum / box area (0 without area) */
PAVEX_API void MD_get_all_energy(double *total, double *potential, double *kinetic);

/* Runs stop after a step that leaves an atom outside the box (code 8). */
PAVEX_API int32_t MD_do_run(int32_t steps);
PAVEX_API int32_t MD_do_quench(int32_t steps); /* stops all atoms when energy rises */
PAVEX_API int32_t MD_set_clamp_temp(double t); /* also switches the clamp on */
PAVEX_API void MD_set_clamp_on_off(int32_t on);

/* Pair table: four doubles (A, b, C, D) per unordered pair of types, pairs in
 * the order (0,0), (1,0), (1,1), (2,0), ... */
PAVEX_API int32_t MD_set_potential_function(int32_t ntypes, const double *params);
PAVEX_API int32_t MD_get_potential_function(int32_t *ntypes, double *params);

/* Bounded copy of the message of an error code, strncpy-style: at most maxlen
 * bytes, zero-padded, unterminated when the message fills maxlen. Unknown
 * codes and maxlen <= 0 leave the buffer alone. Returns the code. */
PAVEX_API int32_t MD_translate_error(int32_t code, int32_t maxlen, char *buffer);

PAVEX_API void MD_get_box(double *box);
PAVEX_API void MD_set_box(const double *box);

PAVEX_API int32_t MD_number_of_coordinates(void); /* N */
PAVEX_API int32_t MD_array_size(void);            /* 3N */

/* Array copies; each returns the number of bytes moved. */
PAVEX_API int32_t MD_return_coordinates(double *dst);     /* 3N */
PAVEX_API int32_t MD_set_coordinates(const double *src);  /* 3N */
PAVEX_API int32_t MD_return_velocity(double *dst);        /* 3N, scaled */
PAVEX_API int32_t MD_set_velocity(const double *src);     /* 3N, scaled */
PAVEX_API int32_t MD_return_kinetic_energy(double *dst);  /* N */
PAVEX_API int32_t MD_return_atom_velocities(double *dst); /* N step lengths */

/* Single atom: 0 for a valid index, -1 (and zeros) otherwise. */
PAVEX_API int32_t MD_return_one_coordinate(int32_t i, double *x, double *y, double *z);
PAVEX_API int32_t MD_return_one_velocity(int32_t i, double *x, double *y, double *z);

/* Materials: types in blocks; masses and types in and out (4N bytes).
 * MD_set_nr_of_materials returns the block size N / n; n < 1 changes
 * nothing and returns 0. */
PAVEX_API int32_t MD_set_nr_of_materials(int32_t n);
PAVEX_API int32_t MD_get_atom_properties(double *masses, int32_t *types);
PAVEX_API int32_t MD_set_atom_properties(const double *masses, const int32_t *types);

/* Settings and pair table through the engine's message layer (by default the
 * caption and text of each message go to standard error). */
PAVEX_API void MD_show_settings(void);

#ifdef __cplusplus
}
#endif

#endif
