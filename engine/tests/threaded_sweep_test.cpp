// The pair sweep cut into parts on worker threads gives the bits of the
// serial sweep, also where a part runs out of room or a thread cannot start.
#include "engine_test_support.h"
#include "thread_count.h"
#include "worker_pool.h"

#include <atomic>
#include <bit>
#include <random>
#include <system_error>

namespace pavex_test {
namespace {

// Every bit of the positions, velocities, forces and energies.
struct Bits {
  std::vector<double> values;
  bool operator==(const Bits &other) const {
    if (values.size() != other.values.size()) {
      return false;
    }
    for (size_t k = 0; k < values.size(); ++k) {
      if (std::bit_cast<uint64_t>(values[k]) != std::bit_cast<uint64_t>(other.values[k])) {
        return false;
      }
    }
    return true;
  }
};

class ThreadedSweep : public EngineTest {
protected:
  // A fresh engine with `threads` threads, every sweep cut into parts when
  // threads > 1, then simulate().
  Bits run(int32_t threads, int32_t cells, double edge, int32_t steps) {
    pavex::engine() = pavex::EngineState{};
    state().threads = threads;
    return simulate(cells, edge, steps);
  }

  // The atoms of MD_init(cells, cells, cells), of two types, at random in a
  // cube of edge `edge` inside a larger box, warmed to 300 and run for
  // `steps` steps.
  Bits simulate(int32_t cells, double edge, int32_t steps) {
    state().threadedFrom = 0;
    EXPECT_EQ(init(cells, cells, cells), PAVEX_OK);
    const double box[6] = {0, 0, 0, edge + 8192, edge + 8192, edge + 8192};
    MD_set_box(box);
    const double params[12] = {1024, 1, 1412, 2048, 700, 1, 1300, 1800, 900, 1, 1500, 2000};
    EXPECT_EQ(MD_set_potential_function(2, params), PAVEX_OK);
    MD_set_nr_of_materials(2);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(4096, 4096 + edge);
    std::vector<double> xyz(3 * static_cast<size_t>(state().n));
    for (double &x : xyz) {
      x = place(random);
    }
    MD_set_coordinates(xyz.data());
    pairsPerAtom = closePairs(xyz) / static_cast<double>(state().n);
    EXPECT_EQ(MD_set_temperature(300), PAVEX_OK);
    MD_do_run(steps); // a hot pile may leave the box: the bits still count
    Bits bits{coordinates()};
    for (double v : velocities()) {
      bits.values.push_back(v);
    }
    const double *f = state().atoms.force.get();
    bits.values.insert(bits.values.end(), f, f + 3 * state().n);
    double total, potential, kinetic;
    MD_get_all_energy(&total, &potential, &kinetic);
    bits.values.insert(bits.values.end(), {total, potential, kinetic, state().wallForceSum});
    return bits;
  }

  // Pairs closer than the smallest cut-off of the table.
  static int64_t closePairs(const std::vector<double> &xyz) {
    int64_t pairs = 0;
    for (size_t i = 0; i < xyz.size(); i += 3) {
      for (size_t j = i + 3; j < xyz.size(); j += 3) {
        const double dx = xyz[i] - xyz[j], dy = xyz[i + 1] - xyz[j + 1];
        const double dz = xyz[i + 2] - xyz[j + 2];
        pairs += dx * dx + dy * dy + dz * dz < 1800.0 * 1800.0;
      }
    }
    return pairs;
  }

  double pairsPerAtom = 0.0; // of the last simulation's start
};

// Columns, and parts so thin that a part's search reaches back over more
// than one earlier part.
TEST_F(ThreadedSweep, ManyPartsGiveTheSerialBits) {
  const Bits serial = run(1, 10, 30000, 40);
  EXPECT_TRUE(run(2, 10, 30000, 40) == serial);
  EXPECT_TRUE(run(16, 10, 30000, 40) == serial);
  EXPECT_LT(30000.0 * state().gridScale / 16, state().window);
}

// Far more pairs per atom than a part has room to store: the step is swept
// again in one part.
TEST_F(ThreadedSweep, APileTooDenseForThePartsIsSweptWhole) {
  const Bits serial = run(1, 5, 1500, 3);
  EXPECT_TRUE(run(2, 5, 1500, 3) == serial);
  EXPECT_GT(pairsPerAtom, 2 * pavex::kEnergyTermsPerAtom);
}

std::thread refuseToStart(pavex::WorkerPool &, int32_t) {
  throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
}

TEST_F(ThreadedSweep, AThreadThatCannotStartLeavesTheSerialSweep) {
  const Bits serial = run(1, 10, 30000, 20);
  pavex::engine() = pavex::EngineState{};
  state().workers = std::make_unique<pavex::WorkerPool>(1, refuseToStart);
  EXPECT_EQ(state().workers->parts(), 1);
  state().threads = 2;
  EXPECT_TRUE(simulate(10, 30000, 20) == serial);
  EXPECT_EQ(state().atoms.sweepParts, 1);
}

// Part 0 runs on the caller; the other parts each once per piece of work, on
// threads that stay for the next piece.
TEST(WorkerPool, RunsEveryPartOncePerPiece) {
  pavex::WorkerPool pool(2);
  ASSERT_EQ(pool.parts(), 3);
  std::atomic<int32_t> calls[3] = {0, 0, 0};
  for (int piece = 0; piece < 50; ++piece) {
    pool.run(
        [](void *context, int32_t part) { ++static_cast<std::atomic<int32_t> *>(context)[part]; },
        calls);
  }
  for (const auto &c : calls) {
    EXPECT_EQ(c.load(), 50);
  }
}

TEST(ThreadCount, WholeNumbersFromOneTo64AreTakenOtherwiseTheCores) {
  EXPECT_EQ(pavex::threadCountFrom("1", 8), 1);
  EXPECT_EQ(pavex::threadCountFrom("2", 8), 2);
  EXPECT_EQ(pavex::threadCountFrom("64", 8), 64);
  for (const char *bad : {"0", "-2", "65", "two", "2x", ""}) {
    EXPECT_EQ(pavex::threadCountFrom(bad, 8), 8) << bad;
  }
  EXPECT_EQ(pavex::threadCountFrom(nullptr, 8), 8);
  EXPECT_EQ(pavex::threadCountFrom(nullptr, 0), 1);
}

} // namespace
} // namespace pavex_test
