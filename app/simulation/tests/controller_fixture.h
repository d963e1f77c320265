// A controller over the recording fake engine, with a scenario of the test
// data loaded and the log cleared.
#pragma once

#include "fake_engine_client.h"
#include "simulation/simulation_controller.h"

#include <gtest/gtest.h>

#include <string>

class ControllerTest : public testing::Test {
protected:
  // two_types.ams: 4 atoms, temperature 100.
  static std::string dataFile(const std::string &name) {
    return std::string(SCENARIO_TEST_DATA) + "/" + name;
  }
  void startScenario() {
    controller.startUp();
    controller.load(dataFile("two_types.ams"));
    engine.clearLog();
  }
  // The log since the last call.
  std::string calls() {
    std::string log = engine.log();
    engine.clearLog();
    return log;
  }

  FakeEngine engine;
  simulation::SimulationController controller;
};
