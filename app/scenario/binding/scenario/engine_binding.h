// The program's binding to the engine library libPavex.so: the library is
// opened from the folder of the running executable (or, for an installed
// program, from the library folder beside its bin folder), and each
// function is looked up by its exported name the first time it is called.
// A missing library or function throws EngineError naming what is missing.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace Pavex {

class EngineError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Uses the library at this path instead of libPavex.so beside the
// executable; unbinds every function already looked up. For tests and tools.
void useLibrary(const std::string &path);
// The path the binding opens (or would open).
std::string libraryPath();

std::int32_t MD_init(std::int32_t nx, std::int32_t ny, std::int32_t nz, double *box,
                     std::int32_t *count);
void MD_free_all();
void MD_set_gravity(double g);
void MD_set_timestep(double dt);
std::int32_t MD_set_temperature(double t);
double MD_get_temperature();
double MD_get_kinetic_energy();
double MD_get_boundary_pressure();
void MD_get_all_energy(double *total, double *potential, double *kinetic);
std::int32_t MD_do_run(std::int32_t steps);
std::int32_t MD_do_quench(std::int32_t steps);
std::int32_t MD_set_clamp_temp(double t);
void MD_set_clamp_on_off(std::int32_t on);
std::int32_t MD_set_potential_function(std::int32_t ntypes, const double *params);
std::int32_t MD_get_potential_function(std::int32_t *ntypes, double *params);
std::int32_t MD_translate_error(std::int32_t code, std::int32_t maxlen, char *buffer);
void MD_get_box(double *box);
void MD_set_box(const double *box);
std::int32_t MD_number_of_coordinates();
std::int32_t MD_array_size();
std::int32_t MD_return_coordinates(double *dst);
std::int32_t MD_set_coordinates(const double *src);
std::int32_t MD_return_velocity(double *dst);
std::int32_t MD_set_velocity(const double *src);
std::int32_t MD_return_kinetic_energy(double *dst);
std::int32_t MD_return_atom_velocities(double *dst);
std::int32_t MD_return_one_coordinate(std::int32_t i, double *x, double *y, double *z);
std::int32_t MD_return_one_velocity(std::int32_t i, double *x, double *y, double *z);
std::int32_t MD_set_nr_of_materials(std::int32_t n);
std::int32_t MD_get_atom_properties(double *masses, std::int32_t *types);
std::int32_t MD_set_atom_properties(const double *masses, const std::int32_t *types);
void MD_show_settings();

} // namespace Pavex
