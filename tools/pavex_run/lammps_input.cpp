#include "lammps_input.h"

#include "lammps_table.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace PavexRun {
namespace {

// The engine's soft walls: a skin of reach kWallReach inside each face, the
// force kWallForce·s·(s² − 1) with s = 1 + depth / (kWallReach − kWallRest),
// and the energy kWallDepth·(s² − 1)².
constexpr double kWallDepth = 512.0;
constexpr double kWallRest = 1412.0;
constexpr double kWallReach = 2048.0;
constexpr double kWallForce = 8.0 * kWallDepth / (kWallReach - kWallRest);

// The clamp's rate per step; the Berendsen thermostat with a damping time of
// Δt / rate agrees with it to first order in the distance from the target.
constexpr double kClampRate = 0.01;

// Neighbour lists reach this share of the largest cut-off beyond it.
constexpr double kSkinShare = 0.1;

const char *const kDifferences = R"(# Where this LAMMPS model differs from the engine's:
# - Integrator: velocity Verlet (fix nve) instead of the engine's fifth-order
#   Gear predictor-corrector. Same forces at step 0; the trajectories part
#   after some hundred steps, as any two integrators of a chaotic system do.
# - Pair potential: pair_style table, a spline in r^2 through points spaced
#   evenly in r^2 from 0.5 to each pair's cut-off. Energy and forces agree
#   with the engine's to about 1e-12; a pair closer than 0.5 stops LAMMPS
#   ("Pair distance < table inner cutoff"), the engine takes it.
# - Neighbours: the engine's search window is set up for a cut-off of 2048
#   and its grid tests are strict, so it never pairs atoms more than about
#   2048 apart along an axis and can miss a pair within about one grid cell
#   (1 to 2 length units) of that reach; LAMMPS pairs every atom within the
#   cut-off.
# - Walls: the engine's, exactly (fix addforce with its force and energy as
#   atom-style variables). As in the engine the wall force is twice the slope
#   of the wall energy, so the total energy drifts while an atom is in a skin.
# - Gravity: fix gravity, exactly (force -g*m along y, energy g*m*y).
# - Clamp: the engine multiplies the velocities every step by
#   1 + 0.01*(sqrt(Tc/K) - 1), K the mean kinetic energy per atom and Tc the
#   clamp target (at the export's step). Here fix temp/berendsen scales by sqrt(1 + (dt/tau)*(T0/T - 1))
#   with tau = 100 dt and T0 = 2/3 Tc, T counting 3N degrees of freedom
#   (compute engineTemp, 2/3 of the mean kinetic energy per atom, which is
#   also what pavex-run prints as the temperature). The two agree close to
#   the target; far from it the rates differ, and Berendsen stops with an
#   error at a temperature of 0, where the engine's clamp does nothing.
# - Box: the engine stops a run when an atom leaves the box; the fixed
#   boundaries here lose the atom and stop with "Lost atoms".
# - Masses: the engine keeps one per atom, LAMMPS one per type: every engine
#   type and mass that occur together is a LAMMPS type of its own (the data
#   file's Masses section names the engine type).
# - Output: thermo figures are per atom (thermo_modify norm yes), as pavex-run
#   prints them; pe holds the pair, gravity (f_gravity) and wall (f_walls)
#   energies, as the engine's potential energy does.
# - Not exported: a quench, and fresh velocities during the run (--kick).
)";

double largestReach(const EngineModel &model) {
  double reach = 0.0;
  for (std::size_t p = 0; 4 * p < model.pairParams.size(); ++p) {
    const double *q = &model.pairParams[4 * p];
    reach = std::max(reach, tableReach({q[0], q[1], q[2], q[3]}));
  }
  return reach;
}

// What the deck's units are, and with the scenario's material card how large
// they are in SI units.
std::string unitsNote(const std::optional<analysis::ModelUnits> &real) {
  std::string note =
      "# The deck keeps the model's units, as pavex-run --units model prints them:\n"
      "# energy in kelvin (Boltzmann's constant is 1, so temperatures are in kelvin),\n"
      "# the scenario's own length and mass units, and the time unit\n"
      "# length * sqrt(mass / energy). Pressures are energy per length cubed.\n";
  if (!real)
    return note + "# The scenario has no material card: these units have no real size.\n";
  char text[300];
  std::snprintf(text, sizeof text,
                "# The scenario's material card makes one length unit %.6g m, one mass unit\n"
                "# %.6g kg (%.6g u) and one time unit %.6g s.\n",
                real->metres, real->kilograms, analysis::atomicMassUnits(1.0, *real),
                analysis::secondsPerTime(*real));
  return note + text;
}

void writeSetUp(std::ostream &out, const EngineModel &model) {
  const ModelSettings &s = model.settings;
  out << "# Exported by pavex-run from " << commentSafe(s.source) << " after " << s.step
      << " steps. Run it from this folder:\n";
  char text[600];
  std::snprintf(text, sizeof text,
                "#   lmp -in %s [-var steps N]      or on a cluster\n"
                "#   mpirun -np P lmp -in %s [-var steps N]\n\n"
                "variable steps index %d\n\n"
                "units lj            # the engine's own units: length, energy, mass; time "
                "such that F = m a\n",
                kDeckInput.c_str(), kDeckInput.c_str(), kDeckSteps);
  out << text << unitsNote(s.realUnits);
  out << "atom_style atomic\nboundary f f f\nread_data " << kDeckData << "\n\n";
}

void writePairs(std::ostream &out, const EngineModel &model, const LammpsTypes &types) {
  char text[200];
  std::snprintf(text, sizeof text, "pair_style table spline %d\npair_modify shift no tail no\n",
                kTablePoints);
  out << text;
  for (std::size_t i = 0; i < types.kinds.size(); ++i)
    for (std::size_t j = i; j < types.kinds.size(); ++j) {
      const int t = std::max(types.kinds[i].first, types.kinds[j].first);
      const int u = std::min(types.kinds[i].first, types.kinds[j].first);
      const double *q = &model.pairParams[4 * (static_cast<std::size_t>(t) * (t + 1) / 2 + u)];
      std::snprintf(text, sizeof text, "pair_coeff %zu %zu %s %s %.17g\n", i + 1, j + 1,
                    kDeckTable.c_str(), tableSection(t, u).c_str(),
                    tableReach({q[0], q[1], q[2], q[3]}));
      out << text;
    }
  std::snprintf(text, sizeof text, "neighbor %.17g bin\nneigh_modify every 1 delay 0 check yes\n\n",
                kSkinShare * largestReach(model));
  out << text;
}

// A number as LAMMPS reads it back to the same double.
std::string exact(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

void replaceAll(std::string &text, const std::string &token, const std::string &value) {
  for (auto at = text.find(token); at != std::string::npos;
       at = text.find(token, at + value.size()))
    text.replace(at, token.size(), value);
}

// The walls along one axis (@): the depth into the low and the high skin in
// units of the skin's width beyond the rest distance, positive inside it;
// the high face acts only where the low one does not, as in the engine.
void writeWallAxis(std::ostream &out, char axis, double low, double high) {
  std::string text =
      "variable wall_@_lo atom (LOW-@)/WIDTH\n"
      "variable wall_@_hi atom (@-HIGH)/WIDTH\n"
      "variable wall_f@ atom (v_wall_@_lo>0)*FORCE*(1+v_wall_@_lo)*((1+v_wall_@_lo)^2-1)"
      "-(v_wall_@_lo<=0)*(v_wall_@_hi>0)*FORCE*(1+v_wall_@_hi)*((1+v_wall_@_hi)^2-1)\n"
      "variable wall_e@ atom (v_wall_@_lo>0)*DEPTH*((1+v_wall_@_lo)^2-1)^2"
      "+(v_wall_@_lo<=0)*(v_wall_@_hi>0)*DEPTH*((1+v_wall_@_hi)^2-1)^2\n";
  replaceAll(text, "@", std::string(1, axis));
  replaceAll(text, "LOW", exact(low + kWallReach));
  replaceAll(text, "HIGH", exact(high - kWallReach));
  replaceAll(text, "WIDTH", exact(kWallReach - kWallRest));
  replaceAll(text, "FORCE", exact(kWallForce));
  replaceAll(text, "DEPTH", exact(kWallDepth));
  out << text;
}

void writeForces(std::ostream &out, const EngineModel &model) {
  char text[400];
  std::snprintf(text, sizeof text,
                "timestep %.17g\nfix integrate all nve\n\n"
                "fix gravity all gravity %.17g vector 0 -1 0\nfix_modify gravity energy yes\n\n"
                "# The walls: a skin of %g inside each face pushes atoms back.\n",
                model.settings.timeStep, model.settings.gravity, kWallReach);
  out << text;
  const auto &b = model.box;
  for (int axis = 0; axis < 3; ++axis)
    writeWallAxis(out, static_cast<char>('x' + axis), b[axis], b[axis + 3]);
  out << "variable wall_e atom v_wall_ex+v_wall_ey+v_wall_ez\n"
         "fix walls all addforce v_wall_fx v_wall_fy v_wall_fz energy v_wall_e\n"
         "fix_modify walls energy yes\n\n";
}

void writeClamp(std::ostream &out, const ModelSettings &s) {
  out << "compute engineTemp all temp\ncompute_modify engineTemp extra/dof 0\n";
  if (!s.clampOn) {
    out << "# The engine's clamp is off.\n\n";
    return;
  }
  char text[300];
  const double target = 2.0 / 3.0 * std::max(0.0, s.clampTarget);
  std::snprintf(text, sizeof text,
                "fix clamp all temp/berendsen %.17g %.17g %.17g  # clamp target %.17g\n"
                "fix_modify clamp temp engineTemp\n\n",
                target, target, s.timeStep / kClampRate, s.clampTarget);
  out << text;
}

void writeOutput(std::ostream &out) {
  out << "thermo_style custom step temp ke pe etotal evdwl f_gravity f_walls\n"
         "thermo_modify temp engineTemp norm yes format float %.10g\n"
         "thermo 1000\n\nrun ${steps}\n";
}

} // namespace

void writeInputScript(std::ostream &out, const EngineModel &model, const LammpsTypes &types) {
  writeSetUp(out, model);
  out << kDifferences << '\n';
  writePairs(out, model, types);
  writeForces(out, model);
  writeClamp(out, model.settings);
  writeOutput(out);
}

} // namespace PavexRun
