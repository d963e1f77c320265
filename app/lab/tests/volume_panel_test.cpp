// The Lab's volume and pressure controls on a controller with no scenario:
// the lid's range, its target from the slider and the number box, and
// holding a pressure in the Lab's unit.
#include "volume_panel.h"

#include "known_units.h"
#include "simulation/simulation_controller.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <gtest/gtest.h>

using analysis::PressureUnit;

TEST(VolumePanel, ReachesFromTheSmallestBoxToTheFilesAndSaysSo) {
  simulation::SimulationController controller;
  lab::VolumePanel panel(controller, nullptr);
  EXPECT_EQ(panel.slider->minimum(), 30);
  EXPECT_EQ(panel.slider->maximum(), 100);
  EXPECT_EQ(panel.height->minimum(), 30);
  EXPECT_EQ(panel.slider->value(), 100);
  EXPECT_TRUE(panel.slider->toolTip().contains(QStringLiteral("down to 30 %")))
      << panel.slider->toolTip().toStdString();
  for (QWidget *control : std::initializer_list<QWidget *>{panel.slider, panel.height, panel.state,
                                                           panel.holdPressure, panel.pressure})
    EXPECT_FALSE(control->accessibleName().isEmpty());
  EXPECT_EQ(panel.state->text(), QStringLiteral("Lid at the file's box (100 %)"));
}

TEST(VolumePanel, TheSliderAndTheNumberBoxSetTheLidsTargetTogether) {
  simulation::SimulationController controller;
  lab::VolumePanel panel(controller, nullptr);
  panel.slider->triggerAction(QAbstractSlider::SliderPageStepSub); // Page Down
  EXPECT_DOUBLE_EQ(controller.lidTarget(), 0.9);
  EXPECT_EQ(panel.height->value(), 90);
  panel.height->setValue(45);
  EXPECT_DOUBLE_EQ(controller.lidTarget(), 0.45);
  EXPECT_EQ(panel.slider->value(), 45);
  EXPECT_EQ(panel.state->text(), QStringLiteral("Lid at 100 %, moving to 45 %"))
      << "nothing runs, so the lid has not moved yet";
}

TEST(VolumePanel, HoldsThePressureChosenInTheLabsUnitUntilTheLidIsMovedByHand) {
  simulation::SimulationController controller;
  lab::VolumePanel panel(controller, nullptr);
  panel.setUnits(known::withCard(PressureUnit::Atmosphere));
  EXPECT_TRUE(panel.pressure->suffix().contains(QStringLiteral("atm")));
  panel.pressure->setValue(2.0);
  EXPECT_FALSE(controller.heldPressure().has_value()) << "only once Hold pressure is on";
  panel.holdPressure->setChecked(true);
  ASSERT_TRUE(controller.heldPressure().has_value());
  EXPECT_NEAR(*controller.heldPressure(), 2.0 * known::kOneAtmosphere, 1e-12);
  panel.setUnits(known::withCard(PressureUnit::Kilopascal));
  EXPECT_NEAR(panel.pressure->value(), 202.65, 0.05) << "shown to a tenth of a kilopascal";
  EXPECT_TRUE(panel.pressure->suffix().contains(QStringLiteral("kPa")));
  panel.pressure->setValue(101.3);
  EXPECT_NEAR(*controller.heldPressure(), known::kOneAtmosphere, 1e-3 * known::kOneAtmosphere)
      << "a new value is held at once";
  panel.slider->setValue(60);
  EXPECT_FALSE(controller.heldPressure().has_value()) << "a hand on the lid releases the hold";
  EXPECT_FALSE(panel.holdPressure->isChecked());
}

TEST(VolumePanel, APressureHeldFromElsewhereShowsInTheNumberBox) {
  simulation::SimulationController controller;
  lab::VolumePanel panel(controller, nullptr);
  panel.setUnits(known::withCard(PressureUnit::Kilopascal));
  controller.holdPressure(400.0 * known::kOneAtmosphere); // as a guided experiment does
  panel.refresh();
  EXPECT_TRUE(panel.holdPressure->isChecked());
  EXPECT_NEAR(panel.pressure->value(), 40530.0, 0.05);
}
