// Pairs of close atoms found through a grid of cells: each atom is compared
// only with the atoms of its own cell and the 26 around it. Shared by the
// neighbour lists and the pair-distance histogram.
#pragma once

#include "analysis/atom_frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace analysis::detail {

// However small the neighbour radius, the grid has at most about this many
// cells per atom: enough that a cell holds a few atoms, few enough that an
// empty box costs nothing.
constexpr double kCellsPerAtom = 8.0;

using CellCoords = std::array<int, 3>;

// Cells over the box, at least cellWidth wide along each axis. A coordinate
// outside the box (or not a number) falls into the nearest edge cell.
class CellGrid {
public:
  CellGrid(const std::array<double, 6> &box, double cellWidth, std::size_t atoms) {
    const double most = std::floor(std::cbrt(kCellsPerAtom * static_cast<double>(atoms))) + 1.0;
    for (std::size_t k = 0; k < 3; ++k) {
      const double extent = box[k + 3] - box[k];
      const double fit = extent > 0.0 && cellWidth > 0.0 ? std::floor(extent / cellWidth) : 1.0;
      counts_[k] = static_cast<int>(std::clamp(fit, 1.0, most));
      origin_[k] = box[k];
      scale_[k] = counts_[k] > 1 ? counts_[k] / extent : 0.0;
    }
  }

  std::size_t cellCount() const {
    return static_cast<std::size_t>(counts_[0]) * static_cast<std::size_t>(counts_[1]) *
           static_cast<std::size_t>(counts_[2]);
  }

  CellCoords cellOf(const double *position) const {
    CellCoords cell{};
    for (std::size_t k = 0; k < 3; ++k) {
      const double u = (position[k] - origin_[k]) * scale_[k];
      cell[k] = u >= 0.0 ? (u < counts_[k] ? static_cast<int>(u) : counts_[k] - 1) : 0;
    }
    return cell;
  }

  std::size_t indexOf(const CellCoords &cell) const {
    return (static_cast<std::size_t>(cell[2]) * static_cast<std::size_t>(counts_[1]) +
            static_cast<std::size_t>(cell[1])) *
               static_cast<std::size_t>(counts_[0]) +
           static_cast<std::size_t>(cell[0]);
  }

  int count(std::size_t axis) const { return counts_[axis]; }

private:
  std::array<double, 3> origin_{};
  std::array<double, 3> scale_{};
  CellCoords counts_{};
};

// The atoms sorted by cell, with their positions and types copied into that
// order so that a cell's atoms lie next to each other in memory: cell c
// holds the slots start[c] .. start[c + 1] - 1.
struct CellContents {
  std::vector<std::uint32_t> start;
  std::vector<std::uint32_t> atom; // per slot
  std::vector<double> position;    // x, y, z per slot
  std::vector<std::int32_t> type;  // per slot
};

inline CellContents sortIntoCells(const AtomFrame &frame, const CellGrid &grid) {
  const std::size_t atoms = frame.types.size();
  std::vector<std::size_t> cellOfAtom(atoms);
  CellContents contents{std::vector<std::uint32_t>(grid.cellCount() + 1, 0),
                        std::vector<std::uint32_t>(atoms), std::vector<double>(3 * atoms),
                        std::vector<std::int32_t>(atoms)};
  for (std::size_t i = 0; i < atoms; ++i) {
    cellOfAtom[i] = grid.indexOf(grid.cellOf(&frame.coords[3 * i]));
    ++contents.start[cellOfAtom[i] + 1];
  }
  std::partial_sum(contents.start.begin(), contents.start.end(), contents.start.begin());
  std::vector<std::uint32_t> filled(contents.start.begin(), contents.start.end() - 1);
  for (std::size_t i = 0; i < atoms; ++i) {
    const std::uint32_t slot = filled[cellOfAtom[i]]++;
    contents.atom[slot] = static_cast<std::uint32_t>(i);
    std::copy_n(&frame.coords[3 * i], 3, &contents.position[3 * slot]);
    contents.type[slot] = frame.types[i];
  }
  return contents;
}

// Visits every pair of atoms closer than the radius given for their pair of
// types once. Each slot is compared with the later slots of its own row of cells
// (its own cell and the next in x lie next to each other in slot order) and
// with the four rows ahead of it in y and z, each row one run of slots.
class ClosePairSearch {
public:
  // squaredRadii: per ordered pair of types (row by row, typeCount wide), the
  // squared distance below which two atoms count as close.
  ClosePairSearch(const AtomFrame &frame, std::vector<double> squaredRadii)
      : frame_(frame), radii_(std::move(squaredRadii)),
        grid_(frame.box, std::sqrt(*std::max_element(radii_.begin(), radii_.end())),
              frame.types.size()),
        contents_(sortIntoCells(frame, grid_)) {}

  // visit(i, j, squaredDistance) for each close pair of atoms i and j.
  template <typename Visit> void forEachClosePair(Visit visit) const {
    for (int z = 0; z < grid_.count(2); ++z)
      for (int y = 0; y < grid_.count(1); ++y)
        for (int x = 0; x < grid_.count(0); ++x)
          visitCell({x, y, z}, visit);
  }

private:
  template <typename Visit> void visitCell(const CellCoords &cell, Visit &visit) const {
    const std::size_t here = grid_.indexOf(cell);
    const int xLow = std::max(cell[0] - 1, 0), xHigh = std::min(cell[0] + 1, grid_.count(0) - 1);
    const std::uint32_t rowEnd = contents_.start[grid_.indexOf({xHigh, cell[1], cell[2]}) + 1];
    const int rows[4][2] = {{1, 0}, {-1, 1}, {0, 1}, {1, 1}}; // (dy, dz) of the rows ahead
    for (std::uint32_t a = contents_.start[here]; a < contents_.start[here + 1]; ++a) {
      visitRun(a, a + 1, rowEnd, visit);
      for (const auto &row : rows) {
        const int y = cell[1] + row[0], z = cell[2] + row[1];
        if (y < 0 || y >= grid_.count(1) || z >= grid_.count(2))
          continue;
        visitRun(a, contents_.start[grid_.indexOf({xLow, y, z})],
                 contents_.start[grid_.indexOf({xHigh, y, z}) + 1], visit);
      }
    }
  }

  template <typename Visit>
  void visitRun(std::uint32_t a, std::uint32_t from, std::uint32_t to, Visit &visit) const {
    const double *position = contents_.position.data();
    const double px = position[3 * a], py = position[3 * a + 1], pz = position[3 * a + 2];
    const double *radii = &radii_[static_cast<std::size_t>(contents_.type[a]) *
                                  static_cast<std::size_t>(frame_.typeCount)];
    const std::int32_t *type = contents_.type.data();
    for (std::uint32_t b = from; b < to; ++b) {
      const double dx = px - position[3 * b], dy = py - position[3 * b + 1],
                   dz = pz - position[3 * b + 2];
      if (dx * dx + dy * dy + dz * dz < radii[type[b]])
        visit(contents_.atom[a], contents_.atom[b], dx * dx + dy * dy + dz * dz);
    }
  }

  const AtomFrame &frame_;
  std::vector<double> radii_;
  CellGrid grid_;
  CellContents contents_;
};

} // namespace analysis::detail
