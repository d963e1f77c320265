// A Lab on a controller over the real engine, opened as the main window
// opens it: the engine started up, the series measured, and a temperature
// unit chosen in the Lab applied to it. The test scenarios in data/ have no
// material card: gas.ams holds 2 atoms, liquid.ams 4, both at temperature 50
// with 5 steps a tick.
#pragma once

#include "lab_window.h"
#include "simulation/simulation_controller.h"

#include <QComboBox>
#include <QString>
#include <gtest/gtest.h>

#include <memory>

class LabWindowTest : public testing::Test {
protected:
  void SetUp() override {
    controller.startUp();
    controller.setMeasuring(true);
    openLab();
  }
  void TearDown() override;

  // A new Lab in place of the open one, shown.
  void openLab();
  static QString testScenario(const QString &name) {
    return QStringLiteral(LAB_TEST_DATA "/") + name;
  }
  static QString shippedScenario(const QString &name) {
    return QStringLiteral(CORVANTA_RESOURCES_DIR "/") + name;
  }
  void load(const QString &path) { controller.load(path.toStdString()); }
  void tick(int ticks) {
    for (int k = 0; k < ticks; ++k)
      controller.tick();
  }
  void chooseUnit(analysis::TemperatureUnit unit) {
    emit lab->units->activated(lab->units->findData(int(unit)));
  }
  void choosePressureUnit(analysis::PressureUnit unit) {
    emit lab->pressureUnits->activated(lab->pressureUnits->findData(int(unit)));
  }

  simulation::SimulationController controller;
  std::unique_ptr<lab::LabWindow> lab; // after the controller: it goes first
};
