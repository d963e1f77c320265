// Lazy binding of the engine library: opened on the first call of any engine
// function, each function looked up by its exported name on its own first call.
#include "scenario/engine_binding.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace Pavex {
namespace {

constexpr const char *kLibraryName = "libPavex.so";

// Beside the executable, as in the build folder; else where an installed
// program's library lies relative to its bin folder; else beside the
// executable again, so the message names the first place sought.
std::string findLibrary() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return kLibraryName;
  const auto beside = executable.parent_path() / kLibraryName;
  const auto installed = executable.parent_path() / PAVEX_INSTALLED_LIBRARY;
  if (!std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error))
    return installed.lexically_normal().string();
  return beside.string();
}

// The one open library. The generation changes whenever another library is
// chosen, so every function bound before looks itself up again.
struct Library {
  std::string path = findLibrary();
  void *handle = nullptr;
  unsigned generation = 1;
};

Library &library() {
  static Library instance;
  return instance;
}

void *lookUp(const char *name) {
  Library &lib = library();
  if (lib.handle == nullptr) {
    lib.handle = dlopen(lib.path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (lib.handle == nullptr) {
      const char *reason = dlerror();
      throw EngineError("Cannot load the engine library " + lib.path + ": " +
                        (reason != nullptr ? reason : "unknown reason"));
    }
  }
  dlerror();
  void *symbol = dlsym(lib.handle, name);
  if (symbol == nullptr)
    throw EngineError("The engine library " + lib.path + " has no function " + name);
  return symbol;
}

// One engine function, looked up on its first call after the library was chosen.
template <typename Fn> class LazyFunction {
public:
  explicit LazyFunction(const char *name) : name_(name) {}

  Fn *get() {
    if (generation_ != library().generation) {
      function_ = reinterpret_cast<Fn *>(lookUp(name_));
      generation_ = library().generation;
    }
    return function_;
  }

private:
  const char *name_;
  Fn *function_ = nullptr;
  unsigned generation_ = 0;
};

} // namespace

void useLibrary(const std::string &path) {
  Library &lib = library();
  if (lib.handle != nullptr)
    dlclose(lib.handle);
  lib.handle = nullptr;
  lib.path = path;
  ++lib.generation;
}

std::string libraryPath() { return library().path; }

// Each function below keeps its own lazily bound pointer; the macro spares
// thirty-two copies of the same two lines.
#define PAVEX_BIND(name)                                                                           \
  static LazyFunction<decltype(name)> bound(#name);                                                \
  return bound.get()

std::int32_t MD_init(std::int32_t nx, std::int32_t ny, std::int32_t nz, double *box,
                     std::int32_t *count) {
  PAVEX_BIND(MD_init)(nx, ny, nz, box, count);
}
void MD_free_all() { PAVEX_BIND(MD_free_all)(); }
void MD_set_gravity(double g) { PAVEX_BIND(MD_set_gravity)(g); }
void MD_set_timestep(double dt) { PAVEX_BIND(MD_set_timestep)(dt); }
std::int32_t MD_set_temperature(double t) { PAVEX_BIND(MD_set_temperature)(t); }
double MD_get_temperature() { PAVEX_BIND(MD_get_temperature)(); }
double MD_get_kinetic_energy() { PAVEX_BIND(MD_get_kinetic_energy)(); }
double MD_get_boundary_pressure() { PAVEX_BIND(MD_get_boundary_pressure)(); }
void MD_get_all_energy(double *total, double *potential, double *kinetic) {
  PAVEX_BIND(MD_get_all_energy)(total, potential, kinetic);
}
std::int32_t MD_do_run(std::int32_t steps) { PAVEX_BIND(MD_do_run)(steps); }
std::int32_t MD_do_quench(std::int32_t steps) { PAVEX_BIND(MD_do_quench)(steps); }
std::int32_t MD_set_clamp_temp(double t) { PAVEX_BIND(MD_set_clamp_temp)(t); }
void MD_set_clamp_on_off(std::int32_t on) { PAVEX_BIND(MD_set_clamp_on_off)(on); }
std::int32_t MD_set_potential_function(std::int32_t ntypes, const double *params) {
  PAVEX_BIND(MD_set_potential_function)(ntypes, params);
}
std::int32_t MD_get_potential_function(std::int32_t *ntypes, double *params) {
  PAVEX_BIND(MD_get_potential_function)(ntypes, params);
}
std::int32_t MD_translate_error(std::int32_t code, std::int32_t maxlen, char *buffer) {
  PAVEX_BIND(MD_translate_error)(code, maxlen, buffer);
}
void MD_get_box(double *box) { PAVEX_BIND(MD_get_box)(box); }
void MD_set_box(const double *box) { PAVEX_BIND(MD_set_box)(box); }
std::int32_t MD_number_of_coordinates() { PAVEX_BIND(MD_number_of_coordinates)(); }
std::int32_t MD_array_size() { PAVEX_BIND(MD_array_size)(); }
std::int32_t MD_return_coordinates(double *dst) { PAVEX_BIND(MD_return_coordinates)(dst); }
std::int32_t MD_set_coordinates(const double *src) { PAVEX_BIND(MD_set_coordinates)(src); }
std::int32_t MD_return_velocity(double *dst) { PAVEX_BIND(MD_return_velocity)(dst); }
std::int32_t MD_set_velocity(const double *src) { PAVEX_BIND(MD_set_velocity)(src); }
std::int32_t MD_return_kinetic_energy(double *dst) { PAVEX_BIND(MD_return_kinetic_energy)(dst); }
std::int32_t MD_return_atom_velocities(double *dst) { PAVEX_BIND(MD_return_atom_velocities)(dst); }
std::int32_t MD_return_one_coordinate(std::int32_t i, double *x, double *y, double *z) {
  PAVEX_BIND(MD_return_one_coordinate)(i, x, y, z);
}
std::int32_t MD_return_one_velocity(std::int32_t i, double *x, double *y, double *z) {
  PAVEX_BIND(MD_return_one_velocity)(i, x, y, z);
}
std::int32_t MD_set_nr_of_materials(std::int32_t n) { PAVEX_BIND(MD_set_nr_of_materials)(n); }
std::int32_t MD_get_atom_properties(double *masses, std::int32_t *types) {
  PAVEX_BIND(MD_get_atom_properties)(masses, types);
}
std::int32_t MD_set_atom_properties(const double *masses, const std::int32_t *types) {
  PAVEX_BIND(MD_set_atom_properties)(masses, types);
}
void MD_show_settings() { PAVEX_BIND(MD_show_settings)(); }

#undef PAVEX_BIND

} // namespace Pavex
