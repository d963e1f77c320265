// The phase of each material type in a run: how far the atoms wandered from
// where they started and over the last stretch, how many neighbours each
// has, how many have almost none, and how much of the type rests in the
// lowest third of the box.
#pragma once

#include "analysis/atom_frame.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace analysis {

enum class Phase { None, Solid, Liquid, Gas }; // None: the type has no atoms

// What a material is when two phases may stand side by side: each atom is
// a gas atom (almost no neighbours), a liquid atom (bound, and it wandered)
// or a solid atom (bound, and it stayed), and every phase holding at least
// kCoexistingShare of the atoms counts. None: the type has no atoms.
enum class PhaseMix { None, Solid, Liquid, Gas, SolidLiquid, LiquidGas, SolidGas };
constexpr double kCoexistingShare = 0.2;

// "solid", "liquid", "gas", "solid and liquid", "liquid and gas",
// "solid and gas", or "" for None.
std::string_view phaseMixName(PhaseMix mix);
// The name read back; nullopt for any other text.
std::optional<PhaseMix> phaseMixFromName(std::string_view name);

// "solid", "liquid", "gas", or "" for None.
std::string_view phaseName(Phase phase);
// The name as a reader should take it: a liquid below its material's
// melting point is a "supercooled liquid". meltingPoint (kelvin) is the
// model's own, where it is known; temperature is the measured one.
std::string_view phaseLabel(Phase phase, double temperature, std::optional<double> meltingPoint);

// The stretch before the end of a run over which recent displacement counts.
constexpr int kRecentSteps = 1000;

struct TypeSummary {
  std::int32_t type = 0;
  int atoms = 0;
  double minimumDistance = 0.0; // r0 of the type's own pair
  // Displacements as relativeSquaredDisplacements measures them: a crystal
  // moving or turning as a whole shows only its vibration.
  double rmsDisplacement = 0.0;    // since the start, in units of r0
  double recentDisplacement = 0.0; // over the last stretch of the run, in units of r0
  // Share of atoms that moved more than kMobileDistance·r0 over the last
  // stretch: a liquid's atoms nearly all wander, a glass's few do.
  double mobileShare = 0.0;
  double neighbours = 0.0;         // mean count within the neighbour radius
  // Share of gas atoms: fewer than 3 neighbours, or, where the frame's
  // temperature is known, a pair energy with them above -3/2·T.
  double freeShare = 0.0;
  double gasNeighbours = 0.0; // mean neighbour count of the gas atoms
  double lowerThird = 0.0;         // share of atoms in the lowest third of the box
  // Each atom as a gas, liquid or solid atom (see PhaseMix): the three
  // shares add up to 1. The gas share is freeShare.
  double solidShare = 0.0;
  double liquidShare = 0.0;
  Phase phase = Phase::None;       // gas, else liquid when most atoms wander, else solid
  PhaseMix mix = PhaseMix::None;   // the phases side by side
};

// The phases side by side from a summary's shares: those holding at least
// kCoexistingShare of the atoms; when three do, the two largest. A liquid's
// vapour is thin, its atoms with hardly a neighbour: where the gas atoms
// are crowded (kVapourNeighbours or more on average), they and the liquid
// atoms are one fluid, too hot to part in two (past the critical point),
// and the larger share names it.
constexpr double kVapourNeighbours = 1.5;
PhaseMix phaseMixOf(const TypeSummary &summary);

// One summary per type (index = type). recent is a frame from shortly before
// now (kRecentSteps): vibration about a site moves an atom little over such a
// stretch, diffusion moves it far. Throws std::invalid_argument unless the
// frames hold the same atoms (checkFrames).
std::vector<TypeSummary> summarisePhases(const AtomFrame &start, const AtomFrame &recent,
                                         const AtomFrame &now);

// The summaries from a frame and one taken kRecentSteps steps earlier,
// without the displacement since the start (rmsDisplacement stays 0).
std::vector<TypeSummary> summariseRecent(const AtomFrame &recent, const AtomFrame &now);

// The phase of each type (index = type) from a frame and one taken
// kRecentSteps steps earlier: the same verdict as the summary's.
std::vector<Phase> classifyPhases(const AtomFrame &recent, const AtomFrame &now);

} // namespace analysis
