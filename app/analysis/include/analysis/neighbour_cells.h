// Neighbour lists of a frame, found through a grid of cells: each atom is
// compared only with the atoms of its own cell and the 26 around it.
#pragma once

#include "analysis/atom_frame.h"

#include <cstdint>
#include <span>
#include <vector>

namespace analysis {

// For each atom the atoms (of any type) closer than the neighbour radius of
// their pair, in one flat array: atom i's lie between first[i] and first[i + 1].
struct NeighbourLists {
  std::vector<std::uint32_t> first;
  std::vector<std::uint32_t> atoms;

  std::span<const std::uint32_t> of(std::size_t atom) const {
    return {atoms.data() + first[atom], atoms.data() + first[atom + 1]};
  }
  std::size_t countOf(std::size_t atom) const { return first[atom + 1] - first[atom]; }
};

// Cells are at least as wide as the largest neighbour radius of the pair
// table, so every neighbour lies in the adjacent cells. Atoms outside the box
// count in the edge cells. Throws std::invalid_argument for a frame that is
// not whole (checkFrame).
NeighbourLists findNeighbours(const AtomFrame &frame);

// Each atom's neighbour count (the length of its neighbour list, without
// the lists) and its pair energy with those neighbours
// (kelvin): how firmly the atom is bound where it stands.
struct Neighbourhoods {
  std::vector<std::uint32_t> counts;
  std::vector<double> energies;
};
Neighbourhoods measureNeighbourhoods(const AtomFrame &frame);

} // namespace analysis
