#include "analysis/phase_measure.h"

#include "analysis/displacement.h"
#include "analysis/mobility.h"
#include "analysis/neighbour_cells.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace analysis {
namespace {

constexpr std::size_t kFreeNeighbours = 3; // an atom with fewer is a gas atom
// An atom is also a gas atom, however many neighbours crowd it, when its
// pair energy with them does not hold it against its mean kinetic energy,
// 3/2·T: so a gas pressed dense above its critical temperature stays a gas
// instead of reading as a liquid with a gas beside it. Where the frame's
// temperature is unknown (0) only the count decides.
constexpr double kKineticPerKelvin = 1.5;
constexpr double kGasShare = 0.5;          // a type with more free atoms is a gas
// A type is liquid when at least this share of its atoms wandered more than
// kMobileDistance·r0 over the last kRecentSteps. Measured on the liquid
// material held below its melting point, the share falls steadily as it
// cools (over 1,000 steps: 86 % at 1.04 of the melting point, 48 % at 0.83,
// 9 % at 0.65): the mean displacement of a few fast atoms made a glass
// read as a liquid, the share does not.
constexpr double kLiquidShare = 0.5;

std::vector<TypeSummary> emptySummaries(const AtomFrame &frame) {
  std::vector<TypeSummary> summaries(static_cast<std::size_t>(frame.typeCount));
  for (std::size_t t = 0; t < summaries.size(); ++t) {
    summaries[t].type = static_cast<std::int32_t>(t);
    summaries[t].minimumDistance =
        minimumDistance(pairOf(frame, summaries[t].type, summaries[t].type));
  }
  return summaries;
}

// Sums over the atoms of each type; finish() turns them into means.
// sinceStart may be empty: the rms displacement then stays 0.
void addAtoms(std::vector<TypeSummary> &summaries, const std::vector<double> &sinceStart,
              const std::vector<double> &sinceRecent, const AtomFrame &now) {
  const Neighbourhoods around = measureNeighbourhoods(now);
  const double holding = -kKineticPerKelvin * now.temperature;
  const double lowerThirdTop = now.box[1] + (now.box[4] - now.box[1]) / 3.0;
  for (std::size_t i = 0; i < now.types.size(); ++i) {
    TypeSummary &summary = summaries[static_cast<std::size_t>(now.types[i])];
    const double mobile = kMobileDistance * summary.minimumDistance;
    ++summary.atoms;
    summary.rmsDisplacement += sinceStart.empty() ? 0.0 : sinceStart[i];
    summary.recentDisplacement += sinceRecent[i];
    summary.mobileShare += sinceRecent[i] > mobile * mobile ? 1.0 : 0.0;
    summary.neighbours += around.counts[i];
    const bool free = around.counts[i] < kFreeNeighbours || !(around.energies[i] < holding);
    const bool moved = sinceRecent[i] > mobile * mobile;
    summary.freeShare += free ? 1.0 : 0.0;
    summary.gasNeighbours += free ? around.counts[i] : 0.0;
    summary.liquidShare += !free && moved ? 1.0 : 0.0;
    summary.solidShare += !free && !moved ? 1.0 : 0.0;
    summary.lowerThird += now.coords[3 * i + 1] < lowerThirdTop ? 1.0 : 0.0;
  }
}

Phase phaseOf(const TypeSummary &summary) {
  if (summary.freeShare > kGasShare)
    return Phase::Gas;
  return summary.mobileShare < kLiquidShare ? Phase::Solid : Phase::Liquid;
}

void finish(TypeSummary &summary) {
  if (summary.atoms == 0)
    return;
  const double atoms = summary.atoms;
  summary.rmsDisplacement = std::sqrt(summary.rmsDisplacement / atoms) / summary.minimumDistance;
  summary.recentDisplacement =
      std::sqrt(summary.recentDisplacement / atoms) / summary.minimumDistance;
  summary.mobileShare /= atoms;
  summary.neighbours /= atoms;
  summary.gasNeighbours = summary.freeShare > 0.0 ? summary.gasNeighbours / summary.freeShare : 0.0;
  summary.freeShare /= atoms;
  summary.liquidShare /= atoms;
  summary.solidShare /= atoms;
  summary.lowerThird /= atoms;
  summary.phase = phaseOf(summary);
  summary.mix = phaseMixOf(summary);
}

std::vector<double> displacementsSince(const AtomFrame &from, const AtomFrame &now) {
  return relativeSquaredDisplacements(from, now, findNeighbours(from));
}

std::vector<TypeSummary> summarise(const AtomFrame *start, const AtomFrame &recent,
                                   const AtomFrame &now) {
  checkFrames(recent, now);
  if (start)
    checkFrames(*start, now);
  std::vector<TypeSummary> summaries = emptySummaries(now);
  addAtoms(summaries, start ? displacementsSince(*start, now) : std::vector<double>{},
           displacementsSince(recent, now), now);
  for (TypeSummary &summary : summaries)
    finish(summary);
  return summaries;
}

} // namespace

std::string_view phaseName(Phase phase) {
  switch (phase) {
  case Phase::Solid:
    return "solid";
  case Phase::Liquid:
    return "liquid";
  case Phase::Gas:
    return "gas";
  case Phase::None:
    break;
  }
  return "";
}

constexpr std::array<std::pair<PhaseMix, std::string_view>, 6> kMixNames{{
    {PhaseMix::Solid, "solid"},
    {PhaseMix::Liquid, "liquid"},
    {PhaseMix::Gas, "gas"},
    {PhaseMix::SolidLiquid, "solid and liquid"},
    {PhaseMix::LiquidGas, "liquid and gas"},
    {PhaseMix::SolidGas, "solid and gas"},
}};

std::string_view phaseMixName(PhaseMix mix) {
  for (const auto &[known, name] : kMixNames)
    if (known == mix)
      return name;
  return "";
}

std::optional<PhaseMix> phaseMixFromName(std::string_view name) {
  for (const auto &[known, text] : kMixNames)
    if (text == name)
      return known;
  return std::nullopt;
}

PhaseMix phaseMixOf(const TypeSummary &summary) {
  if (summary.atoms == 0)
    return PhaseMix::None;
  // The phases by share, largest first; a phase counts from kCoexistingShare.
  std::array<std::pair<double, Phase>, 3> shares{{{summary.solidShare, Phase::Solid},
                                                  {summary.liquidShare, Phase::Liquid},
                                                  {summary.freeShare, Phase::Gas}}};
  std::stable_sort(shares.begin(), shares.end(),
                   [](const auto &a, const auto &b) { return a.first > b.first; });
  const Phase first = shares[0].second;
  if (shares[1].first < kCoexistingShare)
    return first == Phase::Solid ? PhaseMix::Solid
           : first == Phase::Liquid ? PhaseMix::Liquid
                                    : PhaseMix::Gas;
  const auto has = [&](Phase p) { return first == p || shares[1].second == p; };
  if (!has(Phase::Gas))
    return PhaseMix::SolidLiquid;
  if (!has(Phase::Liquid))
    return PhaseMix::SolidGas;
  if (summary.gasNeighbours >= kVapourNeighbours)
    return first == Phase::Liquid ? PhaseMix::Liquid : PhaseMix::Gas;
  return PhaseMix::LiquidGas;
}

std::string_view phaseLabel(Phase phase, double temperature, std::optional<double> meltingPoint) {
  if (phase == Phase::Liquid && meltingPoint && temperature < *meltingPoint)
    return "supercooled liquid";
  return phaseName(phase);
}

std::vector<TypeSummary> summarisePhases(const AtomFrame &start, const AtomFrame &recent,
                                         const AtomFrame &now) {
  return summarise(&start, recent, now);
}

std::vector<TypeSummary> summariseRecent(const AtomFrame &recent, const AtomFrame &now) {
  return summarise(nullptr, recent, now);
}

std::vector<Phase> classifyPhases(const AtomFrame &recent, const AtomFrame &now) {
  std::vector<Phase> phases;
  for (const TypeSummary &summary : summariseRecent(recent, now))
    phases.push_back(summary.phase);
  return phases;
}

} // namespace analysis
