// What the engine sees from the run controls: the plain loop's calls when
// no command is given, nothing while paused, one tick per Step.
#include "controller_fixture.h"
#include "engine_call_logs.h"

#include "scenario/mod_dorn_dll.h"

using engine_calls::kTick;

using RunControls = ControllerTest;

TEST_F(RunControls, WithoutCommandsTheEngineSeesThePlainLoop) {
  ModDornDll::clampOn = 1;
  controller.ambientChanged(309.5);
  controller.startUp();
  EXPECT_EQ(calls(), std::string("MD_set_temperature(309.5)\n") + engine_calls::kStartUp);
  EXPECT_FALSE(controller.tick()) << "nothing runs before a scenario starts";
  controller.load(dataFile("two_types.ams"));
  const std::string load = calls();
  EXPECT_EQ(load.substr(0, load.find('\n')), "MD_init(2,1,1)");
  EXPECT_EQ(load.substr(load.rfind('\n', load.size() - 2) + 1), "MD_set_atom_properties()\n");
  for (int tick = 0; tick < 3; ++tick)
    EXPECT_TRUE(controller.tick());
  controller.ambientChanged(283.0);
  controller.tick();
  EXPECT_EQ(calls(), std::string(kTick) + kTick + kTick + "MD_set_temperature(283)\n" + kTick);
  EXPECT_EQ(controller.step(), 20);
}

TEST_F(RunControls, PauseStopsTheEngineAndStepRunsExactlyOneTick) {
  startScenario();
  EXPECT_FALSE(controller.stepOnce()) << "Step acts only while paused";
  controller.setPaused(true);
  EXPECT_FALSE(controller.tick());
  EXPECT_FALSE(controller.tick());
  EXPECT_EQ(calls(), "");
  EXPECT_TRUE(controller.stepOnce());
  EXPECT_EQ(calls(), kTick);
  EXPECT_EQ(controller.step(), 5);
  controller.setPaused(false);
  EXPECT_TRUE(controller.tick());
  EXPECT_EQ(controller.step(), 10);
}

TEST_F(RunControls, SpeedSetsTheStepsOfEveryTick) {
  startScenario();
  controller.setStepsPerTick(50);
  controller.tick();
  controller.setStepsPerTick(0);
  controller.setStepsPerTick(51);
  controller.tick();
  controller.setStepsPerTick(1);
  controller.tick();
  EXPECT_EQ(calls(), "MD_do_run(50)\nMD_return_coordinates()\n"
                     "MD_do_run(50)\nMD_return_coordinates()\n"
                     "MD_do_run(1)\nMD_return_coordinates()\n");
  EXPECT_EQ(controller.step(), 101);
}

TEST_F(RunControls, ALoadRestartsTheCountAndAFailedLoadChangesNothing) {
  startScenario();
  controller.tick();
  controller.setMeasuring(true);
  for (int tick = 0; tick < 4; ++tick)
    controller.tick();
  const auto starts = controller.scenarioStarts();
  ASSERT_EQ(controller.records().samples().size(), 2u);
  EXPECT_THROW(controller.load(dataFile("no-such-file.ams")), ModDornDll::ScenarioError);
  EXPECT_EQ(controller.step(), 25);
  EXPECT_EQ(controller.scenarioStarts(), starts);
  EXPECT_EQ(controller.records().samples().size(), 2u);
  EXPECT_EQ(controller.scenarioPath(), dataFile("two_types.ams"));
  controller.load(dataFile("hot.ams"));
  EXPECT_EQ(controller.step(), 0);
  EXPECT_EQ(controller.scenarioStarts(), starts + 1);
  EXPECT_TRUE(controller.records().samples().empty());
  EXPECT_FALSE(controller.latest().has_value());
}

TEST_F(RunControls, MeasuringCostsEngineCallsOnlyOnceSwitchedOnAndThenEveryTwentySteps) {
  startScenario();
  controller.tick();
  EXPECT_EQ(calls(), kTick);
  controller.setMeasuring(true); // the first sample comes at once
  EXPECT_EQ(calls(), "MD_get_temperature()\nMD_get_all_energy()\nMD_get_boundary_pressure()\n");
  ASSERT_TRUE(controller.latest().has_value());
  EXPECT_EQ(controller.latest()->temperature, 1.5);
  EXPECT_EQ(controller.latest()->total, 3.0);
  EXPECT_EQ(controller.latest()->kinetic, 2.0);
  EXPECT_EQ(controller.latest()->pressure, 0.5);
  for (int tick = 0; tick < 8; ++tick)
    controller.tick();
  std::vector<std::int64_t> steps;
  for (const auto &sample : controller.records().samples())
    steps.push_back(sample.step);
  EXPECT_EQ(steps, (std::vector<std::int64_t>{5, 25, 45}));
}

TEST_F(RunControls, SpeedsComeFromTheCoordinatesOfTwoTicksWithoutAnEngineCall) {
  startScenario();
  controller.tick();
  EXPECT_TRUE(controller.atomSpeeds().empty()) << "not tracked yet";
  calls();
  controller.setTrackingSpeeds(true);
  controller.setStepsPerTick(10);
  controller.tick();
  EXPECT_EQ(calls(), "MD_do_run(10)\nMD_return_coordinates()\n");
  // The fake engine leaves the coordinates alone: move atom 1 as if the
  // engine had moved it by (30, 40, 0) in the tick's ten steps.
  ModDornDll::atomCoords[3] += 30.0;
  ModDornDll::atomCoords[4] += 40.0;
  const std::vector<double> speeds = controller.atomSpeeds();
  ASSERT_EQ(speeds.size(), 4u);
  EXPECT_EQ(speeds[0], 0.0);
  EXPECT_DOUBLE_EQ(speeds[1], 50.0 / (10 * ModDornDll::timeStep));
  controller.load(dataFile("two_types.ams"));
  EXPECT_TRUE(controller.atomSpeeds().empty()) << "a new start forgets the old coordinates";
  controller.setTrackingSpeeds(false);
  controller.tick();
  EXPECT_TRUE(controller.atomSpeeds().empty());
}
