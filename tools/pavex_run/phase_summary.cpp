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

constexpr std::size_t kFreeNeighbours = 3; // an atom with fewer is a gas atom
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

using NeighbourLists = std::vector<std::vector<std::size_t>>;

NeighbourLists neighbourLists(const Snapshot &s) {
  NeighbourLists lists(s.types.size());
  for (std::size_t i = 0; i < s.types.size(); ++i) {
    for (std::size_t j = i + 1; j < s.types.size(); ++j) {
      const double radius = neighbourRadius(pairOf(s, s.types[i], s.types[j]));
      if (squaredDistance(s.coords, i, s.coords, j) < radius * radius) {
        lists[i].push_back(j);
        lists[j].push_back(i);
      }
    }
  }
  return lists;
}

// The mean displacement of each type's atoms between two snapshots: the
// drift of its centre of mass.
std::vector<std::array<double, 3>> typeDrift(const Snapshot &from, const Snapshot &to) {
  std::vector<std::array<double, 3>> drift(static_cast<std::size_t>(to.typeCount), {0, 0, 0});
  std::vector<int> atoms(drift.size(), 0);
  for (std::size_t i = 0; i < to.types.size(); ++i) {
    const auto t = static_cast<std::size_t>(to.types[i]);
    ++atoms[t];
    for (std::size_t k = 0; k < 3; ++k)
      drift[t][k] += to.coords[3 * i + k] - from.coords[3 * i + k];
  }
  for (std::size_t t = 0; t < drift.size(); ++t)
    for (double &component : drift[t])
      component /= std::max(atoms[t], 1);
  return drift;
}

// Squared displacement of every atom between two snapshots, measured against
// the mean displacement of its neighbours of the same type in the first one: a
// crystal that slides or turns on the smooth floor as a whole shows only its
// vibration. An atom without such neighbours is measured against its type's
// drift.
std::vector<double> relativeSquaredDisplacements(const Snapshot &from, const Snapshot &to) {
  const NeighbourLists lists = neighbourLists(from);
  const auto drift = typeDrift(from, to);
  std::vector<double> result(to.types.size());
  for (std::size_t i = 0; i < to.types.size(); ++i) {
    std::array<double, 3> reference{0, 0, 0};
    int sameType = 0;
    for (const std::size_t j : lists[i]) {
      if (to.types[j] != to.types[i])
        continue;
      ++sameType;
      for (std::size_t k = 0; k < 3; ++k)
        reference[k] += to.coords[3 * j + k] - from.coords[3 * j + k];
    }
    for (double &component : reference)
      component /= std::max(sameType, 1);
    if (sameType == 0)
      reference = drift[static_cast<std::size_t>(to.types[i])];
    double sum = 0.0;
    for (std::size_t k = 0; k < 3; ++k) {
      const double d = to.coords[3 * i + k] - from.coords[3 * i + k] - reference[k];
      sum += d * d;
    }
    result[i] = sum;
  }
  return result;
}

// Sums over the atoms of each type; finish() turns them into means.
void addAtoms(std::vector<TypeSummary> &summaries, const Snapshot &start, const Snapshot &recent,
              const Snapshot &now) {
  const auto sinceStart = relativeSquaredDisplacements(start, now);
  const auto sinceRecent = relativeSquaredDisplacements(recent, now);
  const NeighbourLists lists = neighbourLists(now);
  const double lowerThirdTop = now.box[1] + (now.box[4] - now.box[1]) / 3.0;
  for (std::size_t i = 0; i < now.types.size(); ++i) {
    TypeSummary &summary = summaries[static_cast<std::size_t>(now.types[i])];
    ++summary.atoms;
    summary.rmsDisplacement += sinceStart[i];
    summary.recentDisplacement += sinceRecent[i];
    summary.neighbours += static_cast<double>(lists[i].size());
    summary.freeShare += lists[i].size() < kFreeNeighbours ? 1.0 : 0.0;
    summary.lowerThird += now.coords[3 * i + 1] < lowerThirdTop ? 1.0 : 0.0;
  }
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
  addAtoms(summaries, start, recent, now);
  for (TypeSummary &summary : summaries)
    if (summary.atoms > 0)
      finish(summary);
  return summaries;
}

} // namespace PavexRun
