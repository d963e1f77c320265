// The tick in two halves, its run on the worker thread: the engine sees the
// plain tick's calls in order and never two calls at once, whatever the
// program does while a run goes on.
#include "controller_fixture.h"
#include "engine_call_logs.h"

#include <string>

namespace {

using engine_calls::kTick;

class PipelinedTick : public ControllerTest {
protected:
  // Each run takes long enough that a call not waiting for it would overlap.
  void SetUp() override {
    startScenario();
    engine.setRunTime(20);
  }
  void TearDown() override { EXPECT_EQ(engine.overlaps(), 0); }
};

TEST_F(PipelinedTick, TicksMakeThePlainLoopsCallsInOrder) {
  for (int k = 0; k < 3; ++k) {
    ASSERT_TRUE(controller.startTick());
    controller.finishTick();
    controller.finishTick(); // a second finish has nothing left to do
  }
  EXPECT_EQ(calls(), std::string(kTick) + kTick + kTick);
  EXPECT_EQ(controller.step(), 15);
}

// A command finishes the tick in flight, coordinates included, before it
// reaches the engine: the order is that of the plain loop.
TEST_F(PipelinedTick, ASeasonChangeWaitsForTheTickInFlight) {
  ASSERT_TRUE(controller.startTick());
  controller.ambientChanged(280);
  EXPECT_EQ(calls(), std::string(kTick) + "MD_set_temperature(280)\n");
}

TEST_F(PipelinedTick, PauseWaitsForTheTickInFlightAndStartsNoMore) {
  ASSERT_TRUE(controller.startTick());
  controller.setPaused(true);
  EXPECT_EQ(calls(), kTick);
  EXPECT_FALSE(controller.startTick());
  controller.finishTick();
  EXPECT_EQ(calls(), "");
}

TEST_F(PipelinedTick, ALoadWaitsForTheTickInFlight) {
  ASSERT_TRUE(controller.startTick());
  controller.load(dataFile("two_types.ams"));
  const std::string log = calls();
  EXPECT_EQ(log.rfind(kTick, 0), 0u) << log;
  EXPECT_NE(log.find("MD_init(", std::string(kTick).size()), std::string::npos) << log;
  EXPECT_EQ(controller.step(), 0);
}

TEST_F(PipelinedTick, EndingTheControllerWaitsForTheTickInFlight) {
  {
    simulation::SimulationController ending;
    ending.startUp();
    ending.load(dataFile("two_types.ams"));
    engine.clearLog();
    ASSERT_TRUE(ending.startTick());
  }
  EXPECT_EQ(calls(), kTick);
}

} // namespace
