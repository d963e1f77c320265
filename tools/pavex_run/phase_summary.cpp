#include "phase_summary.h"

#include <algorithm>
#include <cmath>

namespace PavexRun {

double minimumDistance(const double *pair) {
  const double b = pair[1], c = pair[2], d = pair[3];
  const double squared = d * d - std::sqrt(b / 2.0) * (d * d - c * c);
  return b > 0.0 && squared > 0.0 ? std::sqrt(squared) : c;
}

double neighbourRadius(const double *pair) {
  return std::min(kNeighbourShell * minimumDistance(pair), pair[3]);
}

namespace {

constexpr int kFreeNeighbours = 3;         // an atom with fewer is a gas atom
constexpr double kGasShare = 0.5;          // a type with more free atoms is a gas
constexpr double kSolidDisplacement = 0.3; // a crystal's atoms stay closer to their sites

const double *pairOf(const Snapshot &s, std::int32_t a, std::int32_t b) {
  const std::int32_t t = std::max(a, b);
  const std::int32_t u = std::min(a, b);
  return &s.pairParams[4 * static_cast<std::size_t>(t * (t + 1) / 2 + u)];
}

double squaredDistance(const std::vector<double> &p, std::size_t i, const std::vector<double> &q,
                       std::size_t j) {
  const double dx = p[3 * i] - q[3 * j];
  const double dy = p[3 * i + 1] - q[3 * j + 1];
  const double dz = p[3 * i + 2] - q[3 * j + 2];
  return dx * dx + dy * dy + dz * dz;
}

int neighbourCount(const Snapshot &s, std::size_t i) {
  int count = 0;
  for (std::size_t j = 0; j < s.types.size(); ++j) {
    const double radius = neighbourRadius(pairOf(s, s.types[i], s.types[j]));
    if (j != i && squaredDistance(s.coords, i, s.coords, j) < radius * radius)
      ++count;
  }
  return count;
}

// Sums over the atoms of a type; finish() turns them into means.
void addAtom(TypeSummary &summary, const Snapshot &start, const Snapshot &recent,
             const Snapshot &now, std::size_t i) {
  const double lowerThirdTop = now.box[1] + (now.box[4] - now.box[1]) / 3.0;
  const int neighbours = neighbourCount(now, i);
  ++summary.atoms;
  summary.rmsDisplacement += squaredDistance(now.coords, i, start.coords, i);
  summary.recentDisplacement += squaredDistance(now.coords, i, recent.coords, i);
  summary.neighbours += neighbours;
  summary.freeShare += neighbours < kFreeNeighbours ? 1.0 : 0.0;
  summary.lowerThird += now.coords[3 * i + 1] < lowerThirdTop ? 1.0 : 0.0;
}

std::string phaseOf(const TypeSummary &summary) {
  if (summary.freeShare > kGasShare)
    return "gas";
  return summary.recentDisplacement < kSolidDisplacement ? "solid" : "liquid";
}

void finish(TypeSummary &summary) {
  const double atoms = summary.atoms;
  summary.rmsDisplacement = std::sqrt(summary.rmsDisplacement / atoms) / summary.minimumDistance;
  summary.recentDisplacement =
      std::sqrt(summary.recentDisplacement / atoms) / summary.minimumDistance;
  summary.neighbours /= atoms;
  summary.freeShare /= atoms;
  summary.lowerThird /= atoms;
  summary.phase = phaseOf(summary);
}

} // namespace

std::vector<TypeSummary> summarisePhases(const Snapshot &start, const Snapshot &recent,
                                         const Snapshot &now) {
  std::vector<TypeSummary> summaries(static_cast<std::size_t>(now.typeCount));
  for (std::size_t t = 0; t < summaries.size(); ++t) {
    summaries[t].type = static_cast<std::int32_t>(t);
    summaries[t].minimumDistance =
        minimumDistance(pairOf(now, summaries[t].type, summaries[t].type));
  }
  for (std::size_t i = 0; i < now.types.size(); ++i)
    addAtom(summaries[static_cast<std::size_t>(now.types[i])], start, recent, now, i);
  for (TypeSummary &summary : summaries)
    if (summary.atoms > 0)
      finish(summary);
  return summaries;
}

} // namespace PavexRun
