// The phase measure on its own thread: its results are those of a
// PhaseTracker fed the same frames, a new scenario drops the old one's
// frames and results, frames handed over during a measure are measured once,
// as the newest, and the worker ends cleanly with a measure in flight.
#include "analysis/phase_worker.h"

#include "test_frames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

using analysis::AtomFrame;
using analysis::Phase;
using analysis::PhaseTracker;
using analysis::PhaseWorker;
using analysis::TypeSummary;
using analysis::testing::kLiquidR0;
using analysis::testing::reshuffled;

namespace {

// The crystal as two materials, alternate atoms of each.
AtomFrame twoMaterials() {
  AtomFrame frame = analysis::testing::crystal(kLiquidR0);
  frame.typeCount = 2;
  for (std::size_t a = 0; a < frame.types.size(); ++a)
    frame.types[a] = std::int32_t(a % 2);
  const double *pair = analysis::testing::kLiquidPair;
  frame.pairParams.clear();
  for (int p = 0; p < 3; ++p)
    frame.pairParams.insert(frame.pairParams.end(), pair, pair + 4);
  return frame;
}

// A cube of simple cubic sites r0 apart, each atom shaken off its site:
// thousands of atoms, so that one measure takes a while.
AtomFrame largeBlock(int side, unsigned seed) {
  AtomFrame frame;
  frame.pairParams.assign(analysis::testing::kLiquidPair, analysis::testing::kLiquidPair + 4);
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> shake(-0.2 * kLiquidR0, 0.2 * kLiquidR0);
  for (int k = 0; k < side * side * side; ++k) {
    const int x = k % side, y = k / side % side, z = k / side / side;
    frame.coords.insert(frame.coords.end(),
                        {5000 + x * kLiquidR0 + shake(random), 5000 + y * kLiquidR0 + shake(random),
                         5000 + z * kLiquidR0 + shake(random)});
    frame.types.push_back(0);
  }
  const double edge = 10000 + side * kLiquidR0;
  frame.box = {0, 0, 0, edge, edge, edge};
  return frame;
}

void expectSame(const std::vector<TypeSummary> &got, const std::vector<TypeSummary> &want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t t = 0; t < got.size(); ++t) {
    SCOPED_TRACE(t);
    EXPECT_EQ(got[t].type, want[t].type);
    EXPECT_EQ(got[t].atoms, want[t].atoms);
    EXPECT_EQ(got[t].minimumDistance, want[t].minimumDistance);
    EXPECT_EQ(got[t].rmsDisplacement, want[t].rmsDisplacement);
    EXPECT_EQ(got[t].recentDisplacement, want[t].recentDisplacement);
    EXPECT_EQ(got[t].mobileShare, want[t].mobileShare);
    EXPECT_EQ(got[t].neighbours, want[t].neighbours);
    EXPECT_EQ(got[t].freeShare, want[t].freeShare);
    EXPECT_EQ(got[t].gasNeighbours, want[t].gasNeighbours);
    EXPECT_EQ(got[t].lowerThird, want[t].lowerThird);
    EXPECT_EQ(got[t].solidShare, want[t].solidShare);
    EXPECT_EQ(got[t].liquidShare, want[t].liquidShare);
    EXPECT_EQ(got[t].phase, want[t].phase);
    EXPECT_EQ(got[t].mix, want[t].mix);
  }
}

std::vector<Phase> phasesOf(const std::vector<TypeSummary> &summaries) {
  std::vector<Phase> phases;
  for (const TypeSummary &summary : summaries)
    phases.push_back(summary.phase);
  return phases;
}

// Counts the worker's measures and, until released, holds the worker in its
// report of each one, so that frames handed over meanwhile pile up.
class Gate {
public:
  PhaseWorker::Measured report() {
    return [this] {
      std::unique_lock lock(mutex_);
      ++measures_;
      changed_.notify_all();
      changed_.wait(lock, [this] { return open_; });
    };
  }
  void waitForMeasures(int count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return measures_ >= count; });
  }
  void open() {
    const std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }
  int measures() const {
    const std::lock_guard lock(mutex_);
    return measures_;
  }

private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  int measures_ = 0;
  bool open_ = false;
};

} // namespace

TEST(PhaseWorker, ResultsAreThoseOfATrackerFedTheSameFrames) {
  PhaseWorker worker;
  PhaseTracker tracker;
  EXPECT_TRUE(worker.latest(1).empty()) << "no frame handed over";
  const AtomFrame crystal = analysis::testing::crystal(kLiquidR0);
  const AtomFrame moved = reshuffled(crystal);
  const std::pair<std::int64_t, AtomFrame> frames[] = {
      {0, crystal}, {500, crystal}, {1000, crystal}, {1500, moved}, {2500, moved}, {2600, crystal}};
  const std::vector<Phase> told[] = {{Phase::None},   {Phase::None},  {Phase::Solid},
                                     {Phase::Liquid}, {Phase::Solid}, {Phase::Liquid}};
  for (std::size_t k = 0; k < std::size(frames); ++k) {
    SCOPED_TRACE(frames[k].first);
    worker.submit(1, frames[k].first, frames[k].second);
    tracker.add(frames[k].first, frames[k].second);
    worker.waitUntilIdle();
    const std::vector<TypeSummary> measured = worker.latest(1);
    expectSame(measured, tracker.summaries());
    EXPECT_EQ(phasesOf(measured), told[k]);
  }
}

TEST(PhaseWorker, ManyQuickSubmissionsMeasureOnlyTheNewestAgainstAllOfThem) {
  Gate gate;
  PhaseWorker worker(gate.report());
  PhaseTracker tracker;
  const AtomFrame crystal = analysis::testing::crystal(kLiquidR0);
  worker.submit(1, 0, crystal);
  tracker.add(0, crystal);
  gate.waitForMeasures(1); // the worker is held after its first measure
  for (std::int64_t step = 100; step <= 3000; step += 100) {
    // The newest frame old enough for step 3000 is the one liquid frame.
    const AtomFrame frame = step == 2000 ? reshuffled(crystal) : crystal;
    worker.submit(1, step, frame);
    tracker.add(step, frame);
  }
  EXPECT_EQ(phasesOf(worker.latest(1)), std::vector<Phase>{Phase::None}) << "step 0 alone";
  gate.open();
  worker.waitUntilIdle();
  EXPECT_EQ(gate.measures(), 2) << "the thirty frames were measured once";
  const std::vector<TypeSummary> newest = worker.latest(1);
  expectSame(newest, tracker.summaries());
  EXPECT_EQ(phasesOf(newest), std::vector<Phase>{Phase::Liquid});
}

TEST(PhaseWorker, ANewScenarioDropsTheOldOnesFramesAndResults) {
  Gate gate;
  PhaseWorker worker(gate.report());
  const AtomFrame crystal = analysis::testing::crystal(kLiquidR0);
  worker.submit(1, 0, crystal);
  gate.waitForMeasures(1);
  worker.submit(1, 1000, reshuffled(crystal)); // still waiting when scenario 2 starts
  const AtomFrame two = twoMaterials();
  worker.submit(2, 1500, two);
  const std::vector<TypeSummary> before = worker.latest(2);
  ASSERT_EQ(before.size(), 2u) << "scenario 1's result is not scenario 2's";
  EXPECT_EQ(before[1].type, 1);
  EXPECT_EQ(phasesOf(before), (std::vector<Phase>{Phase::None, Phase::None}));
  gate.open();
  worker.waitUntilIdle();
  EXPECT_EQ(gate.measures(), 2) << "scenario 1's waiting frame was dropped";
  EXPECT_TRUE(worker.latest(1).empty());
  EXPECT_EQ(phasesOf(worker.latest(2)), (std::vector<Phase>{Phase::None, Phase::None}))
      << "step 1500 is not compared with scenario 1's step 0";
  PhaseTracker scenario2;
  scenario2.add(1500, two);
  scenario2.add(2500, reshuffled(two));
  worker.submit(2, 2500, reshuffled(two));
  worker.waitUntilIdle();
  const std::vector<TypeSummary> told = worker.latest(2);
  expectSame(told, scenario2.summaries());
  EXPECT_NE(told[0].phase, Phase::None) << "told from scenario 2's frames alone";
}

TEST(PhaseWorker, OtherAtomsUnderTheSameScenarioStartTheHistoryAgain) {
  PhaseWorker worker;
  worker.submit(1, 0, analysis::testing::crystal(kLiquidR0));
  worker.submit(1, 1000, analysis::testing::tetrahedron(kLiquidR0));
  worker.waitUntilIdle();
  EXPECT_EQ(phasesOf(worker.latest(1)), std::vector<Phase>{Phase::None})
      << "frames of different atoms are not compared";
  const AtomFrame tetrahedron = analysis::testing::tetrahedron(kLiquidR0);
  worker.submit(1, 1100, tetrahedron);
  worker.submit(1, 2100, analysis::testing::tetrahedronTurnedOn(tetrahedron));
  worker.waitUntilIdle();
  EXPECT_EQ(phasesOf(worker.latest(1)), std::vector<Phase>{Phase::Liquid})
      << "the new atoms are told once their frames reach back";
}

TEST(PhaseWorker, DestroyedWithAMeasureInFlightEndsCleanly) {
  std::atomic<int> measures = 0;
  {
    PhaseWorker worker([&measures] { ++measures; });
    worker.submit(1, 0, largeBlock(20, 1));
    worker.submit(1, 1000, largeBlock(20, 2)); // 8,000 atoms compared: the worker is busy
    worker.submit(1, 2000, largeBlock(20, 3));
  }
  const int ended = measures;
  EXPECT_LE(ended, 3);
  EXPECT_EQ(measures, ended) << "nothing runs after the worker is gone";
}

TEST(PhaseWorker, DestroyedWhileHeldInAReportEndsCleanly) {
  Gate gate;
  std::optional<PhaseWorker> worker(std::in_place, gate.report());
  const AtomFrame crystal = analysis::testing::crystal(kLiquidR0);
  worker->submit(1, 0, crystal);
  gate.waitForMeasures(1);
  worker->submit(1, 1000, crystal);
  std::thread destroyer([&worker] { worker.reset(); });
  gate.open();
  destroyer.join();
  EXPECT_FALSE(worker.has_value());
  EXPECT_LE(gate.measures(), 2) << "the waiting frame is measured or dropped, once at most";
}
