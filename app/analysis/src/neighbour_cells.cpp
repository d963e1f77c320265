#include "analysis/neighbour_cells.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace analysis {
namespace {

// However small the neighbour radius, the grid has at most about this many
// cells per atom: enough that a cell holds a few atoms, few enough that an
// empty box costs nothing.
constexpr double kCellsPerAtom = 8.0;

using CellCoords = std::array<int, 3>;

// Squared neighbour radius of every ordered pair of types, row by row.
std::vector<double> squaredRadii(const AtomFrame &frame) {
  const auto types = static_cast<std::size_t>(frame.typeCount);
  std::vector<double> radii(types * types);
  for (std::size_t a = 0; a < types; ++a) {
    for (std::size_t b = 0; b < types; ++b) {
      const auto pair = pairOf(frame, static_cast<std::int32_t>(a), static_cast<std::int32_t>(b));
      const double radius = std::max(neighbourRadius(pair), 0.0);
      radii[a * types + b] = radius * radius;
    }
  }
  return radii;
}

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

// The atoms sorted by cell: cell c holds atoms[start[c]] .. atoms[start[c + 1] - 1].
struct CellContents {
  std::vector<std::uint32_t> start;
  std::vector<std::uint32_t> atoms;
};

CellContents sortIntoCells(const AtomFrame &frame, const CellGrid &grid) {
  const std::size_t atoms = frame.types.size();
  std::vector<std::size_t> cellOfAtom(atoms);
  CellContents contents{std::vector<std::uint32_t>(grid.cellCount() + 1, 0),
                        std::vector<std::uint32_t>(atoms)};
  for (std::size_t i = 0; i < atoms; ++i) {
    cellOfAtom[i] = grid.indexOf(grid.cellOf(&frame.coords[3 * i]));
    ++contents.start[cellOfAtom[i] + 1];
  }
  std::partial_sum(contents.start.begin(), contents.start.end(), contents.start.begin());
  std::vector<std::uint32_t> filled(contents.start.begin(), contents.start.end() - 1);
  for (std::size_t i = 0; i < atoms; ++i)
    contents.atoms[filled[cellOfAtom[i]]++] = static_cast<std::uint32_t>(i);
  return contents;
}

class NeighbourSearch {
public:
  explicit NeighbourSearch(const AtomFrame &frame)
      : frame_(frame), radii_(squaredRadii(frame)),
        grid_(frame.box, std::sqrt(*std::max_element(radii_.begin(), radii_.end())),
              frame.types.size()),
        contents_(sortIntoCells(frame, grid_)) {}

  // Appends the neighbours of atom i to the list: the cells in x next to
  // each other are one run of the sorted atoms, so each of the nine rows of
  // cells around i is one loop.
  void appendNeighbours(std::size_t i, std::vector<std::uint32_t> &out) const {
    const double *p = &frame_.coords[3 * i];
    const double *radii = &radii_[static_cast<std::size_t>(frame_.types[i]) *
                                  static_cast<std::size_t>(frame_.typeCount)];
    const CellCoords cell = grid_.cellOf(p);
    const int xLow = std::max(cell[0] - 1, 0), xHigh = std::min(cell[0] + 1, grid_.count(0) - 1);
    for (int z = std::max(cell[2] - 1, 0); z <= std::min(cell[2] + 1, grid_.count(2) - 1); ++z) {
      for (int y = std::max(cell[1] - 1, 0); y <= std::min(cell[1] + 1, grid_.count(1) - 1); ++y) {
        const std::uint32_t from = contents_.start[grid_.indexOf({xLow, y, z})];
        const std::uint32_t to = contents_.start[grid_.indexOf({xHigh, y, z}) + 1];
        for (std::uint32_t slot = from; slot < to; ++slot) {
          const std::uint32_t j = contents_.atoms[slot];
          const double *q = &frame_.coords[3 * j];
          const double dx = p[0] - q[0], dy = p[1] - q[1], dz = p[2] - q[2];
          if (j != i && dx * dx + dy * dy + dz * dz < radii[frame_.types[j]])
            out.push_back(j);
        }
      }
    }
  }

private:
  const AtomFrame &frame_;
  std::vector<double> radii_;
  CellGrid grid_;
  CellContents contents_;
};

} // namespace

NeighbourLists findNeighbours(const AtomFrame &frame) {
  checkFrame(frame);
  const NeighbourSearch search(frame);
  NeighbourLists lists;
  lists.first.reserve(frame.types.size() + 1);
  lists.first.push_back(0);
  for (std::size_t i = 0; i < frame.types.size(); ++i) {
    search.appendNeighbours(i, lists.atoms);
    lists.first.push_back(static_cast<std::uint32_t>(lists.atoms.size()));
  }
  return lists;
}

} // namespace analysis
