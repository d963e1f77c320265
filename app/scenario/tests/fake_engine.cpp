// A recording stand-in for the engine library. Every call is written to a
// log as its name and scalar arguments; the arrays handed in are kept so
// tests can compare them. MD_init builds 2·nx·ny·nz atoms in a fixed box.
// With "fail all" switched on every function with an error code returns one.
// MD_do_run can be made to take a while, and a call that comes while a run
// is still going on counts as an overlap.
#include "pavex.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Recorder {
  std::string log;
  std::map<std::string, std::vector<double>> arrays;
  std::int32_t atoms = 0;
  bool failAll = false;
  int runMilliseconds = 0;
  std::atomic<int> running{0};  // runs going on
  std::atomic<int> overlaps{0}; // calls that came during a run
};

Recorder &recorder() {
  static Recorder instance;
  return instance;
}

void record(const char *name, const std::string &arguments = "") {
  if (recorder().running.load() > 0)
    ++recorder().overlaps;
  recorder().log += std::string(name) + "(" + arguments + ")\n";
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

template <typename T> void keep(const char *name, const T *data, std::int32_t count) {
  recorder().arrays[name].assign(data, data + (count > 0 ? count : 0));
}

std::int32_t result(std::int32_t code) { return recorder().failAll ? code : 0; }

} // namespace

extern "C" {

__attribute__((visibility("default"))) const char *fake_pavex_log() {
  return recorder().log.c_str();
}
__attribute__((visibility("default"))) void fake_pavex_clear_log() { recorder().log.clear(); }
__attribute__((visibility("default"))) void fake_pavex_set_run_time(int milliseconds) {
  recorder().runMilliseconds = milliseconds;
}
__attribute__((visibility("default"))) int fake_pavex_overlaps() {
  return recorder().overlaps.load();
}
__attribute__((visibility("default"))) void fake_pavex_fail_all(int on) {
  recorder().failAll = on != 0;
}
// Copies up to max values of a kept array; returns its length.
__attribute__((visibility("default"))) int fake_pavex_array(const char *name, double *out,
                                                            int max) {
  const auto &values = recorder().arrays[name];
  for (int i = 0; i < max && i < static_cast<int>(values.size()); ++i)
    out[i] = values[i];
  return static_cast<int>(values.size());
}

int32_t MD_init(int32_t nx, int32_t ny, int32_t nz, double *box, int32_t *count) {
  record("MD_init", std::to_string(nx) + "," + std::to_string(ny) + "," + std::to_string(nz));
  recorder().atoms = 2 * nx * ny * nz;
  *count = recorder().atoms;
  const double fakeBox[6] = {-1.0, -2.0, -3.0, 100.0 * nx, 200.0, 300.0};
  std::memcpy(box, fakeBox, sizeof fakeBox);
  return result(5);
}
void MD_free_all() { record("MD_free_all"); }
void MD_set_gravity(double g) { record("MD_set_gravity", number(g)); }
void MD_set_timestep(double dt) { record("MD_set_timestep", number(dt)); }
int32_t MD_set_temperature(double t) {
  record("MD_set_temperature", number(t));
  return t > 2000.0 ? 6 : result(11);
}
double MD_get_temperature() {
  record("MD_get_temperature");
  return 1.5;
}
double MD_get_kinetic_energy() {
  record("MD_get_kinetic_energy");
  return 2.25;
}
double MD_get_boundary_pressure() {
  record("MD_get_boundary_pressure");
  return 0.5;
}
void MD_get_all_energy(double *total, double *potential, double *kinetic) {
  record("MD_get_all_energy");
  *total = 3.0;
  *potential = 1.0;
  *kinetic = 2.0;
}
int32_t MD_do_run(int32_t steps) {
  record("MD_do_run", std::to_string(steps));
  ++recorder().running;
  std::this_thread::sleep_for(std::chrono::milliseconds(recorder().runMilliseconds));
  --recorder().running;
  return result(8);
}
int32_t MD_do_quench(int32_t steps) {
  record("MD_do_quench", std::to_string(steps));
  return result(8);
}
int32_t MD_set_clamp_temp(double t) {
  record("MD_set_clamp_temp", number(t));
  return t > 2000.0 ? 7 : result(7);
}
void MD_set_clamp_on_off(int32_t on) { record("MD_set_clamp_on_off", std::to_string(on)); }
int32_t MD_set_potential_function(int32_t ntypes, const double *params) {
  record("MD_set_potential_function", std::to_string(ntypes));
  keep("params", params, 2 * ntypes * (ntypes + 1));
  return result(2);
}
int32_t MD_get_potential_function(int32_t *ntypes, double *) {
  record("MD_get_potential_function");
  *ntypes = 0;
  return result(4);
}
int32_t MD_translate_error(int32_t code, int32_t, char *) {
  record("MD_translate_error", std::to_string(code));
  return code;
}
void MD_get_box(double *) { record("MD_get_box"); }
void MD_set_box(const double *box) {
  record("MD_set_box");
  keep("box", box, 6);
}
int32_t MD_number_of_coordinates() { return recorder().atoms; }
int32_t MD_array_size() { return 3 * recorder().atoms; }
int32_t MD_return_coordinates(double *) {
  record("MD_return_coordinates");
  return 24 * recorder().atoms;
}
int32_t MD_set_coordinates(const double *src) {
  record("MD_set_coordinates");
  keep("coordinates", src, 3 * recorder().atoms);
  return 24 * recorder().atoms;
}
int32_t MD_return_velocity(double *) {
  record("MD_return_velocity");
  return 24 * recorder().atoms;
}
int32_t MD_set_velocity(const double *src) {
  record("MD_set_velocity");
  keep("velocities", src, 3 * recorder().atoms);
  return 24 * recorder().atoms;
}
int32_t MD_return_kinetic_energy(double *) { return 8 * recorder().atoms; }
int32_t MD_return_atom_velocities(double *) { return 8 * recorder().atoms; }
int32_t MD_return_one_coordinate(int32_t, double *x, double *y, double *z) {
  *x = *y = *z = 0.0;
  return -1;
}
int32_t MD_return_one_velocity(int32_t, double *x, double *y, double *z) {
  *x = *y = *z = 0.0;
  return -1;
}
int32_t MD_set_nr_of_materials(int32_t n) {
  record("MD_set_nr_of_materials", std::to_string(n));
  return 0;
}
int32_t MD_get_atom_properties(double *, int32_t *) {
  record("MD_get_atom_properties");
  return 4 * recorder().atoms;
}
int32_t MD_set_atom_properties(const double *masses, const int32_t *types) {
  record("MD_set_atom_properties");
  keep("masses", masses, recorder().atoms);
  keep("types", types, recorder().atoms);
  return 4 * recorder().atoms;
}
void MD_show_settings() { record("MD_show_settings"); }

} // extern "C"
