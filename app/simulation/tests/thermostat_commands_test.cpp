// The thermostat's commands and the clamp targets they send: hold, release,
// follow the ambient temperature, ramps, limits.
#include "controller_fixture.h"

#include "analysis/thermostat.h"

using Thermostat = ControllerTest;

TEST_F(Thermostat, HoldSendsOneAndAHalfTimesTheTemperatureAndReleaseGivesBackTheFiles) {
  startScenario();
  EXPECT_DOUBLE_EQ(controller.thermostat(), 100.0 / 1.5) << "the file's clamp target, as read";
  EXPECT_EQ(controller.setThermostat(150.0), 150.0);
  EXPECT_TRUE(controller.holding());
  EXPECT_EQ(calls(), "MD_set_clamp_temp(225)\n");
  controller.setHold(false);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(100)\n");
  EXPECT_DOUBLE_EQ(controller.thermostat(), 100.0 / 1.5);
  controller.setHold(true); // holds where the file's target holds the atoms
  EXPECT_EQ(calls(), "MD_set_clamp_temp(100)\n");
}

TEST_F(Thermostat, HeldValueStopsAtTheThermostatsLimits) {
  startScenario();
  EXPECT_DOUBLE_EQ(controller.setThermostat(5000.0), analysis::largestHeldTemperature());
  EXPECT_EQ(controller.setThermostat(-40.0), 0.0);
  EXPECT_EQ(calls(), "MD_set_clamp_on_off(0)\nMD_set_clamp_temp(0)\n");
}

TEST_F(Thermostat, BeyondTheClampsReachTheVelocitiesAreRescaledAfterEveryTick) {
  startScenario();
  controller.setThermostat(1333.0);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(1999.5)\n");
  controller.setThermostat(2500.0);
  EXPECT_EQ(calls(), "MD_set_clamp_on_off(0)\n") << "the clamp would pull the atoms back";
  controller.tick();
  EXPECT_EQ(calls(), "MD_do_run(5)\nMD_get_kinetic_energy()\nMD_return_velocity()\nMD_set_velocity()\n"
                     "MD_return_coordinates()\n");
  controller.setThermostat(300.0);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(450)\n");
  controller.tick();
  EXPECT_EQ(calls(), "MD_do_run(5)\nMD_return_coordinates()\n") << "the clamp holds again";
}

TEST_F(Thermostat, ReleasingOrReloadingAHotHoldGivesTheClampBack) {
  startScenario();
  controller.setThermostat(2500.0);
  controller.load(dataFile("two_types.ams")); // the loader switches the clamp on again
  calls();
  controller.tick();
  EXPECT_NE(calls().find("MD_set_velocity"), std::string::npos) << "still held after the load";
  controller.setHold(false);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(100)\n");
  controller.tick();
  EXPECT_EQ(calls(), "MD_do_run(5)\nMD_return_coordinates()\n");
}

TEST_F(Thermostat, WhileHeldTheAmbientGivesNoFreshVelocities) {
  startScenario();
  controller.setThermostat(150.0);
  calls();
  controller.ambientChanged(283.0);
  EXPECT_EQ(calls(), "");
  EXPECT_EQ(controller.thermostat(), 150.0);
}

TEST_F(Thermostat, FollowingMovesTheThermostatOnEveryAmbientChangeAndNotWhenOff) {
  controller.ambientChanged(309.0);
  startScenario();
  controller.setFollowAmbient(true);
  EXPECT_TRUE(controller.holding());
  EXPECT_EQ(calls(), "MD_set_clamp_temp(463.5)\n");
  controller.ambientChanged(255.0);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(382.5)\n");
  EXPECT_EQ(controller.thermostat(), 255.0);
  controller.setFollowAmbient(false);
  controller.ambientChanged(300.0);
  EXPECT_EQ(calls(), "");
  EXPECT_EQ(controller.thermostat(), 255.0);
  controller.setHold(false);
  controller.ambientChanged(290.0);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(100)\nMD_set_temperature(290)\n");
}

TEST_F(Thermostat, HoldAndFollowSurviveALoadAndTheHeldTargetFollowsTheFiles) {
  controller.ambientChanged(300.0);
  startScenario();
  controller.setFollowAmbient(true);
  controller.load(dataFile("hot.ams"));
  const std::string load = calls();
  EXPECT_EQ(load.substr(load.size() - 23), "MD_set_clamp_temp(450)\n");
  EXPECT_TRUE(controller.followingAmbient());
}

TEST_F(Thermostat, RampMovesTheClampStepByStepAndRecordsTheHeatingCurve) {
  startScenario();
  controller.setThermostat(100.0);
  controller.setStepsPerTick(20);
  controller.setMeasuring(true);
  calls();
  controller.startRamp(400.0, 60);
  EXPECT_TRUE(controller.ramping());
  std::vector<double> thermostat;
  for (int tick = 0; tick < 4; ++tick) {
    controller.tick();
    thermostat.push_back(controller.thermostat());
  }
  EXPECT_EQ(thermostat, (std::vector<double>{200.0, 300.0, 400.0, 400.0}));
  EXPECT_FALSE(controller.ramping());
  EXPECT_TRUE(controller.holding());
  EXPECT_EQ(controller.records().samples().size(), 5u);
  ASSERT_EQ(controller.records().heatingCurve().size(), 3u);
  EXPECT_EQ(controller.records().heatingCurve().back().thermostat, 400.0);
  EXPECT_NE(calls().find("MD_do_run(20)\nMD_return_coordinates()\nMD_set_clamp_temp(450)\n"),
            std::string::npos);
}

TEST_F(Thermostat, ReleasingTheHoldOrANewScenarioStopsTheRamp) {
  startScenario();
  controller.startRamp(300.0, 1000);
  controller.setHold(false);
  EXPECT_FALSE(controller.ramping());
  controller.startRamp(300.0, 1000);
  controller.load(dataFile("two_types.ams"));
  EXPECT_FALSE(controller.ramping());
  EXPECT_TRUE(controller.holding());
}

TEST_F(Thermostat, ASnapshotCarriesTheClampTargetTheAtomsAreHeldTo) {
  startScenario();
  controller.ambientChanged(290.0); // fresh velocities, the clamp target stays the file's
  EXPECT_EQ(controller.snapshot().temperature, 100.0);
  controller.setThermostat(150.0);
  calls();
  const ModDornDll::ScenarioData held = controller.snapshot();
  EXPECT_EQ(held.temperature, 225.0);
  EXPECT_EQ(held.atomCount, 4);
  EXPECT_EQ(held.coords.size(), 12u);
  EXPECT_EQ(held.velocities.size(), 12u);
  EXPECT_EQ(calls(), "MD_return_coordinates()\nMD_return_velocity()\n");
}

TEST_F(Thermostat, InsulationSwitchesTheClampOffKeepsTheAmbientOutAndLastsOverALoad) {
  startScenario();
  controller.startRamp(300.0, 1000);
  calls();
  controller.setInsulated(true);
  EXPECT_EQ(calls(), "MD_set_clamp_on_off(0)\n");
  EXPECT_FALSE(controller.holding());
  EXPECT_FALSE(controller.ramping());
  controller.ambientChanged(283.0);
  EXPECT_EQ(calls(), "") << "no heat from the landscape";
  controller.tick();
  EXPECT_EQ(calls(), "MD_do_run(5)\nMD_return_coordinates()\n") << "nor any rescaling";
  controller.load(dataFile("two_types.ams")); // the loader switches the clamp on again
  const std::string load = calls();
  EXPECT_EQ(load.substr(load.size() - 23), "MD_set_clamp_on_off(0)\n");
  controller.setInsulated(false);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(100)\n") << "the file's own clamp again";
}

TEST_F(Thermostat, HoldingTheAtomsAgainEndsTheInsulation) {
  startScenario();
  controller.setInsulated(true);
  calls();
  controller.setThermostat(150.0);
  EXPECT_FALSE(controller.insulated());
  EXPECT_EQ(calls(), "MD_set_clamp_temp(225)\n");
  controller.setInsulated(true);
  controller.setFollowAmbient(true);
  EXPECT_FALSE(controller.insulated());
}
