// The grid-sorted neighbour search against two simple evaluations of the
// same pair rule: the literal forward sweep over x-sorted slots (same pairs,
// same order, so bit for bit the same sums) and all pairs (same pairs in any
// order, so equal to rounding).
#include "engine_test_support.h"
#include "neighbour_grid.h"
#include "pair_forces.h"
#include "pair_table.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace pavex_test {
namespace {

struct PairSums {
  std::vector<double> force;
  double energy = 0.0;
};

struct Cell {
  int32_t atom, gx, gy, gz;
};

std::vector<Cell> cellsInSlotOrder(const pavex::EngineState &s) {
  std::vector<Cell> cells;
  for (int32_t k = 0; k < s.n; ++k) {
    const int32_t i = s.atoms.sortRecords[k].atom;
    int32_t g[3];
    for (int d = 0; d < 3; ++d) {
      g[d] = static_cast<int32_t>(s.gridScale * (s.atoms.position[3 * i + d] - s.boxMin[d]));
    }
    cells.push_back({i, g[0], g[1], g[2]});
  }
  return cells;
}

void addPair(const pavex::EngineState &s, int32_t i, int32_t j, PairSums &sums) {
  const pavex::PairRecord &p = s.pairTable[pavex::pairIndex(s.atoms.type[i], s.atoms.type[j])];
  double d[3];
  for (int k = 0; k < 3; ++k) {
    d[k] = s.atoms.position[3 * i + k] - s.atoms.position[3 * j + k];
  }
  const double r2 = d[2] * d[2] + d[1] * d[1] + d[0] * d[0];
  if (r2 < p.d2) {
    const double sv = (r2 - p.d2) * p.r;
    const double q = sv * sv;
    const double f = sv * (q - p.halfB) * p.k8;
    for (int k = 0; k < 3; ++k) {
      sums.force[3 * i + k] -= f * d[k];
      sums.force[3 * j + k] += f * d[k];
    }
    sums.energy += p.a * q * (q - p.b);
  }
}

// Exchange passes until none swaps, then each slot scans forward while grid x
// is below its window.
PairSums sweepReference(const pavex::EngineState &s) {
  std::vector<Cell> c = cellsInSlotOrder(s);
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (size_t k = 0; k + 1 < c.size(); ++k) {
      if (c[k].gx > c[k + 1].gx) {
        std::swap(c[k], c[k + 1]);
        swapped = true;
      }
    }
  }
  PairSums sums{std::vector<double>(3 * c.size(), 0.0), 0.0};
  const int32_t w = s.window;
  for (size_t a = 0; a + 1 < c.size(); ++a) {
    int32_t hx = c[a].gx + w, ly = c[a].gy - w, hy = c[a].gy + w;
    int32_t lz = c[a].gz - w, hz = c[a].gz + w;
    hx = hx < 0 ? 32767 : hx;
    ly = ly < 0 ? 0 : ly;
    hy = hy < 0 ? 32767 : hy;
    lz = lz < 0 ? 0 : lz;
    hz = hz < 0 ? 32767 : hz;
    for (size_t b = a + 1; b < c.size() && c[b].gx < hx; ++b) {
      if (ly < c[b].gy && c[b].gy < hy && lz < c[b].gz && c[b].gz < hz) {
        addPair(s, c[a].atom, c[b].atom, sums);
      }
    }
  }
  return sums;
}

// Every pair whose grid cells differ by less than the window on each axis.
PairSums allPairsReference(const pavex::EngineState &s) {
  const std::vector<Cell> c = cellsInSlotOrder(s);
  PairSums sums{std::vector<double>(3 * c.size(), 0.0), 0.0};
  for (size_t a = 0; a < c.size(); ++a) {
    for (size_t b = a + 1; b < c.size(); ++b) {
      if (std::abs(c[a].gx - c[b].gx) < s.window && std::abs(c[a].gy - c[b].gy) < s.window &&
          std::abs(c[a].gz - c[b].gz) < s.window) {
        addPair(s, c[a].atom, c[b].atom, sums);
      }
    }
  }
  return sums;
}

// A few atoms are searched by walking the x window, many through the (y, z)
// columns; both run on the same configurations, the larger set spread over
// a box `spread` times as wide, so that both are about equally dense.
struct SearchCase {
  int32_t cells[3]; // MD_init lattice: 2 nx ny nz atoms
  double spread;
};

class NeighbourSearch : public EngineTest, public ::testing::WithParamInterface<SearchCase> {
protected:
  // Atoms of two types at random inside the box lo .. hi (times the spread)
  // on every axis, one grid unit clear of the lower faces.
  void randomAtoms(double lo, double hi, unsigned seed) {
    const SearchCase &c = GetParam();
    ASSERT_EQ(init(c.cells[0], c.cells[1], c.cells[2]), PAVEX_OK);
    lo *= c.spread;
    hi *= c.spread;
    const double box[6] = {lo, lo, lo, hi, hi, hi};
    MD_set_box(box);
    const double params[12] = {1024, 2, 1412, 2048, 700, 1, 1300, 1800, 1024, 2, 1412, 2048};
    ASSERT_EQ(MD_set_potential_function(2, params), PAVEX_OK);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> place(lo + 2.0 / state().gridScale, hi);
    std::vector<double> xyz(3 * static_cast<size_t>(state().n));
    for (double &x : xyz) {
      x = place(random);
    }
    MD_set_coordinates(xyz.data());
    MD_set_nr_of_materials(2);
  }

  // Whether the grid x range of the atoms fits the counting sort's buckets.
  bool countingSortFits() {
    const pavex::EngineState &s = state();
    const std::vector<Cell> cells = cellsInSlotOrder(s);
    const auto [lo, hi] = std::minmax_element(
        cells.begin(), cells.end(), [](const Cell &a, const Cell &b) { return a.gx < b.gx; });
    return hi->gx - lo->gx + 1 <= s.atoms.bucketCapacity;
  }

  void expectSameAsReferences() {
    const PairSums sweep = sweepReference(state());
    const PairSums all = allPairsReference(state());
    const double energy = pavex::computePairForces(state());
    EXPECT_EQ(energy, sweep.energy);
    EXPECT_NEAR(energy, all.energy, 1e-9 * std::abs(all.energy));
    double largest = 0.0;
    for (double f : all.force) {
      largest = std::max(largest, std::abs(f));
    }
    ASSERT_GT(largest, 0.0);
    for (size_t c = 0; c < sweep.force.size(); ++c) {
      ASSERT_EQ(state().atoms.force[c], sweep.force[c]) << c;
      ASSERT_NEAR(state().atoms.force[c], all.force[c], 1e-12 * largest) << c;
    }
  }
};

TEST_P(NeighbourSearch, CrowdedBoxMatchesBothReferences) {
  randomAtoms(0, 3000, 1);
  ASSERT_TRUE(countingSortFits());
  expectSameAsReferences();
}

TEST_P(NeighbourSearch, SparseBoxMatchesBothReferences) {
  randomAtoms(0, 21000, 2);
  ASSERT_FALSE(countingSortFits()); // the insertion sort
  expectSameAsReferences();
}

TEST_P(NeighbourSearch, BoxBelowZeroMatchesBothReferences) {
  randomAtoms(-9000, 3000, 3);
  expectSameAsReferences();
}

TEST_P(NeighbourSearch, OrderCarriedOverFromEarlierStepsStillMatches) {
  randomAtoms(0, 9000, 4);
  MD_set_temperature(300);
  ASSERT_EQ(MD_do_run(10), PAVEX_OK);
  expectSameAsReferences();
}

// Candidates come as slots when the x window is walked and as column entries
// when the slots are filed by column; either way they name the slots of the
// forward window, and an entry holds its slot's position.
TEST_P(NeighbourSearch, CandidatesAreTheSlotsOfTheForwardWindow) {
  randomAtoms(0, 6000, 5);
  pavex::EngineState &s = state();
  const pavex::ColumnLayout layout = pavex::updateNeighbourGrid(s);
  const int32_t w = s.window;
  std::vector<int32_t> found(s.n + pavex::kCellLanes);
  std::vector<int32_t> cursor(s.atoms.columnLimit);
  pavex::placeCursors(s, layout, 0, cursor.data());
  for (int32_t a = 0; a + 1 < s.n; ++a) {
    const int32_t count = pavex::gatherCandidates(s, layout, a, cursor.data(), found.data());
    std::vector<int32_t> got;
    for (int32_t c = 0; c < count; ++c) {
      const int32_t e = found[c];
      if (!layout.filed) {
        got.push_back(e);
        continue;
      }
      const int32_t b = s.atoms.columnSlot[e];
      got.push_back(b);
      ASSERT_EQ(s.atoms.columnX[e], s.atoms.slotPosition[3 * b]);
      ASSERT_EQ(s.atoms.columnY[e], s.atoms.slotPosition[3 * b + 1]);
      ASSERT_EQ(s.atoms.columnZ[e], s.atoms.slotPosition[3 * b + 2]);
    }
    std::sort(got.begin(), got.end());
    std::vector<int32_t> expected;
    const pavex::SortRecord &ra = s.atoms.sortRecords[a];
    for (int32_t b = a + 1; b < s.n && s.atoms.sortRecords[b].gx < ra.gx + w; ++b) {
      const pavex::SortRecord &rb = s.atoms.sortRecords[b];
      if (std::abs(rb.gy - ra.gy) < w && std::abs(rb.gz - ra.gz) < w) {
        expected.push_back(b);
      }
    }
    ASSERT_EQ(got, expected) << a;
    ASSERT_GE(s.atoms.sortRecords[a + 1].gx, ra.gx);
  }
}

TEST_P(NeighbourSearch, AtomFarOutsideTheBoxSaturatesItsGridCell) {
  randomAtoms(0, 6000, 6);
  const double far[3] = {1e300, -1e300, NAN};
  std::copy_n(far, 3, state().atoms.position.get() + 3 * 17);
  pavex::computePairForces(state());
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(state().atoms.force[3 * 17 + k], 0.0);
  }
  EXPECT_EQ(MD_do_run(1), PAVEX_E_OUT_OF_RANGE);
}

INSTANTIATE_TEST_SUITE_P(XWindowWalked, NeighbourSearch,
                         ::testing::Values(SearchCase{{5, 5, 6}, 1.0}));
INSTANTIATE_TEST_SUITE_P(FiledByColumn, NeighbourSearch,
                         ::testing::Values(SearchCase{{10, 10, 15}, 2.154}));

} // namespace
} // namespace pavex_test
