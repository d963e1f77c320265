// The engine's exported interface driven by bytes: each input is a sequence
// of calls, in any order, with arguments that lean on the edges (negative and
// huge counts, NaN, infinities), and arrays of the sizes the engine reports.
// Runs in-process against the engine's own code, under the sanitizers.
//
// Three limits keep an input within the memory and time a fuzzer can give
// it; none hides a fault: lattices the engine would accept but that need
// more than kMostAtoms atoms (a pile of them costs the square of their count
// each step), and type counts it would accept beyond
// kMostTypes (their pair tables reach gigabytes at the engine's largest), are
// skipped; counts beyond the engine's limits are passed on, to be refused.
// The atom-steps of one input's runs add up to at most kMostAtomSteps.
#include "fuzz_input.h"
#include "message_layer.h"
#include "pavex.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kMostAtoms = 512;
constexpr std::int64_t kMostAtomSteps = 20000;
constexpr std::int32_t kMostTypes = 128;
// The engine's own limits: 24 bytes per atom within 32-bit array sizes, and
// at most INT32_MAX / 4 pairs of types.
constexpr std::int64_t kEngineMostAtoms = INT32_MAX / 24;
constexpr std::int64_t kEngineMostPairs = INT32_MAX / 4;

using fuzz::FuzzInput;

class CallSequence {
public:
  explicit CallSequence(FuzzInput &in) : in_(in) {}

  void run() {
    // Every input starts without atoms and with one type in use, so the
    // caller knows how large the pair table's copy is.
    MD_free_all();
    MD_set_nr_of_materials(1);
    while (!in_.empty())
      call(in_.byte() % 32);
    MD_free_all();
  }

private:
  std::size_t atoms() const {
    const std::int32_t n = MD_number_of_coordinates();
    return n > 0 ? static_cast<std::size_t>(n) : 0;
  }
  std::vector<double> reals(std::size_t count) {
    std::vector<double> values(count + 1);
    for (double &v : values)
      v = in_.real();
    return values;
  }
  std::vector<std::int32_t> wholes(std::size_t count) {
    std::vector<std::int32_t> values(count + 1);
    for (std::int32_t &v : values)
      v = in_.whole() % 8;
    return values;
  }
  std::int32_t steps() {
    const std::int32_t wanted = in_.whole() % 64;
    const std::int64_t atoms = std::max<std::int64_t>(MD_number_of_coordinates(), 1);
    const std::int32_t granted =
        static_cast<std::int32_t>(std::min<std::int64_t>(wanted, budget_ / atoms));
    budget_ -= granted > 0 ? granted * atoms : 0;
    return granted;
  }

  void init() {
    const std::int32_t nx = in_.whole(), ny = in_.whole(), nz = in_.whole();
    std::int64_t product = 0;
    const bool overflows =
        __builtin_mul_overflow(2 * static_cast<std::int64_t>(nx), std::int64_t{ny}, &product) ||
        __builtin_mul_overflow(product, std::int64_t{nz}, &product);
    if (!overflows && product > kMostAtoms && product <= kEngineMostAtoms)
      return; // the engine takes it, but it needs more memory and time than an input gets
    double box[6];
    std::int32_t count = 0;
    MD_init(nx, ny, nz, box, &count);
  }

  void setPairs() {
    const std::int32_t types = in_.whole();
    if (types > kMostTypes)
      return;
    const std::size_t pairs = types > 0 ? static_cast<std::size_t>(types) * (types + 1) / 2 : 1;
    const auto params = reals(4 * pairs);
    if (MD_set_potential_function(types, params.data()) == 0)
      types_ = types;
  }

  void setMaterials() {
    const std::int32_t n = in_.whole();
    const std::int64_t pairs = static_cast<std::int64_t>(n) * (n + std::int64_t{1}) / 2;
    if (n > kMostTypes && pairs <= kEngineMostPairs)
      return; // the engine takes it, but its next pair table would need gigabytes
    MD_set_nr_of_materials(n);
    materials_ = n >= 1 ? n : materials_;
  }

  // Room for the larger of the table's types and the types in use.
  void getPairs() {
    const std::int32_t most = std::max(types_, materials_);
    if (most > kMostTypes)
      return;
    std::int32_t types = 0;
    std::vector<double> params(4 * static_cast<std::size_t>(most) * (most + 1) / 2 + 4);
    MD_get_potential_function(&types, params.data());
  }

  void call(int which) {
    double a = 0, b = 0, c = 0, box[6];
    std::vector<double> out(3 * atoms() + 1);
    std::vector<std::int32_t> types(atoms() + 1);
    char message[300];
    switch (which) {
    case 0:
      init();
      break;
    case 1:
      MD_free_all();
      break;
    case 2:
      MD_set_gravity(in_.real());
      break;
    case 3:
      MD_set_timestep(in_.real());
      break;
    case 4:
      MD_set_temperature(in_.real());
      break;
    case 5:
      MD_get_temperature();
      break;
    case 6:
      MD_get_kinetic_energy();
      break;
    case 7:
      MD_get_boundary_pressure();
      break;
    case 8:
      MD_get_all_energy(&a, &b, &c);
      break;
    case 9:
      MD_do_run(steps());
      break;
    case 10:
      MD_do_quench(steps());
      break;
    case 11:
      MD_set_clamp_temp(in_.real());
      break;
    case 12:
      MD_set_clamp_on_off(in_.whole());
      break;
    case 13:
      setPairs();
      break;
    case 14:
      getPairs();
      break;
    case 15: {
      const std::int32_t length = static_cast<std::int32_t>(in_.byte()) - 8;
      MD_translate_error(in_.whole(), length, message);
      break;
    }
    case 16:
      MD_get_box(box);
      break;
    case 17:
      MD_set_box(reals(6).data());
      break;
    case 18:
      MD_number_of_coordinates();
      break;
    case 19:
      MD_array_size();
      break;
    case 20:
      MD_return_coordinates(out.data());
      break;
    case 21:
      MD_set_coordinates(reals(3 * atoms()).data());
      break;
    case 22:
      MD_return_velocity(out.data());
      break;
    case 23:
      MD_set_velocity(reals(3 * atoms()).data());
      break;
    case 24:
      MD_return_kinetic_energy(out.data());
      break;
    case 25:
      MD_return_atom_velocities(out.data());
      break;
    case 26:
      MD_return_one_coordinate(in_.whole(), &a, &b, &c);
      break;
    case 27:
      MD_return_one_velocity(in_.whole(), &a, &b, &c);
      break;
    case 28:
      setMaterials();
      break;
    case 29:
      MD_get_atom_properties(out.data(), types.data());
      break;
    case 30: {
      const auto masses = reals(atoms());
      MD_set_atom_properties(masses.data(), wholes(atoms()).data());
      break;
    }
    default:
      MD_show_settings();
      break;
    }
  }

  FuzzInput &in_;
  std::int64_t budget_ = kMostAtomSteps;
  std::int32_t types_ = 0;     // of the last pair table the engine took
  std::int32_t materials_ = 1; // the types in use
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // MD_show_settings and the like would fill the log.
  pavex::setMessageSink([](const char *, const char *) {});
  FuzzInput in(data, size);
  CallSequence(in).run();
  return 0;
}
