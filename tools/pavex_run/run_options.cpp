#include "run_options.h"

#include "scenario/scenario_writer.h"
#include "simulation/lid.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

namespace PavexRun {
namespace {

constexpr double kLargestTemperature = 2000.0; // the engine refuses more

template <typename Number> Number parseWhole(const std::string &text, const std::string &what) {
  Number value{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size())
    throw UsageError(what + " must be a number, not \"" + text + "\"");
  return value;
}

int parsePositive(const std::string &text, const std::string &what) {
  const int value = parseWhole<int>(text, what);
  if (value < 1)
    throw UsageError(what + " must be at least 1");
  return value;
}

// A temperature the thermostat can hold the atoms at.
double checkHeld(double temperature, const std::string &option) {
  if (temperature >= 0.0 && temperature <= analysis::largestHeldTemperature())
    return temperature;
  char text[200];
  std::snprintf(text, sizeof text, "%s must lie between 0 and %g K", option.c_str(),
                analysis::largestHeldTemperature());
  throw UsageError(text);
}

// The two halves of a value written as FIRST:SECOND; form names them for
// the message.
std::pair<std::string, std::string> splitAtColon(const std::string &text, const std::string &form) {
  const auto colon = text.find(':');
  if (colon == std::string::npos)
    throw UsageError(form + ", not \"" + text + "\"");
  return {text.substr(0, colon), text.substr(colon + 1)};
}

analysis::Ramp parseRamp(const std::string &text) {
  const auto [from, to] = splitAtColon(text, "--ramp takes FROM:TO");
  analysis::Ramp ramp;
  ramp.from = checkHeld(parseWhole<double>(from, "the ramp's start"), "--ramp");
  ramp.to = checkHeld(parseWhole<double>(to, "the ramp's end"), "--ramp");
  return ramp;
}

Kick parseKick(const std::string &text) {
  const auto [step, temperature] = splitAtColon(text, "--kick takes STEP:TEMPERATURE");
  Kick kick{parseWhole<int>(step, "the kick step"),
            parseWhole<double>(temperature, "the kick temperature")};
  if (kick.step < 0)
    throw UsageError("the kick step must not be negative");
  if (!(kick.temperature >= 0.0 && kick.temperature <= kLargestTemperature))
    throw UsageError("the kick temperature must lie between 0 and 2000");
  return kick;
}

double parseVolume(const std::string &text) {
  const double fraction = parseWhole<double>(text, "--volume");
  if (fraction >= simulation::Lid::kSmallest && fraction <= 1.0)
    return fraction;
  char message[120];
  std::snprintf(message, sizeof message,
                "--volume must lie between %g and 1 (a fraction of the file's box height)",
                simulation::Lid::kSmallest);
  throw UsageError(message);
}

double parsePressure(const std::string &text) {
  const double pressure = parseWhole<double>(text, "--hold-pressure");
  if (!(pressure > 0.0) || !std::isfinite(pressure))
    throw UsageError("--hold-pressure must be a pressure above 0");
  return pressure;
}

bool parseUnits(const std::string &what) {
  if (what != "real" && what != "model")
    throw UsageError("--units takes real or model, not \"" + what + "\"");
  return what == "real";
}

const std::string &valueOf(const std::vector<std::string> &arguments, std::size_t &i) {
  if (i + 1 >= arguments.size())
    throw UsageError(arguments[i] + " needs a value");
  return arguments[++i];
}

void checkCounts(const RunOptions &options) {
  if (options.steps < 0)
    throw UsageError("--steps must not be negative");
  if (options.hold && options.ramp)
    throw UsageError("--hold and --ramp cannot be used together");
  if (options.volume && options.holdPressure)
    throw UsageError("--volume and --hold-pressure cannot be used together: the barostat moves "
                     "the lid");
  if (options.mobilityWindow > options.steps)
    throw UsageError("--mobility must not exceed --steps " + std::to_string(options.steps));
  for (const Kick &kick : options.kicks)
    if (kick.step > options.steps)
      throw UsageError("a kick at step " + std::to_string(kick.step) + " lies beyond --steps " +
                       std::to_string(options.steps));
}

} // namespace

RunOptions parseRunOptions(const std::vector<std::string> &arguments) {
  RunOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string &argument = arguments[i];
    if (argument == "--help" || argument == "-h")
      options.help = true;
    else if (argument == "--steps")
      options.steps = parseWhole<int>(valueOf(arguments, i), "--steps");
    else if (argument == "--every")
      options.every = parsePositive(valueOf(arguments, i), "--every");
    else if (argument == "--csv")
      options.csvPath = valueOf(arguments, i);
    else if (argument == "--xyz")
      options.xyzPath = valueOf(arguments, i);
    else if (argument == "--save")
      options.savePath = valueOf(arguments, i);
    else if (argument == "--kick")
      options.kicks.push_back(parseKick(valueOf(arguments, i)));
    else if (argument == "--hold")
      options.hold = checkHeld(parseWhole<double>(valueOf(arguments, i), "--hold"), "--hold");
    else if (argument == "--ramp")
      options.ramp = parseRamp(valueOf(arguments, i));
    else if (argument == "--volume")
      options.volume = parseVolume(valueOf(arguments, i));
    else if (argument == "--hold-pressure")
      options.holdPressure = parsePressure(valueOf(arguments, i));
    else if (argument == "--units")
      options.realUnits = parseUnits(valueOf(arguments, i));
    else if (argument == "--mobility")
      options.mobilityWindow = parsePositive(valueOf(arguments, i), "--mobility");
    else if (argument == "--lattice")
      options.lattice = parseLatticeCells(valueOf(arguments, i));
    else if (argument == "--export-lammps")
      options.lammpsDir = valueOf(arguments, i);
    else if (argument.starts_with("-"))
      throw UsageError("unknown option " + argument);
    else if (options.scenario.empty())
      options.scenario = argument;
    else
      throw UsageError("only one scenario file, not also \"" + argument + "\"");
  }
  if (options.scenario.empty() && !options.lattice && !options.help)
    throw UsageError("no scenario file given");
  if (!options.scenario.empty() && options.lattice)
    throw UsageError("a scenario file or --lattice, not both");
  if (!options.savePath.empty() && options.lattice &&
      options.lattice->atoms() > ModDornDll::kMostScenarioAtoms)
    throw UsageError("--save writes a scenario file, which holds at most 10,922 atoms");
  std::stable_sort(options.kicks.begin(), options.kicks.end(),
                   [](const Kick &a, const Kick &b) { return a.step < b.step; });
  checkCounts(options);
  if (options.ramp)
    options.ramp->steps = options.steps;
  return options;
}

std::string usageText() {
  return "usage: pavex-run FILE.ams [--steps N] [--every K] [--csv OUT.csv] [--xyz OUT.xyz]\n"
         "                [--kick STEP:T]... [--hold T | --ramp T0:T1] [--mobility W]\n"
         "                [--save END.ams] [--units real|model]\n"
         "                [--volume F | --hold-pressure P]\n"
         "Loads the scenario as the program does, runs N steps (default 10000) and prints\n"
         "every K steps (default 1000): step, temperature (K), kinetic, potential and total\n"
         "energy per atom, wall pressure, and the thermostat: the temperature the clamp\n"
         "holds the atoms at (K). --kick gives the atoms fresh velocities for temperature\n"
         "T at that step, as the time-of-day control does. --hold T holds the atoms at T\n"
         "instead of the file's temperature; --ramp T0:T1 moves the thermostat steadily\n"
         "from T0 to T1 over the run (both 0 to 3000 K). --csv writes the same rows as\n"
         "CSV, --xyz an extended-XYZ trajectory (a frame every K steps). --mobility W\n"
         "prints, per W-step window, the share of each type's atoms that moved more than\n"
         "0.5 r0 against their neighbours of the same type. --save writes the state at\n"
         "the end of the run as a scenario file (its velocities are drawn afresh when it\n"
         "is loaded, as for every scenario file).\n"
         "The lid (the top of the box) and the pressure:\n"
         "  --volume F          moves the lid from the start, at its safe pace (half a\n"
         "                      length unit a step), to F times the file's box height\n"
         "                      (0.3 to 1); it never pushes an atom deep into its wall\n"
         "  --hold-pressure P   holds the pressure P on the walls (kPa with a material\n"
         "                      card, model units without one or with --units model) by\n"
         "                      moving the lid: a slow damped barostat\n"
         "  The pressure column is the walls' own push per area of their skins' inner\n"
         "  faces, averaged like a gauge over the last 2000 steps (until then, the last\n"
         "  reading). --save writes the box as it stands.\n"
         "At the end a phase summary per material type:\n"
         "  r0          distance of the energy minimum of the type's own pair\n"
         "  rms/r0      root-mean-square displacement since step 0, in units of r0, of\n"
         "              each atom against the mean displacement of its neighbours of its\n"
         "              own type at step 0 (against the type's drift if it had none):\n"
         "              a crystal that slides or turns on the smooth floor as a whole\n"
         "              shows only its vibration\n"
         "  recent      the same over the last 1000 steps (or the whole run if shorter)\n"
         "  neighbours  mean count of atoms (any type) closer than 1.25 x the pair's r0\n"
         "              (never beyond the pair's cut-off D)\n"
         "  free        share of the type's atoms with fewer than 3 neighbours\n"
         "  low third   share of the type's atoms in the lowest third of the box height\n"
         "  phase       gas when free > 0.5; else liquid when at least half the atoms\n"
         "              moved more than 0.5 r0 over the last 1000 steps, else solid\n"
         "Larger models and LAMMPS:\n"
         "  --lattice NXxNYxNZ   instead of FILE.ams: the engine's own start-up lattice\n"
         "                       of NX x NY x NZ cells, two atoms each, with the\n"
         "                       program's start-up values (up to 89,478,485 atoms)\n"
         "  --export-lammps DIR  after the run (--steps 0: as loaded) writes the model\n"
         "                       as a LAMMPS deck: DIR/in.pavex, pavex.data, pavex.table\n"
         "Units (--units real, the default, or --units model):\n"
         "  With a material card beside the scenario (FILE.card) the rows are in real\n"
         "  units: time (ps) beside the step, temperature (K), energies (kJ/mol per\n"
         "  atom), pressure (kPa); the phase summary names each material's substance and\n"
         "  gives r0 in angstrom; --xyz writes the card's chemical symbols, positions in\n"
         "  angstrom and masses in u. Without a card (or with one that cannot be used,\n"
         "  which is reported) the figures are the model's own: kelvin for temperatures,\n"
         "  \"model units\" for the rest. --units model ignores the card and writes the\n"
         "  model's figures under the plain headers of earlier versions.\n"
         "Exit codes: 0 done, 1 engine stopped or missing, 2 bad input.\n";
}

} // namespace PavexRun
